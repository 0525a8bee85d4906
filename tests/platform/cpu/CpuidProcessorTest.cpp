#include <gtest/gtest.h>

#include "platform/cpu/cpuid/CpuidProcessor.h"
#include "tests/support/Helpers.h"

using testing_support::ScopedEnv;

TEST(CpuidProcessor, AnswersFromTheProcessorUnlessTheEnvironmentSays) {
    platform::cpu::CpuidProcessor processor;
    {
        ScopedEnv unset("VELORIN_CPU_SSE", nullptr);
#if defined(__x86_64__)
        // Every 64-bit x86 processor has SSE.
        EXPECT_TRUE(processor.IsSseProcessor());
#elif !defined(__i386__)
        EXPECT_FALSE(processor.IsSseProcessor());
#endif
    }
    {
        ScopedEnv noSse("VELORIN_CPU_SSE", "0");
        EXPECT_FALSE(processor.IsSseProcessor());
    }
    {
        ScopedEnv sse("VELORIN_CPU_SSE", "1");
        EXPECT_TRUE(processor.IsSseProcessor());
    }
}
