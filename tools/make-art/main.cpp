// make-art OUTPUT_ROOT: draws the launcher's pictures, cursor and icon and synthesises its three
// sounds, writing them under OUTPUT_ROOT as the installation and the resources expect them; the
// icon also at the sizes the desktop's icon theme looks for.
#include "tools/make-art/IntroPictures.h"
#include "tools/make-art/LauncherScreen.h"
#include "tools/make-art/SmallPictures.h"
#include "tools/make-art/Sounds.h"
#include "tools/make-art/Synthesis.h"
#include "tools/make-art/Wave.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

bool Save(const QImage& image, const fs::path& path) {
    const bool saved = image.save(QString::fromStdString(path.string()), "PNG");
    if (!saved) {
        std::fprintf(stderr, "make-art: cannot write %s\n", path.c_str());
    }
    return saved;
}

bool SaveHotSpot(const art::Cursor& cursor, const fs::path& path) {
    std::ofstream out(path, std::ios::trunc);
    out << cursor.hotSpot.x() << ' ' << cursor.hotSpot.y() << '\n';
    out.close();
    return static_cast<bool>(out);
}

bool WritePictures(const fs::path& images) {
    const art::Cursor cursor = art::DrawHandCursor();
    return Save(art::DrawLauncherScreen(art::PanelState::Hidden), images / "bitmap-131.png") &&
           Save(art::DrawLauncherScreen(art::PanelState::Shown), images / "bitmap-145.png") &&
           Save(art::DrawLauncherScreen(art::PanelState::RetestLit), images / "bitmap-149.png") &&
           Save(art::DrawMark(art::MarkState::Unselected), images / "bitmap-133.png") &&
           Save(art::DrawMark(art::MarkState::Selected), images / "bitmap-134.png") &&
           Save(art::DrawSplash(), images / "bitmap-146.png") &&
           Save(art::DrawCreditsBackground(), images / "bitmap-148.png") &&
           Save(art::DrawLogo(), images / "bitmap-161.png") &&
           Save(cursor.image, images / "cursor-138.png") &&
           SaveHotSpot(cursor, images / "cursor-138.hotspot") &&
           Save(art::DrawIcon(32), images / "icon-128-32.png") &&
           Save(art::DrawIcon(16), images / "icon-128-16.png");
}

// The desktop menu picks the size nearest to what it shows, so every usual size is drawn rather
// than scaled by the menu from one.
bool WriteThemeIcons(const fs::path& theme) {
    constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
    for (const int size : kSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        std::error_code error;
        fs::create_directories(theme / folder / "apps", error);
        if (!Save(art::DrawIcon(size), theme / folder / "apps" / "velorin-launcher.png")) {
            return false;
        }
    }
    return true;
}

bool WriteSounds(const fs::path& sounds) {
    return art::WriteWave(sounds / "click.wav", art::SynthesiseClick(), art::kSampleRate) &&
           art::WriteWave(sounds / "snap.wav", art::SynthesiseSnap(), art::kSampleRate) &&
           art::WriteWave(sounds / "credits.wav", art::SynthesiseCreditsLoop(), art::kSampleRate);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-art OUTPUT_ROOT\n");
        return 2;
    }
    // The pictures are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const fs::path root(argv[1]);
    const fs::path images = root / "resources" / "images";
    const fs::path sounds = root / "Sounds" / "Sys" / "S0";
    std::error_code error;
    fs::create_directories(images, error);
    fs::create_directories(sounds, error);
    if (!WritePictures(images) || !WriteSounds(sounds) ||
        !WriteThemeIcons(root / "desktop" / "icons" / "hicolor")) {
        return 1;
    }
    return 0;
}
