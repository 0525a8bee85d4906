#include <gtest/gtest.h>

#include "platform/ui/MessageBox.h"
#include "platform/ui/fake/ScriptedMessageBoxes.h"

namespace ui = platform::ui;

TEST(MessageBox, ScriptedAnswersComeInOrderThenTheSafeChoice) {
    ui::fake::ScriptedMessageBoxes boxes;
    boxes.Answer({ui::Answer::Retry});
    EXPECT_EQ(ui::ShowMessage(nullptr, "t", "c", ui::Buttons::RetryCancel), ui::Answer::Retry);
    EXPECT_EQ(ui::ShowMessage(nullptr, "t", "c", ui::Buttons::RetryCancel), ui::Answer::Cancel);
    EXPECT_EQ(ui::ShowMessage(nullptr, "t", "c", ui::Buttons::YesNo), ui::Answer::No);
    EXPECT_EQ(ui::ShowMessage(nullptr, "t", "c", ui::Buttons::Ok), ui::Answer::Ok);
}

TEST(MessageBox, CaptionIsTheApplicationTitleOnlyWhenNoneIsGiven) {
    ui::fake::ScriptedMessageBoxes boxes;
    ui::SetApplicationTitle("launcher-title");
    ui::ShowMessage(nullptr, "one", std::nullopt, ui::Buttons::Ok);
    ui::ShowMessage(nullptr, "two", "", ui::Buttons::Ok, ui::Icon::Information);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].caption, "launcher-title");
    EXPECT_EQ(boxes.shown()[1].caption, "");
    EXPECT_EQ(boxes.shown()[1].icon, ui::Icon::Information);
}
