#include <gtest/gtest.h>

#include "platform/debug/DebugOutput.h"

using platform::debug::CapturedDebugOutput;
using platform::debug::OutputDebugText;

TEST(DebugOutput, NestedCapturesEachSeeOnlyTheirOwnText) {
    CapturedDebugOutput outer;
    OutputDebugText("a\n");
    {
        CapturedDebugOutput inner;
        OutputDebugText("b\n");
        EXPECT_EQ(inner.text(), "b\n");
    }
    OutputDebugText("c\n");
    EXPECT_EQ(outer.text(), "a\nc\n");
}
