// Message boxes and layout dialogs on the system's own windows, answered by a user thread that
// finds them by caption and presses what a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/ui/Dialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/win32/Win32Dialogs.h"
#include "platform/ui/win32/Win32MessageBoxes.h"
#include "resources/DialogLayouts.h"
#include "tests/platform/ui/win32/ScreenUser.h"

namespace {

namespace ui = platform::ui;
using platform::ui::win32::WideFromUtf8;
using testing_support::ScreenUser;

bool Shows(const testing_support::SeenWindow& seen, const std::string& text) {
    return std::find(seen.texts.begin(), seen.texts.end(), WideFromUtf8(text)) != seen.texts.end();
}

// A layer window whose real window is a plain pop-up of the test's own.
class OwnerWindow final : public ui::Window {
  public:
    OwnerWindow()
        : handle_(::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100,
                                    nullptr, nullptr, nullptr, nullptr)) {
        current_ = handle_;
    }
    ~OwnerWindow() override { ::DestroyWindow(handle_); }
    void Show() override {}
    void Hide() override {}
    bool IsVisible() const override { return true; }
    void RedrawNow(const ui::Rect*) override {}
    HWND Handle() const { return handle_; }
    static HWND Lookup(ui::Window*) { return current_; }

  private:
    HWND handle_;
    static inline HWND current_ = nullptr;
};

class Win32MessageBoxesTest : public ::testing::Test {
  protected:
    void SetUp() override { ui::SetMessageBoxBackend(&boxes_); }
    void TearDown() override { ui::SetMessageBoxBackend(nullptr); }

  private:
    ui::win32::Win32MessageBoxes boxes_{&OwnerWindow::Lookup};
};

TEST_F(Win32MessageBoxesTest, EachButtonSetAnswersWithThePressedButtonUnderItsCaption) {
    struct Case {
        ui::Buttons buttons;
        int pressed;
        ui::Answer expected;
    };
    const Case cases[] = {
        {ui::Buttons::Ok, IDOK, ui::Answer::Ok},
        {ui::Buttons::OkCancel, IDOK, ui::Answer::Ok},
        {ui::Buttons::OkCancel, IDCANCEL, ui::Answer::Cancel},
        {ui::Buttons::RetryCancel, IDRETRY, ui::Answer::Retry},
        {ui::Buttons::YesNo, IDYES, ui::Answer::Yes},
        {ui::Buttons::YesNo, IDNO, ui::Answer::No},
    };
    int number = 0;
    for (const Case& c : cases) {
        const std::string caption = "Velorin box " + std::to_string(++number);
        ScreenUser user(WideFromUtf8(caption), ScreenUser::Press(c.pressed));
        EXPECT_EQ(ui::ShowMessage(nullptr, "Line one\n\tLine \"two\"", caption, c.buttons,
                                  ui::Icon::Question),
                  c.expected)
            << caption;
        ASSERT_TRUE(user.Seen().found) << caption;
        EXPECT_TRUE(Shows(user.Seen(), "Line one\n\tLine \"two\"")) << caption;
    }
}

TEST_F(Win32MessageBoxesTest, EscapeAnswersCancelWhereOfferedAndOkOnABoxWithOkAlone) {
    for (const auto& [buttons, expected] : {std::pair{ui::Buttons::OkCancel, ui::Answer::Cancel},
                                            std::pair{ui::Buttons::RetryCancel, ui::Answer::Cancel},
                                            std::pair{ui::Buttons::Ok, ui::Answer::Ok}}) {
        ScreenUser user(L"Escape here", ScreenUser::Escape());
        EXPECT_EQ(ui::ShowMessage(nullptr, "Press Escape", "Escape here", buttons), expected);
        EXPECT_TRUE(user.Seen().found);
    }
}

TEST_F(Win32MessageBoxesTest,
       AnOwnedBoxKeepsItsOwnerDisabledWhileShownAndAnEmptyCaptionStaysEmpty) {
    OwnerWindow owner;
    ScreenUser user(L"", ScreenUser::Press(IDOK));
    EXPECT_EQ(ui::ShowMessage(&owner, "Owned", "", ui::Buttons::Ok, ui::Icon::Error),
              ui::Answer::Ok);
    ASSERT_TRUE(user.Seen().found);
    EXPECT_EQ(user.Seen().caption, L"");
    EXPECT_EQ(user.Seen().owner, owner.Handle());
    EXPECT_FALSE(user.Seen().ownerEnabled);
    EXPECT_TRUE(::IsWindowEnabled(owner.Handle())) << "enabled again once the box is gone";
}

class Win32DialogsTest : public ::testing::Test {
  protected:
    void SetUp() override { ui::SetDialogBackend(&dialogs_); }
    void TearDown() override { ui::SetDialogBackend(nullptr); }

    // The layout as the waiting dialogs fill it in: "%s" is the download page.
    static ui::DialogLayout Filled(int id) {
        ui::DialogLayout layout = resources::LoadDialogLayout(id);
        for (ui::DialogControl& control : layout.controls) {
            const auto at = control.text.find("%s");
            if (at != std::string::npos) {
                control.text.replace(at, 2, "http://example.test/Velorin/AVI");
            }
        }
        return layout;
    }

  private:
    ui::win32::Win32Dialogs dialogs_;
};

TEST_F(Win32DialogsTest, EachDialogEndsWithThePressedButtonsIdShowingTheCallersTexts) {
    for (const auto& [id, pressed] :
         {std::pair{100, ui::kIdOk}, std::pair{151, ui::kIdOk}, std::pair{152, ui::kIdRetry},
          std::pair{153, ui::kIdCancel}, std::pair{156, ui::kIdRetry}}) {
        const ui::DialogLayout layout = Filled(id);
        ScreenUser user(WideFromUtf8(layout.caption), ScreenUser::Press(pressed));
        EXPECT_EQ(ui::RunDialog(nullptr, layout), pressed) << id;
        ASSERT_TRUE(user.Seen().found) << id;
        for (const ui::DialogControl& control : layout.controls) {
            if (control.kind != ui::ControlKind::ApplicationIcon) {
                EXPECT_TRUE(Shows(user.Seen(), control.text)) << id << ": " << control.text;
            }
        }
    }
}

TEST_F(Win32DialogsTest, EscapeAndTheCloseBoxEndWithCancelAndTopmostIsOnlyWhenAsked) {
    {
        ScreenUser user(L"Velorin Waiting ...", ScreenUser::Escape());
        EXPECT_EQ(ui::RunDialog(nullptr, Filled(152), {.topmost = true}), ui::kIdCancel);
        EXPECT_TRUE(user.Seen().topmost);
    }
    {
        ScreenUser user(L"About Launcher", ScreenUser::CloseBox());
        EXPECT_EQ(ui::RunDialog(nullptr, Filled(100)), ui::kIdCancel);
        ASSERT_TRUE(user.Seen().found);
        EXPECT_FALSE(user.Seen().topmost);
    }
}

TEST_F(Win32DialogsTest, ALayoutWithoutATemplateEndsAsClosedAtOnce) {
    ui::DialogLayout layout = Filled(151);
    layout.resourceId = 999;
    EXPECT_EQ(ui::RunDialog(nullptr, layout), ui::kIdCancel);
}

}  // namespace
