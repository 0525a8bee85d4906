// make-art OUTPUT_ROOT: draws the launcher's pictures, cursor and icon and synthesises its three
// sounds, writing them under OUTPUT_ROOT as the installation and the resources expect them (as
// PNG for the Linux build, as BMP, .ico and .cur with the resource script for the Windows build);
// the icon also at the sizes the desktop's icon theme looks for. Every picture, cursor and icon is
// also drawn at the larger scales of screens with more pixels ("<name>@1.5x.png", ...; for Windows
// the bitmaps as "<name>@1.5x.bmp", the cursor's and the icon's sizes in their one file).
#include "platform/ui/PictureScales.h"
#include "tools/make-art/IntroPictures.h"
#include "tools/make-art/LauncherScreen.h"
#include "tools/make-art/ResourceScript.h"
#include "tools/make-art/SmallPictures.h"
#include "tools/make-art/Sounds.h"
#include "tools/make-art/Synthesis.h"
#include "tools/make-art/Wave.h"
#include "tools/make-art/WindowsImages.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool Report(bool written, const fs::path& path) {
    if (!written) {
        std::fprintf(stderr, "make-art: cannot write %s\n", path.c_str());
    }
    return written;
}

// Only the 1x pictures have to stay as they were; the larger scales are written most compressed.
bool Save(const QImage& image, const fs::path& path, qreal scale = 1.0) {
    constexpr int kMostCompressed = 0;
    constexpr int kDefaultCompression = -1;
    return Report(image.save(QString::fromStdString(path.string()), "PNG",
                             scale == 1.0 ? kDefaultCompression : kMostCompressed),
                  path);
}

// The larger scales of a picture, `draw` being its drawing at a scale.
bool SaveLargerScales(const std::function<QImage(qreal)>& draw, const fs::path& images,
                      const std::string& stem) {
    for (const platform::ui::PictureScale& scale : platform::ui::kPictureScales) {
        const fs::path path = images / (stem + scale.fileSuffix + ".png");
        if (scale.factor != 1.0 && !Save(draw(scale.factor), path, scale.factor)) {
            return false;
        }
    }
    return true;
}

bool SaveHotSpot(const art::Cursor& cursor, const fs::path& path) {
    std::ofstream out(path, std::ios::trunc);
    out << cursor.hotSpot.x() << ' ' << cursor.hotSpot.y() << '\n';
    out.close();
    return static_cast<bool>(out);
}

// A bitmap resource at every scale: the PNGs the Linux build reads and the BMPs the Windows build
// compiles in.
bool SaveBitmap(const std::function<QImage(qreal)>& draw, const fs::path& images, int id) {
    const std::string stem = "bitmap-" + std::to_string(id);
    for (const platform::ui::PictureScale& scale : platform::ui::kPictureScales) {
        const QImage image = draw(scale.factor);
        const fs::path bmp = images.parent_path() / art::BitmapFile(id, scale);
        if (!Save(image, images / (stem + scale.fileSuffix + ".png"), scale.factor) ||
            !Report(art::WriteBmp(image, bmp), bmp)) {
            return false;
        }
    }
    return true;
}

std::function<QImage(qreal)> LauncherScreen(art::PanelState state) {
    return [state](qreal scale) { return art::DrawLauncherScreen(state, scale); };
}

std::function<QImage(qreal)> Mark(art::MarkState state) {
    return [state](qreal scale) { return art::DrawMark(state, scale); };
}

bool WriteBitmaps(const fs::path& images) {
    return SaveBitmap(LauncherScreen(art::PanelState::Hidden), images, 131) &&
           SaveBitmap(LauncherScreen(art::PanelState::Shown), images, 145) &&
           SaveBitmap(LauncherScreen(art::PanelState::RetestLit), images, 149) &&
           SaveBitmap(Mark(art::MarkState::Unselected), images, 133) &&
           SaveBitmap(Mark(art::MarkState::Selected), images, 134) &&
           SaveBitmap(art::DrawSplash, images, 146) &&
           SaveBitmap(art::DrawCreditsBackground, images, 148) &&
           SaveBitmap(art::DrawLogo, images, 161);
}

// The icon at a scale is the icon drawn that many times larger.
std::function<QImage(qreal)> Icon(int size) {
    return [size](qreal scale) { return art::DrawIcon(qRound(size * scale)); };
}

// The Windows cursor holds the hand at every scale, each with its hot spot in its own pixels.
std::vector<art::IconEntry> CursorAtEveryScale() {
    std::vector<art::IconEntry> entries;
    for (const platform::ui::PictureScale& scale : platform::ui::kPictureScales) {
        const art::Cursor cursor = art::DrawHandCursor(scale.factor);
        entries.push_back({cursor.image, QPoint(qRound(cursor.hotSpot.x() * scale.factor),
                                                qRound(cursor.hotSpot.y() * scale.factor))});
    }
    return entries;
}

// The Windows icon holds both sizes at every scale, once for each number of pixels.
std::vector<art::IconEntry> IconAtEveryScale() {
    std::vector<art::IconEntry> entries;
    std::set<int> sizes;
    for (const int size : {32, 16}) {
        for (const platform::ui::PictureScale& scale : platform::ui::kPictureScales) {
            const int pixels = qRound(size * scale.factor);
            if (sizes.insert(pixels).second) {
                entries.push_back({art::DrawIcon(pixels), {}});
            }
        }
    }
    return entries;
}

bool WriteCursorAndIcon(const fs::path& images) {
    const art::Cursor cursor = art::DrawHandCursor(1.0);
    // Drawn first: the glyph caches the drawings leave behind make the larger ones differ a little.
    const QImage icon32 = art::DrawIcon(32);
    const QImage icon16 = art::DrawIcon(16);
    const fs::path resources = images.parent_path();
    const auto cursorAt = [](qreal scale) { return art::DrawHandCursor(scale).image; };
    return Save(cursor.image, images / "cursor-138.png") &&
           SaveLargerScales(cursorAt, images, "cursor-138") &&
           SaveLargerScales(Icon(32), images, "icon-128-32") &&
           SaveLargerScales(Icon(16), images, "icon-128-16") &&
           SaveHotSpot(cursor, images / "cursor-138.hotspot") &&
           Report(art::WriteCursor(CursorAtEveryScale(), resources / art::CursorFile()),
                  resources / art::CursorFile()) &&
           Save(icon32, images / "icon-128-32.png") && Save(icon16, images / "icon-128-16.png") &&
           Report(art::WriteIcon(IconAtEveryScale(), resources / art::IconFile()),
                  resources / art::IconFile());
}

bool WriteResourceScript(const fs::path& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << art::ResourceScript();
    out.close();
    return Report(static_cast<bool>(out), path);
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
    if (!WriteBitmaps(images) || !WriteCursorAndIcon(images) ||
        !WriteResourceScript(root / "resources" / "Velorin.rc") || !WriteSounds(sounds) ||
        !WriteThemeIcons(root / "desktop" / "icons" / "hicolor")) {
        return 1;
    }
    return 0;
}
