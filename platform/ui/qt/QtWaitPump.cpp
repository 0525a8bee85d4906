#include "platform/ui/qt/QtWaitPump.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace platform::ui::qt {

namespace {

// Swallows what the user does: clicks, keys, wheel and the close box. Events the program sends
// itself are not spontaneous and pass.
class InputDropper final : public QObject {
  public:
    InputDropper() { qApp->installEventFilter(this); }
    ~InputDropper() override { qApp->removeEventFilter(this); }
    InputDropper(const InputDropper&) = delete;
    InputDropper& operator=(const InputDropper&) = delete;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        return event->spontaneous() && (event->isInputEvent() || event->type() == QEvent::Close);
    }
};

}  // namespace

void HandleEventsWithoutInput(std::chrono::milliseconds most) {
    InputDropper dropping;
    QEventLoop loop;
    QTimer::singleShot(most, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace platform::ui::qt
