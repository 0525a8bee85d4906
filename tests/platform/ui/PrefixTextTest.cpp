#include <gtest/gtest.h>

#include "platform/ui/DialogWindow.h"
#include "platform/ui/PrefixText.h"

namespace ui = platform::ui;

TEST(PrefixText, DoubleAmpersandShowsOneAndMnemonicMarksGo) {
    EXPECT_EQ(ui::RemovePrefixMarks("UI Concept && Design"), "UI Concept & Design");
    EXPECT_EQ(ui::RemovePrefixMarks("&About Launcher..."), "About Launcher...");
    EXPECT_EQ(ui::RemovePrefixMarks("a&&&b&"), "a&b");
}

TEST(DialogWindow, WithoutABackendNothingIsCreatedAndEveryOperationIsHarmless) {
    ui::DialogWindow window(ui::WindowStyle{});
    EXPECT_EQ(window.DoModal(), ui::kNoWindow);
    EXPECT_FALSE(window.Create());
    window.RedrawWindow();
    window.ShowWindow(ui::ShowCommand::Show);
    EXPECT_FALSE(window.IsVisible());
    EXPECT_EQ(window.SetTimer(222, 20), 0);
    EXPECT_FALSE(ui::LoadPicture(131).IsLoaded());
}
