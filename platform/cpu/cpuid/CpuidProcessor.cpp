#include "platform/cpu/cpuid/CpuidProcessor.h"

#include <cstdlib>
#include <string_view>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

namespace platform::cpu {

namespace {

bool AskProcessor() {
#if defined(__i386__) || defined(__x86_64__)
    constexpr unsigned kFeatureLeaf = 1;
    constexpr unsigned kSseBit = 1u << 25;  // in EDX of the feature leaf
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    // __get_cpuid answers 0 when the processor has no CPUID or no feature leaf.
    return __get_cpuid(kFeatureLeaf, &eax, &ebx, &ecx, &edx) != 0 && (edx & kSseBit) != 0;
#else
    return false;
#endif
}

}  // namespace

bool CpuidProcessor::IsSseProcessor() const {
    const char* forced = std::getenv("VELORIN_CPU_SSE");
    if (forced != nullptr && (std::string_view(forced) == "0" || std::string_view(forced) == "1")) {
        return std::string_view(forced) == "1";
    }
    return AskProcessor();
}

std::unique_ptr<Processor> CreateSystemProcessor() {
    return std::make_unique<CpuidProcessor>();
}

}  // namespace platform::cpu
