#pragma once
// The launcher screen opened as a modeless window on the fake window system, with a temporary
// store, recorded sounds and scripted boxes; every rectangle it paints is recorded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry/fake/ScopedStore.h"
#include "platform/sound/fake/RecordedSounds.h"
#include "platform/ui/fake/FakePicture.h"
#include "platform/ui/fake/FakeWindows.h"
#include "platform/ui/fake/ScriptedDialogs.h"
#include "platform/ui/fake/ScriptedMessageBoxes.h"
#include "shell/LauncherDlg.h"

namespace velorin::test {

namespace fake = platform::ui::fake;

// The pixels of a picture of the resources; a missing one fails the test.
inline fake::Surface Picture(int id) {
    const platform::ui::Picture picture = platform::ui::LoadPicture(id);
    const auto* data = dynamic_cast<const fake::FakePicture*>(picture.data());
    if (data == nullptr) {
        ADD_FAILURE() << "no picture " << id;
        return {};
    }
    return data->pixels();
}

class ProbeLauncherDlg : public CLauncherDlg {
  public:
    void OnPaint(platform::ui::Canvas& dc) override {
        painted.push_back(dc.ClipBox());
        CLauncherDlg::OnPaint(dc);
    }
    std::vector<platform::ui::Rect> painted;
};

class LauncherFixture : public ::testing::Test {
  protected:
    // Opens the screen and paints it whole, as its first showing does.
    void Open() {
        ASSERT_TRUE(dlg.Create());
        ASSERT_TRUE(Host().IsVisible());
        dlg.RedrawWindow();
        dlg.painted.clear();
    }
    void TearDown() override { dlg.DestroyWindow(); }

    fake::FakeHost& Host() const { return fake::HostOf(dlg); }
    void MoveTo(int x, int y) { Host().MouseMove(x, y); }
    // Moves the pointer there and presses the left button, as a user's click does; painted then
    // holds only what the click itself redrew.
    void ClickAt(int x, int y) {
        MoveTo(x, y);
        dlg.painted.clear();
        Host().LeftButtonDown(x, y);
    }
    void OpenPanel() {
        ClickAt(300, 100);
        dlg.painted.clear();
        soundsSeen_ = sounds.requests().size();
    }
    const fake::Surface& Screen() const { return Host().surface(); }
    // Whether the screen shows the block at (x, y).
    bool ShowsAt(int x, int y, const fake::Surface& block) const {
        return Screen().Block({x, y, x + block.Width(), y + block.Height()}) == block;
    }
    // The panel's marks show the options: on or off at each region's corner.
    void ExpectMarks(const std::vector<std::pair<int, bool>>& marks) const;
    bool HandShown() const { return Host().cursor() != platform::ui::ArrowCursor(); }
    // The sounds asked for since the panel was opened (or since the start).
    std::vector<platform::sound::fake::RecordedSounds::Request> Sounds() const {
        const auto& all = sounds.requests();
        return {all.begin() + static_cast<std::ptrdiff_t>(soundsSeen_), all.end()};
    }
    std::vector<std::string> SoundNames() const {
        std::vector<std::string> names;
        for (const auto& request : Sounds()) {
            names.push_back(request.fileName);
        }
        return names;
    }

    platform::registry::ScopedStore store;
    platform::sound::fake::RecordedSounds sounds;
    fake::FakeWindows windows;
    fake::ScriptedMessageBoxes boxes;
    fake::ScriptedDialogs dialogs;
    ProbeLauncherDlg dlg;

  private:
    std::size_t soundsSeen_ = 0;
};

inline void LauncherFixture::ExpectMarks(const std::vector<std::pair<int, bool>>& marks) const {
    for (auto [index, selected] : marks) {
        const CHotRegion& region = *dlg.m_regions[index];
        EXPECT_TRUE(ShowsAt(region.left, region.top, Picture(selected ? 134 : 133))) << index;
    }
}

inline const platform::ui::Rect kWholeWindow{0, 0, 400, 250};
inline const platform::ui::Rect kHoverArea{0, 211, 254, 249};
inline const std::string kClick = ".\\Sounds\\Sys\\S0\\click.wav";
inline const std::string kSnap = ".\\Sounds\\Sys\\S0\\snap.wav";

}  // namespace velorin::test
