#include "platform/ui/qt/QtDialogs.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/ui/PrefixText.h"
#include "platform/ui/qt/QtCanvas.h"
#include "platform/ui/qt/QtHost.h"
#include "platform/ui/qt/QtWindowManager.h"
#include "platform/ui/qt/QtWindowSystem.h"

namespace platform::ui::qt {

namespace {

constexpr int kApplicationIconId = 128;
constexpr int kIconPixels = 32;
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// A dialog unit is a quarter of the font's average character width across and an eighth of its
// height down; the average width is taken over the 52 letters, as dialog templates expect.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font) {
        const QFontMetrics metrics(font);
        const QString letters =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        baseWidth_ = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
        baseHeight_ = metrics.height();
    }
    int X(int units) const { return units * baseWidth_ / 4; }
    int Y(int units) const { return units * baseHeight_ / 8; }

  private:
    int baseWidth_ = 0;
    int baseHeight_ = 0;
};

// Escape and the close box end a layout dialog with Cancel.
class LayoutDialog final : public QDialog {
  public:
    using QDialog::QDialog;
    void reject() override { done(kIdCancel); }
};

std::unique_ptr<QWidget> MakeControl(const DialogControl& control, LayoutDialog& dialog,
                                     QtWindowSystem& system) {
    switch (control.kind) {
        case ControlKind::Text: {
            auto label = std::make_unique<QLabel>(
                QString::fromStdString(RemovePrefixMarks(control.text)), &dialog);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::ApplicationIcon: {
            auto icon = std::make_unique<QLabel>(&dialog);
            icon->setPixmap(system.LoadIcon(kApplicationIconId).pixmap(kIconPixels, kIconPixels));
            return icon;
        }
        case ControlKind::Button:
        case ControlKind::DefaultButton: {
            auto button =
                std::make_unique<QPushButton>(QString::fromStdString(control.text), &dialog);
            const int id = control.id;
            QObject::connect(button.get(), &QPushButton::clicked, &dialog,
                             [&dialog, id] { dialog.done(id); });
            if (control.kind == ControlKind::DefaultButton) {
                button->setDefault(true);
                button->setFocus();
            }
            return button;
        }
    }
    return nullptr;
}

}  // namespace

int QtDialogs::Run(Window* owner, const DialogLayout& layout, const DialogOptions& options) {
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (options.topmost) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    LayoutDialog dialog(OwnerWidget(owner), flags);
    // Declared after the dialog, so the controls go before their parent does.
    std::vector<std::unique_ptr<QWidget>> controls;
    const FontSpec dialogFont{layout.fontFace,
                              -static_cast<int>(std::lround(layout.fontPoints * kPixelsPerPoint))};
    dialog.setFont(MakeFont(dialogFont));
    const DialogUnits units(dialog.font());
    for (const DialogControl& control : layout.controls) {
        controls.push_back(MakeControl(control, dialog, system_));
        controls.back()->setGeometry(units.X(control.x), units.Y(control.y), units.X(control.width),
                                     units.Y(control.height));
    }
    dialog.setFixedSize(units.X(layout.width), units.Y(layout.height));
    // As on Windows, a dialog with an owner has no task-bar button of its own.
    PresentToWindowManager(dialog, QString::fromStdString(layout.caption),
                           /*taskbarButton=*/dialog.parentWidget() == nullptr);
    return dialog.exec();
}

}  // namespace platform::ui::qt
