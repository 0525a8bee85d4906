// The launcher screen on the system's windows on a screen of 192 dots per inch (the test runs in
// the Wine prefix that has them): drawn from the 2x bitmaps and with text in the screen's own
// pixels rather than stretched from the 1x window, and answering the mouse, which the system
// reports in device pixels, at the same logical coordinates as at 96.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "platform/registry/fake/ScopedStore.h"
#include "platform/sound/fake/RecordedSounds.h"
#include "platform/ui/win32/Win32Backends.h"
#include "platform/ui/win32/Win32Host.h"
#include "shell/LauncherDlg.h"
#include "tests/shell/UniformBlocks.h"

namespace {

namespace ui = platform::ui;
using velorin::test::AnyBlock;
using velorin::test::AnyInk;
using velorin::test::AtScale2;
using velorin::test::UniformBlocks;

void HandleQueuedMessages() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// The pointer at a logical position, as the system reports it: in the window's device pixels.
void Mouse(HWND window, UINT message, int x, int y) {
    const LPARAM at = MAKELPARAM(2 * x, 2 * y);
    if (message == WM_MOUSEMOVE) {
        ::SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
    ::SendMessageW(window, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, at);
}

// How many device pixels of the area the window shows otherwise than the picture's 2x bitmap.
template <typename PixelAt>
int PixelsApartFrom2xBitmap(PixelAt shown, int pictureId, const ui::Rect& area) {
    const ui::Picture picture = ui::LoadPicture(pictureId);
    if (!picture.IsLoaded()) {
        return area.Width() * area.Height();
    }
    const auto& bitmaps = *static_cast<const ui::win32::Win32Picture*>(picture.data());
    const ui::win32::MemoryDc memory(::CreateCompatibleDC(nullptr));
    const ui::win32::Selection selected(memory.get(),
                                        bitmaps.BitmapFor(2 * ui::win32::kLogicalDpi).bitmap);
    int apart = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF pixel = ::GetPixel(memory.get(), x, y);
            const ui::Color color{GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
            apart += shown(x, y) == color ? 0 : 1;
        }
    }
    return apart;
}

TEST(LauncherScaled, IsDrawnAtTwiceTheDetailAndAnswersTheMouseInLogicalPixels) {
    ui::win32::Win32Backends windows;
    platform::sound::fake::RecordedSounds sounds;
    platform::registry::ScopedStore store;
    CLauncherDlg dlg;
    ASSERT_TRUE(dlg.Create());
    auto* host = static_cast<ui::win32::Win32Host*>(dlg.host());
    ASSERT_EQ(host->Scale().Dpi(), 192) << "not on a screen of 192 dots per inch";
    HandleQueuedMessages();
    RECT client{};
    ::GetClientRect(host->hwnd(), &client);
    ASSERT_EQ(client.right, 800);
    ASSERT_EQ(client.bottom, 500);
    EXPECT_EQ(dlg.GetClientRect(), (ui::Rect{0, 0, 400, 250}));
    const auto screen = [host](int x, int y) { return host->PixelAt(x, y); };
    EXPECT_EQ(PixelsApartFrom2xBitmap(screen, 131, {0, 0, 800, 500}), 0);
    // The 1x screen stretched would have every block uniform. The 16-bit bitmaps' flat bands of
    // colour make more of them uniform than the 24-bit pictures of the Linux build do (31 %).
    const auto whole = UniformBlocks(screen, {0, 0, 800, 500}, AnyBlock);
    std::printf("uniform 2x2 blocks, whole screen: %.1f %%\n", 100 * whole.Share());
    EXPECT_LT(whole.Share(), 0.8);

    // Pointing at Launch, one logical pixel inside its region, shows its hover text.
    Mouse(host->hwnd(), WM_MOUSEMOVE, 261, 62);
    const auto ink = UniformBlocks(screen, AtScale2(CLauncherDlg::kHoverTextArea), AnyInk);
    std::printf("uniform 2x2 blocks with hover-text ink: %.1f %% of %d\n", 100 * ink.Share(),
                ink.all);
    ASSERT_GT(ink.all, 50) << "no hover text";
    EXPECT_LT(ink.Share(), 0.5) << "the text is pixel-doubled";
    Mouse(host->hwnd(), WM_MOUSEMOVE, 260, 62);
    EXPECT_EQ(UniformBlocks(screen, AtScale2(CLauncherDlg::kHoverTextArea), AnyInk).all, 0)
        << "on the region's border, no text";

    // A click on Set-Up Options at its logical place opens the panel, drawn from its 2x bitmap.
    Mouse(host->hwnd(), WM_MOUSEMOVE, 330, 102);
    Mouse(host->hwnd(), WM_LBUTTONDOWN, 330, 102);
    EXPECT_EQ(PixelsApartFrom2xBitmap(screen, 145, AtScale2({8, 50, 248, 70})), 0)
        << "the panel's audio heading";
    dlg.DestroyWindow();
}

}  // namespace
