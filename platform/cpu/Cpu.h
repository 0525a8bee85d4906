#pragma once
// What the launcher asks of the processor.
#include <memory>

namespace platform::cpu {

class Processor {
  public:
    virtual ~Processor() = default;
    // True when the processor has the Streaming SIMD Extensions; a processor that cannot say
    // (no CPUID instruction, or not an x86) has none.
    virtual bool IsSseProcessor() const = 0;
};

// The processor the launcher runs on.
std::unique_ptr<Processor> CreateSystemProcessor();

}  // namespace platform::cpu
