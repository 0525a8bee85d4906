// The program's Windows resources hold what the shared tables and make-art's pictures hold: the
// string table, the dialog templates (texts, places in dialog units, the default button), the
// bitmaps at every scale, the icon, the cursor with its hot spot, and the version.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <optional>
#include <string>

#include "platform/ui/PictureScales.h"
#include "platform/ui/win32/Win32Owner.h"
#include "resources/DialogLayouts.h"
#include "resources/Strings.h"

namespace {

namespace ui = platform::ui;
using platform::ui::win32::WideFromUtf8;

const HINSTANCE kProgram = ::GetModuleHandleW(nullptr);

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// A control's place in the dialog's client area, in pixels.
RECT ClientRectOf(HWND dialog, HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Where the dialog manager puts a control: its corner and its size each converted from dialog
// units on their own.
RECT PlaceOf(HWND dialog, const ui::DialogControl& control) {
    RECT units{control.x, control.y, control.width, control.height};
    ::MapDialogRect(dialog, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(WindowsResourcesTest, StringTableHoldsEveryTextOfTheSharedTable) {
    for (const resources::ResourceString& entry : resources::ResourceStrings()) {
        const wchar_t* text = nullptr;
        const int length = ::LoadStringW(kProgram, static_cast<UINT>(entry.id),
                                         reinterpret_cast<LPWSTR>(&text), 0);
        ASSERT_GT(length, 0) << entry.id;
        EXPECT_EQ(std::wstring(text, static_cast<std::size_t>(length)), WideFromUtf8(entry.text))
            << entry.id;
    }
}

TEST(WindowsResourcesTest, DialogTemplatesHoldTheSharedLayouts) {
    for (const ui::DialogLayout& layout : resources::DialogLayouts()) {
        const HWND dialog = ::CreateDialogParamW(kProgram, MAKEINTRESOURCEW(layout.resourceId),
                                                 nullptr, QuietDialog, 0);
        ASSERT_NE(dialog, nullptr) << layout.resourceId;
        EXPECT_EQ(TextOf(dialog), WideFromUtf8(layout.caption));
        RECT size{0, 0, layout.width, layout.height};
        ::MapDialogRect(dialog, &size);
        RECT client{};
        ::GetClientRect(dialog, &client);
        EXPECT_TRUE(SameRect(client, size)) << layout.resourceId;
        HWND child = ::GetWindow(dialog, GW_CHILD);
        for (const ui::DialogControl& control : layout.controls) {
            ASSERT_NE(child, nullptr) << layout.resourceId << ": fewer controls than the layout";
            const auto style = static_cast<DWORD>(::GetWindowLongW(child, GWL_STYLE));
            if (control.kind != ui::ControlKind::ApplicationIcon) {
                EXPECT_EQ(TextOf(child), WideFromUtf8(control.text)) << layout.resourceId;
                EXPECT_TRUE(SameRect(ClientRectOf(dialog, child), PlaceOf(dialog, control)))
                    << control.text;
            }
            EXPECT_EQ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON,
                      control.kind == ui::ControlKind::DefaultButton)
                << control.text;
            child = ::GetWindow(child, GW_HWNDNEXT);
        }
        EXPECT_EQ(child, nullptr) << layout.resourceId << ": more controls than the layout";
        ::DestroyWindow(dialog);
    }
}

BITMAP BitmapInfo(HANDLE bitmap) {
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof info, &info);
    return info;
}

// The image an icon or cursor resource has at that size: its width and hot spot.
struct IconImage {
    LONG width = 0;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
};

std::optional<IconImage> LoadIconImage(int id, UINT type, int side) {
    HANDLE loaded = ::LoadImageW(kProgram, MAKEINTRESOURCEW(id), type, side, side, 0);
    ICONINFO info{};
    if (loaded == nullptr || !::GetIconInfo(static_cast<HICON>(loaded), &info)) {
        return std::nullopt;
    }
    const IconImage image{BitmapInfo(info.hbmColor).bmWidth, info.xHotspot, info.yHotspot};
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyIcon(static_cast<HICON>(loaded));
    return image;
}

TEST(WindowsResourcesTest, PicturesIconCursorAndVersionAreThere) {
    const std::map<int, SIZE> bitmaps{{131, {400, 250}}, {133, {10, 10}},   {134, {10, 10}},
                                      {145, {400, 250}}, {146, {400, 250}}, {148, {640, 480}},
                                      {149, {400, 250}}, {161, {68, 55}}};
    // Each at every scale, in the 16 bits per pixel the pictures are stored in.
    for (const ui::PictureScale& scale : ui::kPictureScales) {
        for (const auto& [id, size] : bitmaps) {
            const int scaledId = id + scale.resourceIdOffset;
            const HANDLE bitmap = ::LoadImageW(kProgram, MAKEINTRESOURCEW(scaledId), IMAGE_BITMAP,
                                               0, 0, LR_CREATEDIBSECTION);
            ASSERT_NE(bitmap, nullptr) << scaledId;
            const BITMAP info = BitmapInfo(bitmap);
            EXPECT_EQ(info.bmWidth, std::lround(size.cx * scale.factor)) << scaledId;
            EXPECT_EQ(info.bmHeight, std::lround(size.cy * scale.factor)) << scaledId;
            EXPECT_EQ(info.bmBitsPixel, 16) << scaledId;
            ::DeleteObject(bitmap);
        }
    }
    // The icon and the cursor have an image of their own for each size a scale asks for.
    for (const int side : {16, 24, 32, 48, 64}) {
        const std::optional<IconImage> icon = LoadIconImage(128, IMAGE_ICON, side);
        ASSERT_TRUE(icon) << side;
        EXPECT_EQ(icon->width, side);
    }
    std::ifstream hotSpot(VELORIN_SOURCE_DIR "/resources/images/cursor-138.hotspot");
    DWORD x = 0, y = 0;
    ASSERT_TRUE(hotSpot >> x >> y);
    for (const ui::PictureScale& scale : ui::kPictureScales) {
        const int side = static_cast<int>(std::lround(32 * scale.factor));
        const std::optional<IconImage> cursor = LoadIconImage(138, IMAGE_CURSOR, side);
        ASSERT_TRUE(cursor) << side;
        EXPECT_EQ(cursor->width, side);
        EXPECT_EQ(cursor->xHotspot, static_cast<DWORD>(std::lround(x * scale.factor))) << side;
        EXPECT_EQ(cursor->yHotspot, static_cast<DWORD>(std::lround(y * scale.factor))) << side;
    }

    wchar_t program[MAX_PATH];
    ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::string version(::GetFileVersionInfoSizeW(program, nullptr), '\0');
    ASSERT_FALSE(version.empty());
    ASSERT_TRUE(
        ::GetFileVersionInfoW(program, 0, static_cast<DWORD>(version.size()), version.data()));
    wchar_t* fileVersion = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(version.data(), L"\\StringFileInfo\\040904B0\\FileVersion",
                                 reinterpret_cast<void**>(&fileVersion), &length));
    EXPECT_EQ(std::wstring(fileVersion), L"1.0");
}

}  // namespace
