// kwin-screenshot FILE WIDTH HEIGHT: saves the screen as KWin composes it (its ScreenShot2 D-Bus
// interface, on the session bus of DBUS_SESSION_BUS_ADDRESS) as a PNG file. KWin writes the raw
// pixels into a pipe and answers with their layout.
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusUnixFileDescriptor>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <string>

namespace {

// The two ends of a pipe, each closed once.
class Pipe {
  public:
    Pipe() { ok_ = ::pipe(ends_) == 0; }
    ~Pipe() {
        CloseWriteEnd();
        if (ok_) {
            ::close(ends_[0]);
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool ok() const { return ok_; }
    int readEnd() const { return ends_[0]; }
    int writeEnd() const { return ends_[1]; }
    void CloseWriteEnd() {
        if (ok_ && ends_[1] >= 0) {
            ::close(ends_[1]);
            ends_[1] = -1;
        }
    }

  private:
    int ends_[2] = {-1, -1};
    bool ok_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: kwin-screenshot FILE WIDTH HEIGHT\n");
        return 2;
    }
    const QCoreApplication application(argc, argv);
    Pipe pipe;
    if (!pipe.ok()) {
        std::perror("pipe");
        return 1;
    }
    QDBusInterface screenshot(
        QStringLiteral("org.kde.KWin"), QStringLiteral("/org/kde/KWin/ScreenShot2"),
        QStringLiteral("org.kde.KWin.ScreenShot2"), QDBusConnection::sessionBus());
    const QDBusMessage reply =
        screenshot.call(QStringLiteral("CaptureArea"), 0, 0, static_cast<uint>(std::stoi(argv[2])),
                        static_cast<uint>(std::stoi(argv[3])), QVariantMap{},
                        QVariant::fromValue(QDBusUnixFileDescriptor(pipe.writeEnd())));
    pipe.CloseWriteEnd();
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        std::fprintf(stderr, "KWin gave no screenshot: %s\n", qPrintable(reply.errorMessage()));
        return 1;
    }
    QFile in;
    if (!in.open(pipe.readEnd(), QIODevice::ReadOnly)) {
        return 1;
    }
    const QByteArray pixels = in.readAll();
    const auto layout = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
    const QImage image(reinterpret_cast<const uchar*>(pixels.constData()),
                       layout.value(QStringLiteral("width")).toInt(),
                       layout.value(QStringLiteral("height")).toInt(),
                       layout.value(QStringLiteral("stride")).toInt(),
                       static_cast<QImage::Format>(layout.value(QStringLiteral("format")).toInt()));
    if (image.sizeInBytes() > pixels.size() || !image.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "KWin's screenshot could not be saved\n");
        return 1;
    }
    return 0;
}
