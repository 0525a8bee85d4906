// Runs make-art into a temporary folder and checks what the launcher's windows rely on.
#include <SDL.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtMath>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "tests/support/ChildProcess.h"

namespace {

constexpr QRgb kBandBlue = qRgb(66, 41, 181);

struct Scale {
    qreal factor;
    const char* suffix;
};
constexpr Scale kScales[] = {{1.0, ""}, {1.5, "@1.5x"}, {2.0, "@2x"}};

// Whether some pixel of `area` stands out clearly from the plain `ground` (text drawn on it).
bool HasInk(const QImage& image, QRect area, QRgb ground) {
    constexpr int kContrast = 80;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(ground) - qGray(image.pixel(x, y)) > kContrast) {
                return true;
            }
        }
    }
    return false;
}

class MakeArtTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        output_ = std::make_unique<QTemporaryDir>();
        exitCode_ =
            testing_support::RunProgram({MAKE_ART_PROGRAM, output_->path().toStdString()}).status;
    }
    // A failure of the generator fails every test (a failure in SetUpTestSuite would skip them).
    void SetUp() override { ASSERT_EQ(exitCode_, 0) << "make-art failed"; }
    static void TearDownTestSuite() { output_.reset(); }
    static QImage Picture(const QString& name) {
        return QImage(output_->filePath("resources/images/" + name + ".png"));
    }
    static QString SoundPath(const char* name) {
        return output_->filePath(QString("Sounds/Sys/S0/") + name);
    }
    static QImage ThemeIcon(const QString& folder) {
        return QImage(
            output_->filePath("desktop/icons/hicolor/" + folder + "/apps/velorin-launcher.png"));
    }
    static QString ResourcePath(const QString& name) {
        return output_->filePath("resources/images/" + name);
    }
    static QString HotSpotPath() {
        return output_->filePath("resources/images/cursor-138.hotspot");
    }

  private:
    static inline std::unique_ptr<QTemporaryDir> output_;
    static inline int exitCode_ = -1;
};

TEST_F(MakeArtTest, PicturesHaveTheSizesTheWindowsDrawAtEveryScale) {
    const std::map<QString, QSize> sizes{
        {"bitmap-131", {400, 250}}, {"bitmap-145", {400, 250}}, {"bitmap-149", {400, 250}},
        {"bitmap-146", {400, 250}}, {"bitmap-133", {10, 10}},   {"bitmap-134", {10, 10}},
        {"bitmap-148", {640, 480}}, {"bitmap-161", {68, 55}},   {"cursor-138", {32, 32}},
        {"icon-128-32", {32, 32}},  {"icon-128-16", {16, 16}},
    };
    for (const auto& [name, size] : sizes) {
        for (const Scale& scale : kScales) {
            EXPECT_EQ(Picture(name + scale.suffix).size(), size * scale.factor)
                << name.toStdString() << scale.suffix;
        }
    }
}

TEST_F(MakeArtTest, ThemeIconsAreIcon128AtTheSizesTheirFoldersName) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("%1x%1").arg(size);
        const QImage icon = ThemeIcon(folder);
        EXPECT_EQ(icon.size(), QSize(size, size)) << folder.toStdString();
        if (size == 16 || size == 32) {
            EXPECT_EQ(icon, Picture(QString("icon-128-%1").arg(size))) << folder.toStdString();
        }
    }
}

TEST_F(MakeArtTest, HoverTextBoxLiesOnTheBlueBandInEveryScreenAtEveryScale) {
    const QPoint corners[] = {{5, 213}, {252, 213}, {5, 248}, {252, 248}, {128, 230}, {0, 249}};
    for (const char* name : {"bitmap-131", "bitmap-145", "bitmap-149"}) {
        for (const Scale& scale : kScales) {
            const QImage screen = Picture(QString(name) + scale.suffix);
            for (const QPoint point : corners) {
                // The middle of the logical pixel.
                const auto middle = [&scale](int at) { return qFloor((at + 0.5) * scale.factor); };
                const QPoint pixel(middle(point.x()), middle(point.y()));
                EXPECT_EQ(screen.pixel(pixel), kBandBlue)
                    << name << scale.suffix << " at " << pixel.x() << "," << pixel.y();
            }
        }
    }
}

TEST_F(MakeArtTest, RetestLitDiffersFromThePanelOnlyInsideItsRegion) {
    // Pointing at RE-TEST SYSTEM repaints only region 12, from the lit picture.
    const QRect retest(QPoint(17, 180), QPoint(174, 203));
    const QImage plain = Picture("bitmap-145");
    const QImage lit = Picture("bitmap-149");
    int differentInside = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const bool same = plain.pixel(x, y) == lit.pixel(x, y);
            if (retest.contains(x, y)) {
                differentInside += same ? 0 : 1;
            } else {
                ASSERT_TRUE(same) << "at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(differentInside, retest.width() * retest.height() / 4);
}

TEST_F(MakeArtTest, CreditsTextAreaIsPlainBlackForScrolling) {
    const QImage background = Picture("bitmap-148");
    const QRect textArea(QPoint(150, 125), QPoint(459, 331));
    for (int y = textArea.top(); y <= textArea.bottom(); ++y) {
        for (int x = textArea.left(); x <= textArea.right(); ++x) {
            ASSERT_EQ(background.pixel(x, y), qRgb(0, 0, 0)) << "at " << x << "," << y;
        }
    }
}

TEST_F(MakeArtTest, MarksAreOutlinedBoxesAndTheirPlacesInThePanelArePlainGround) {
    const QImage off = Picture("bitmap-133");
    const QImage on = Picture("bitmap-134");
    for (int i = 0; i < 10; ++i) {
        for (const QPoint edge : {QPoint(i, 0), QPoint(i, 9), QPoint(0, i), QPoint(9, i)}) {
            EXPECT_EQ(off.pixel(edge), qRgb(0, 0, 0));
            EXPECT_EQ(on.pixel(edge), qRgb(0, 0, 0));
        }
    }
    const QColor lightOrange = off.pixelColor(5, 5);
    EXPECT_GT(lightOrange.red(), lightOrange.green());
    EXPECT_GT(lightOrange.green(), lightOrange.blue());
    EXPECT_GT(lightOrange.lightness(), 180);
    const QColor blue = on.pixelColor(5, 2);
    EXPECT_GT(blue.blue(), blue.red() + 60);
    EXPECT_LT(on.pixelColor(5, 5).lightness(), 60);

    const QImage panel = Picture("bitmap-145");
    const QPoint markCorners[] = {{16, 72},   {16, 85},  {26, 131}, {83, 131},
                                  {160, 131}, {16, 150}, {16, 162}};
    for (const QPoint corner : markCorners) {
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                EXPECT_EQ(panel.pixel(corner + QPoint(x, y)), panel.pixel(corner))
                    << "mark at " << corner.x() << "," << corner.y();
            }
        }
        EXPECT_TRUE(
            HasInk(panel, QRect(corner + QPoint(11, 0), QSize(20, 10)), panel.pixel(corner)))
            << "no label right of the mark at " << corner.x() << "," << corner.y();
    }
}

TEST_F(MakeArtTest, CursorHotSpotIsOnTheHand) {
    const QImage cursor = Picture("cursor-138");
    ASSERT_TRUE(cursor.hasAlphaChannel());
    EXPECT_EQ(qAlpha(cursor.pixel(31, 0)), 0);
    QFile file(HotSpotPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
    ASSERT_EQ(fields.size(), 2);
    const QPoint hotSpot(fields[0].toInt(), fields[1].toInt());
    ASSERT_TRUE(cursor.rect().contains(hotSpot));
    EXPECT_GT(qAlpha(cursor.pixel(hotSpot)), 128);
    EXPECT_LT(hotSpot.y(), 4) << "the fingertip points up";
}

// A little-endian field of a binary file's header.
int HeaderField(const QByteArray& bytes, int offset, int size) {
    int value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value * 256 + static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A 16-bit BMP's pixel as the system draws it: Qt's reader shifts each 5-bit channel into the top
// of 8 bits; the system also repeats the top bits below them, so that 31 is 255.
QRgb AsDrawn(QRgb read) {
    return qRgb(qRed(read) | qRed(read) >> 5, qGreen(read) | qGreen(read) >> 5,
                qBlue(read) | qBlue(read) >> 5);
}

// Whether every pixel of the 16-bit picture is the 24-bit one's nearest: at most half a 5-bit
// step (255 / 31 / 2) off in each channel.
bool NearestIn16Bits(const QImage& bits16, const QImage& bits24) {
    constexpr int kHalfStep = 4;
    if (bits16.size() != bits24.size()) {
        return false;
    }
    for (int y = 0; y < bits16.height(); ++y) {
        for (int x = 0; x < bits16.width(); ++x) {
            const QRgb a = AsDrawn(bits16.pixel(x, y));
            const QRgb b = bits24.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > kHalfStep ||
                std::abs(qGreen(a) - qGreen(b)) > kHalfStep ||
                std::abs(qBlue(a) - qBlue(b)) > kHalfStep) {
                return false;
            }
        }
    }
    return true;
}

// The program's resources are checked on Windows (loaded bitmaps, icon, cursor hot spot); here,
// that each BMP holds the PNG's picture in 16 bits, 5-5-5, at every scale, the band's blue exact.
TEST_F(MakeArtTest, WindowsBitmapsHoldTheSamePicturesIn16BitsAtEveryScale) {
    for (const char* id : {"131", "133", "134", "145", "146", "148", "149", "161"}) {
        for (const Scale& scale : kScales) {
            const QString name = QString("bitmap-") + id + scale.suffix;
            const QByteArray bmp = FileBytes(ResourcePath(name + ".bmp"));
            ASSERT_GT(bmp.size(), 54) << name.toStdString();
            EXPECT_EQ(HeaderField(bmp, 28, 2), 16) << name.toStdString() << ": bits per pixel";
            EXPECT_EQ(HeaderField(bmp, 30, 4), 0) << name.toStdString() << ": uncompressed";
            const QImage picture = QImage::fromData(bmp, "BMP");
            EXPECT_TRUE(NearestIn16Bits(picture, Picture(name))) << name.toStdString();
            if (QString(id) == "131") {
                EXPECT_EQ(AsDrawn(picture.pixel(picture.width() / 4, picture.height() - 1)),
                          kBandBlue);
            }
        }
    }
}

struct WaveDeleter {
    void operator()(Uint8* buffer) const { SDL_FreeWAV(buffer); }
};

TEST_F(MakeArtTest, SoundsAreMonoSixteenBitWavesAndTheMusicLoopsWithoutAJump) {
    for (const char* name : {"click.wav", "snap.wav", "credits.wav"}) {
        SDL_AudioSpec wave{};
        Uint8* raw = nullptr;
        Uint32 length = 0;
        ASSERT_NE(SDL_LoadWAV(SoundPath(name).toUtf8().constData(), &wave, &raw, &length), nullptr)
            << name << ": " << SDL_GetError();
        const std::unique_ptr<Uint8, WaveDeleter> buffer(raw);
        EXPECT_EQ(wave.format, AUDIO_S16LSB);
        EXPECT_EQ(wave.channels, 1);
        ASSERT_GT(length, 4u);
        if (std::string(name) == "credits.wav") {
            const auto* samples = reinterpret_cast<const Sint16*>(buffer.get());
            const Uint32 count = length / sizeof(Sint16);
            constexpr int kLargestStep = 3000;  // of 32767: a step this size would click
            EXPECT_LT(std::abs(samples[0] - samples[count - 1]), kLargestStep);
        }
    }
}

}  // namespace
