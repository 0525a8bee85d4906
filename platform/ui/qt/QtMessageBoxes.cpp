#include "platform/ui/qt/QtMessageBoxes.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

#include "platform/ui/qt/QtHost.h"
#include "platform/ui/qt/QtIndentedText.h"
#include "platform/ui/qt/QtWindowManager.h"

namespace platform::ui::qt {

namespace {

QMessageBox::Icon ToQIcon(Icon icon) {
    switch (icon) {
        case Icon::None:
            return QMessageBox::NoIcon;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return QMessageBox::Ok;
        case Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

Answer FromQButton(int button, Buttons buttons) {
    switch (button) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Retry:
            return Answer::Retry;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            // Escape or the close box: Ok alone ends as Ok, Yes/No as No, the rest as Cancel.
            return buttons == Buttons::Ok      ? Answer::Ok
                   : buttons == Buttons::YesNo ? Answer::No
                                               : Answer::Cancel;
    }
}

// The toolkit's box wraps its text once the box would be wider than half the screen (at most
// 500 pixels); lines that fit beside the box's margins and icon column within that are kept.
constexpr int kWidestBox = 500;
constexpr int kFallbackChrome = 100;
constexpr int kSampleCharacters = 60;  // a line wider than any row of buttons

// The box's width beyond its text: measured with a sample line wider than the buttons.
int ChromeOf(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label == nullptr || box.layout() == nullptr) {
        return kFallbackChrome;
    }
    box.setText(QString(kSampleCharacters, QLatin1Char('x')));
    label->setWordWrap(false);
    return box.layout()->sizeHint().width() - label->sizeHint().width();
}

int TextWidthFor(QMessageBox& box) {
    const QScreen* screen = box.screen();
    const int screenWidth = screen != nullptr ? screen->availableGeometry().width() : 0;
    return std::min(screenWidth / 2, kWidestBox) - ChromeOf(box);
}

}  // namespace

Answer QtMessageBoxes::Show(Window* owner, const MessageRequest& request) {
    QMessageBox box(ToQIcon(request.icon), QString(), QString(), ToQButtons(request.buttons),
                    OwnerWidget(owner));
    box.setTextFormat(Qt::PlainText);
    const int textWidth = TextWidthFor(box);
    box.setText(WrapKeepingIndent(QString::fromStdString(request.text), QFontMetrics(box.font()),
                                  textWidth));
    // As on Windows, a box with an owner has no task-bar button of its own.
    PresentToWindowManager(box, QString::fromStdString(request.caption),
                           /*taskbarButton=*/box.parentWidget() == nullptr);
    if (request.buttons == Buttons::YesNo) {
        box.setEscapeButton(QMessageBox::No);
    } else if (request.buttons != Buttons::Ok) {
        box.setEscapeButton(QMessageBox::Cancel);
    }
    return FromQButton(box.exec(), request.buttons);
}

}  // namespace platform::ui::qt
