#include "platform/ui/qt/QtMessageBoxes.h"

#include <QMessageBox>

#include "platform/ui/qt/QtHost.h"

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

}  // namespace

Answer QtMessageBoxes::Show(Window* owner, const MessageRequest& request) {
    QMessageBox box(ToQIcon(request.icon), QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), ToQButtons(request.buttons),
                    OwnerWidget(owner));
    box.setTextFormat(Qt::PlainText);
    if (request.buttons == Buttons::YesNo) {
        box.setEscapeButton(QMessageBox::No);
    } else if (request.buttons != Buttons::Ok) {
        box.setEscapeButton(QMessageBox::Cancel);
    }
    return FromQButton(box.exec(), request.buttons);
}

}  // namespace platform::ui::qt
