#pragma once
// The launcher screen opened as a modeless window on the offscreen platform, with a temporary
// store, recorded sounds and scripted boxes; every rectangle it paints is recorded.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <vector>

#include "platform/registry/fake/ScopedStore.h"
#include "platform/sound/fake/RecordedSounds.h"
#include "platform/ui/fake/ScriptedDialogs.h"
#include "platform/ui/fake/ScriptedMessageBoxes.h"
#include "platform/ui/qt/QtHost.h"
#include "shell/LauncherDlg.h"

namespace velorin::test {

class ProbeLauncherDlg : public CLauncherDlg {
  public:
    void OnPaint(platform::ui::Canvas& dc) override {
        painted.push_back(dc.ClipBox());
        CLauncherDlg::OnPaint(dc);
    }
    platform::ui::qt::QtHost* qtHost() const {
        return static_cast<platform::ui::qt::QtHost*>(host());
    }
    std::vector<platform::ui::Rect> painted;
};

class LauncherFixture : public ::testing::Test {
  protected:
    void Open() {
        ASSERT_TRUE(dlg.Create());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.qtHost()));
        dlg.painted.clear();
    }
    void TearDown() override { dlg.DestroyWindow(); }

    // Moves the pointer there and presses the left button, as a user's click does; painted then
    // holds only what the click itself redrew.
    void ClickAt(int x, int y) {
        dlg.OnMouseMove(x, y);
        dlg.painted.clear();
        dlg.OnLButtonDown(x, y);
    }
    void OpenPanel() {
        ClickAt(300, 100);
        dlg.painted.clear();
        soundsSeen_ = sounds.requests().size();
    }
    QImage Screen() const { return dlg.qtHost()->grab().toImage(); }
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
    platform::ui::fake::ScriptedMessageBoxes boxes;
    platform::ui::fake::ScriptedDialogs dialogs;
    ProbeLauncherDlg dlg;

  private:
    std::size_t soundsSeen_ = 0;
};

// A picture of the resources, in the screen's pixel format.
inline QImage Resource(const char* name) {
    return QImage(QStringLiteral(":/velorin/images/") + name).convertToFormat(QImage::Format_RGB32);
}

inline bool BlockEquals(const QImage& screen, int x, int y, const QImage& block) {
    return screen.copy(x, y, block.width(), block.height()).convertToFormat(QImage::Format_RGB32) ==
           block;
}

inline const platform::ui::Rect kWholeWindow{0, 0, 400, 250};
inline const platform::ui::Rect kHoverArea{0, 211, 254, 249};
inline const std::string kClick = ".\\Sounds\\Sys\\S0\\click.wav";
inline const std::string kSnap = ".\\Sounds\\Sys\\S0\\snap.wav";

}  // namespace velorin::test
