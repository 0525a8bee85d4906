// What the Windows backend's windows look like to the system: frames, the window menu, the
// screen a maximised window covers, the windows a modal loop keeps from input, and logical pixels
// against the device pixels of a screen of any dots per inch (the program declares itself aware
// of them). The program runs at 96 and again at 192 dots per inch.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <oleacc.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/ui/DialogWindow.h"
#include "platform/ui/win32/GdiHandles.h"
#include "platform/ui/win32/Win32Host.h"
#include "platform/ui/win32/Win32Scale.h"
#include "resources/WindowTemplates.h"
#include "tests/platform/ui/WindowDriver.h"

namespace ui = platform::ui;
using platform::ui::win32::Win32Scale;
using velorin::test::Driver;

namespace {

constexpr int kAboutCommand = 16;

class StyledWindow : public ui::DialogWindow {
  public:
    explicit StyledWindow(ui::WindowStyle style) : DialogWindow(std::move(style)) {}
    void OnSysCommand(int command) override {
        commands.push_back(command);
        DialogWindow::OnSysCommand(command);
    }
    HWND hwnd() const { return static_cast<ui::win32::Win32Host*>(host())->hwnd(); }
    Win32Scale Scale() const { return static_cast<ui::win32::Win32Host*>(host())->Scale(); }
    LONG Style() const { return ::GetWindowLongW(hwnd(), GWL_STYLE); }
    LONG ExtendedStyle() const { return ::GetWindowLongW(hwnd(), GWL_EXSTYLE); }

    std::vector<int> commands;
};

std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return text;
}

// A window that paints a button and a check box itself.
class PaintedPartsWindow : public StyledWindow {
  public:
    PaintedPartsWindow() : StyledWindow({"Painted parts", ui::FrameKind::Caption, true, true}) {}
    std::vector<ui::AccessibleItem> AccessibleItems() const override {
        return {{"Press me", "Does it", ui::AccessibleRole::PushButton, {10, 20, 110, 45}},
                {"Option", "", ui::AccessibleRole::CheckBox, {10, 50, 60, 60}, true, true}};
    }
    void DoAccessibleAction(int index) override { actions.push_back(index); }
    std::vector<int> actions;
};

VARIANT Child(LONG id) {
    VARIANT child;
    ::VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::wstring NameOf(IAccessible& object, LONG id) {
    BSTR name = nullptr;
    if (object.get_accName(Child(id), &name) != S_OK) {
        return {};
    }
    std::wstring text(name);
    ::SysFreeString(name);
    return text;
}

LONG IntegerOf(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*),
               IAccessible& object, LONG id) {
    VARIANT value;
    ::VariantInit(&value);
    return (object.*get)(Child(id), &value) == S_OK && value.vt == VT_I4 ? value.lVal : -1;
}

}  // namespace

TEST(Win32Window, ScreenReadersGetThePaintedPartsThroughTheSystemsAccessibility) {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        PaintedPartsWindow window;
        ASSERT_TRUE(window.Create());
        window.SetWindowPos(40, 30, 200, 150);
        IAccessible* object = nullptr;
        ASSERT_EQ(
            ::AccessibleObjectFromWindow(window.hwnd(), static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&object)),
            S_OK);
        ASSERT_NE(object, nullptr);
        LONG count = 0;
        EXPECT_EQ(object->get_accChildCount(&count), S_OK);
        EXPECT_EQ(count, 2);
        EXPECT_EQ(NameOf(*object, CHILDID_SELF), L"Painted parts");
        EXPECT_EQ(NameOf(*object, 1), L"Press me");
        EXPECT_EQ(NameOf(*object, 2), L"Option");
        EXPECT_EQ(IntegerOf(&IAccessible::get_accRole, *object, 1), ROLE_SYSTEM_PUSHBUTTON);
        EXPECT_EQ(IntegerOf(&IAccessible::get_accRole, *object, 2), ROLE_SYSTEM_CHECKBUTTON);
        EXPECT_NE(IntegerOf(&IAccessible::get_accState, *object, 2) & STATE_SYSTEM_CHECKED, 0);
        EXPECT_NE(IntegerOf(&IAccessible::get_accState, *object, 2) & STATE_SYSTEM_FOCUSED, 0);
        LONG left = 0, top = 0, width = 0, height = 0;
        EXPECT_EQ(object->accLocation(&left, &top, &width, &height, Child(1)), S_OK);
        const ui::Rect onScreen = window.Scale().ToDevice(ui::Rect{10, 20, 110, 45});
        POINT corner{onScreen.left, onScreen.top};
        ::ClientToScreen(window.hwnd(), &corner);
        EXPECT_EQ((std::vector<LONG>{left, top, width, height}),
                  (std::vector<LONG>{corner.x, corner.y, onScreen.Width(), onScreen.Height()}));
        VARIANT hit;
        EXPECT_EQ(object->accHitTest(corner.x + onScreen.Width() - 1, corner.y, &hit), S_OK);
        EXPECT_EQ(hit.lVal, 1) << "the item's last device pixel";
        EXPECT_EQ(object->accDoDefaultAction(Child(2)), S_OK);
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
        EXPECT_EQ(window.actions, std::vector<int>{1}) << "run from the window's messages";
        object->Release();
        window.DestroyWindow();
    }
    ::CoUninitialize();
}

// Placed at an outer size, each window's client area is that size less the frame its template
// gives it: a caption and a dialog frame, a raised dialog frame alone, or a one-pixel border.
TEST(Win32Window, TheLaunchersWindowsComeFromTheirTemplatesWithTheirFramesAndExactClientAreas) {
    const int frameWidth = ui::GetSystemMetric(ui::Metric::FixedFrameWidth);
    const int frameHeight = ui::GetSystemMetric(ui::Metric::FixedFrameHeight);
    const int caption = ui::GetSystemMetric(ui::Metric::CaptionHeight);
    for (const resources::WindowTemplate& entry : resources::WindowTemplates()) {
        SCOPED_TRACE(entry.style.templateId);
        StyledWindow window(entry.style);
        ASSERT_TRUE(window.Create());
        EXPECT_FALSE(window.IsVisible()) << "shown only once placed";
        const LONG style = window.Style();
        EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
        wchar_t title[32] = {};
        ::GetWindowTextW(window.hwnd(), title, 32);
        EXPECT_EQ(std::wstring(title), ui::win32::Widen(entry.style.caption));
        EXPECT_EQ((window.ExtendedStyle() & WS_EX_APPWINDOW) != 0, entry.style.taskbarButton);
        EXPECT_EQ(::GetWindow(window.hwnd(), GW_OWNER) == nullptr, entry.style.taskbarButton)
            << "owned by a hidden window: no task-bar button";
        ui::Rect client{0, 0, 400, 250};
        switch (entry.style.frame) {
            case ui::FrameKind::Caption:
                EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
                window.SetWindowPos(30, 40, 400 + 2 * frameWidth, 250 + caption + 2 * frameHeight);
                break;
            case ui::FrameKind::Dialog:
                EXPECT_EQ(style & WS_CAPTION, 0);
                EXPECT_NE(window.ExtendedStyle() & WS_EX_DLGMODALFRAME, 0);
                window.SetWindowPos(30, 40, 400, 250);
                client = {0, 0, 400 - 2 * frameWidth, 250 - 2 * frameHeight};
                break;
            case ui::FrameKind::Thin:
            case ui::FrameKind::None: {
                const int border = entry.style.frame == ui::FrameKind::Thin ? 1 : 0;
                EXPECT_EQ(style & WS_CAPTION, border != 0 ? WS_BORDER : 0);
                window.SetWindowPos(30, 40, 400 + 2 * border, 250 + 2 * border);
                break;
            }
        }
        EXPECT_EQ(window.GetClientRect(), client);
        EXPECT_TRUE(window.IsVisible());
        window.DestroyWindow();
    }
}

// The launcher screen's frame is the system's at the screen's dots per inch, around a client area
// of the logical size in the screen's own pixels.
TEST(Win32Window, TheLauncherScreenIsPlacedInTheScreensPixelsAndFollowsAChangeOfDotsPerInch) {
    StyledWindow window(resources::WindowStyleOf(resources::kLauncherTemplate));
    ASSERT_TRUE(window.Create());
    const int frameWidth = ui::GetSystemMetric(ui::Metric::FixedFrameWidth);
    const int frameHeight = ui::GetSystemMetric(ui::Metric::FixedFrameHeight);
    const int caption = ui::GetSystemMetric(ui::Metric::CaptionHeight);
    window.SetWindowPos(30, 40, 400 + 2 * frameWidth, 250 + caption + 2 * frameHeight);
    EXPECT_EQ(window.GetClientRect(), (ui::Rect{0, 0, 400, 250}));
    RECT device{};
    ::GetClientRect(window.hwnd(), &device);
    EXPECT_EQ(device.right, window.Scale().ToDevice(400)) << "the screen's own pixels";
    EXPECT_EQ(device.bottom, window.Scale().ToDevice(250));
    POINT corner{0, 0};
    ::ClientToScreen(window.hwnd(), &corner);
    RECT outer{};
    ::GetWindowRect(window.hwnd(), &outer);
    EXPECT_EQ(outer.left, window.Scale().ToDevice(30));
    EXPECT_EQ(corner.x - outer.left, ::GetSystemMetrics(SM_CXFIXEDFRAME))
        << "the frame the system draws at the screen's dots per inch";
    EXPECT_TRUE(window.IsVisible());

    // Moved onto a screen of other dots per inch, it takes the place the system suggests there.
    ::ValidateRect(window.hwnd(), nullptr);
    RECT suggested{50, 60, 350, 260};
    ::SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&suggested));
    ::GetWindowRect(window.hwnd(), &outer);
    EXPECT_TRUE(::EqualRect(&outer, &suggested));
    EXPECT_NE(::GetUpdateRect(window.hwnd(), nullptr, FALSE), FALSE) << "to be painted afresh";
    window.DestroyWindow();
}

TEST(Win32Window, PopupsAreTopMostWhenAskedAndHaveNoTaskBarButtonOfTheirOwn) {
    StyledWindow popup({"", ui::FrameKind::Thin, false, false, true});
    ASSERT_TRUE(popup.Create());
    EXPECT_EQ(popup.Style() & (WS_CAPTION | WS_SYSMENU), WS_BORDER);
    EXPECT_NE(popup.ExtendedStyle() & WS_EX_TOPMOST, 0);
    EXPECT_NE(::GetWindow(popup.hwnd(), GW_OWNER), nullptr) << "owned: no task-bar button";
    popup.DestroyWindow();
}

TEST(Win32Window, WindowMenuGetsAppendedItemsAndTheirCommandsReachTheWindow) {
    StyledWindow window({"Menu", ui::FrameKind::Caption, true});
    ASSERT_TRUE(window.Create());
    window.AppendWindowMenuSeparator();
    window.AppendWindowMenuItem(kAboutCommand, "&About Launcher...");
    HMENU menu = ::GetSystemMenu(window.hwnd(), FALSE);
    EXPECT_EQ(::GetMenuState(menu, SC_MINIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1))
        << "a fixed frame offers no minimising";
    EXPECT_EQ(::GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED, 0U);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(::GetMenuItemID(menu, count - 1), static_cast<UINT>(kAboutCommand));
    EXPECT_EQ(MenuText(menu, count - 1), L"&About Launcher...");
    EXPECT_EQ(::GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR,
              static_cast<UINT>(MF_SEPARATOR));
    ::SendMessageW(window.hwnd(), WM_SYSCOMMAND, kAboutCommand, 0);
    ::SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window.commands, (std::vector<int>{kAboutCommand, ui::kCommandClose}));
    window.DestroyWindow();
}

TEST(Win32Window, MaximisedBackdropCoversTheWholeScreen) {
    StyledWindow backdrop({"", ui::FrameKind::Thin});
    ASSERT_TRUE(backdrop.Create());
    backdrop.ShowWindow(ui::ShowCommand::ShowMaximized);
    RECT outer{};
    ::GetWindowRect(backdrop.hwnd(), &outer);
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);
    EXPECT_EQ(outer.right, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(outer.bottom, ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(backdrop.Scale().ToDevice(ui::GetSystemMetric(ui::Metric::ScreenWidth)),
              ::GetSystemMetrics(SM_CXSCREEN))
        << "the screen's size in logical pixels";
    backdrop.DestroyWindow();
}

TEST(Win32Window, AModalLoopKeepsInputFromTheOtherWindowsUntilItEnds) {
    StyledWindow behind({"Behind", ui::FrameKind::Caption});
    ASSERT_TRUE(behind.Create());
    behind.SetWindowPos(0, 0, 100, 100);
    StyledWindow modal({"Modal", ui::FrameKind::Caption});
    bool behindEnabled = true;
    Driver().Soon([&] {
        behindEnabled = ::IsWindowEnabled(behind.hwnd()) != FALSE;
        modal.EndDialog(5);
    });
    EXPECT_EQ(modal.DoModal(), 5);
    EXPECT_FALSE(behindEnabled);
    EXPECT_NE(::IsWindowEnabled(behind.hwnd()), FALSE);
    behind.DestroyWindow();
}

TEST(Win32Window, LogicalPixelsAndTheDevicePixelsOfAnyScaleMapOntoEachOther) {
    for (const int dpi : {96, 120, 144, 168, 192, 240}) {
        const Win32Scale scale(dpi);
        for (int logical = -20; logical < 700; ++logical) {
            const int first = scale.ToDevice(logical);
            const int next = scale.ToDevice(logical + 1);
            ASSERT_GE(next - first, 1) << dpi << ": " << logical;
            for (int device = first; device < next; ++device) {
                ASSERT_EQ(scale.LogicalPixelOf(device), logical) << dpi << ": " << device;
            }
            ASSERT_EQ(scale.ToLogicalLength(first), logical) << dpi;
        }
        const ui::Rect rect{3, 7, 401, 250};
        EXPECT_EQ(scale.Covering(scale.ToDevice(rect)), rect) << dpi;
        // A hundred scrolls of a logical pixel move the device pixels the hundred span, each step
        // a whole number of them.
        ui::win32::DeviceSteps steps;
        int moved = 0;
        for (int step = 0; step < 100; ++step) {
            moved += steps.Next(-1, scale);
            EXPECT_LE(std::abs(moved - scale.ToDevice(-(step + 1))), 1) << dpi << ": " << step;
        }
        EXPECT_EQ(moved, scale.ToDevice(-100)) << dpi;
    }
}

TEST(Win32Window, ProgramDeclaresItsWindowsPerMonitorDpiAwareWithTheFirstVersionForOlderSystems) {
    HRSRC found = ::FindResourceA(nullptr, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    ASSERT_NE(found, nullptr) << "no manifest";
    const auto* bytes = static_cast<const char*>(::LockResource(::LoadResource(nullptr, found)));
    const std::string manifest(bytes, ::SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
}

TEST(Win32Window, PicturesComeFromTheProgramsResourcesAndAMissingOneIsEmpty) {
    EXPECT_EQ(ui::LoadPicture(131).Width(), 400);
    EXPECT_FALSE(ui::LoadPicture(130).IsLoaded());
    EXPECT_GT(ui::GetSystemMetric(ui::Metric::ScreenWidth), 0);
    EXPECT_EQ(ui::GetSystemMetric(ui::Metric::IconWidth), 32);
}

TEST(Win32Window, TheWaitCursorShowsOverEveryWindowUntilItIsSetBack) {
    StyledWindow window({"Waiting", ui::FrameKind::Caption});
    ASSERT_TRUE(window.Create());
    const auto askForCursor = [&window] {
        ::SendMessageW(window.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window.hwnd()),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    };
    EXPECT_EQ(ui::SetCursorShape(ui::CursorShape::Wait), std::nullopt);
    askForCursor();
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_WAIT));
    EXPECT_EQ(ui::SetCursorShape(ui::CursorShape::Arrow), ui::CursorShape::Wait);
    askForCursor();
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_ARROW));
    window.DestroyWindow();
}

TEST(Win32Window, WaitingRepaintsButDropsClicksKeysAndTheCloseBoxForGood) {
    struct Counting : StyledWindow {
        Counting() : StyledWindow({"Waiting", ui::FrameKind::Caption, true}) {}
        void OnLButtonDown(int /*x*/, int /*y*/) override { ++inputs; }
        void OnCancel() override { ++inputs; }
        int inputs = 0;
    } window;
    ASSERT_TRUE(window.Create());
    window.SetWindowPos(0, 0, 120, 90);
    ASSERT_TRUE(Driver().WaitUntilShown(window));
    ::PostMessageW(window.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageW(window.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageW(window.hwnd(), WM_NCLBUTTONDOWN, HTCLOSE, 0);
    ::InvalidateRect(window.hwnd(), nullptr, FALSE);
    ui::CurrentWindowSystem()->HandleEventsWithoutInput(std::chrono::milliseconds(50));
    EXPECT_EQ(::GetUpdateRect(window.hwnd(), nullptr, FALSE), FALSE) << "repainted meanwhile";
    Driver().WaitUntilShown(window);
    EXPECT_EQ(window.inputs, 0);
    EXPECT_TRUE(window.commands.empty());
    window.DestroyWindow();
}
