#include "platform/ui/qt/QtHost.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QtMath>
#include <optional>

#include "platform/ui/qt/QtAccessible.h"
#include "platform/ui/qt/QtCanvas.h"
#include "platform/ui/qt/QtConvert.h"
#include "platform/ui/qt/QtWindowManager.h"
#include "platform/ui/qt/QtWindowSystem.h"

namespace platform::ui::qt {

namespace {

// The image pixels a logical rectangle covers, and the logical rectangle covering image pixels.
QRect ToDevice(const QRect& logical, qreal ratio) {
    const QPoint topLeft(qFloor(logical.left() * ratio), qFloor(logical.top() * ratio));
    const QPoint end(qCeil((logical.right() + 1) * ratio), qCeil((logical.bottom() + 1) * ratio));
    return {topLeft, end - QPoint(1, 1)};
}

QRect ToLogical(const QRect& device, qreal ratio) {
    const QPoint topLeft(qFloor(device.left() / ratio), qFloor(device.top() / ratio));
    const QPoint end(qCeil((device.right() + 1) / ratio), qCeil((device.bottom() + 1) / ratio));
    return {topLeft, end - QPoint(1, 1)};
}

Qt::WindowFlags FlagsFor(const WindowStyle& style) {
    Qt::WindowFlags flags = Qt::Window;
    if (style.frame == FrameKind::Caption) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        if (style.windowMenu) {
            flags |= Qt::WindowSystemMenuHint;
        }
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    if (style.topmost) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

// Enter and Escape with any modifiers; the others only plain or with Shift, so that Alt and
// Control combinations stay the platform's.
std::optional<Key> KeyOf(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return Key::Enter;
    }
    if (event.key() == Qt::Key_Escape) {
        return Key::Escape;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return std::nullopt;
    }
    switch (event.key()) {
        case Qt::Key_Tab:
            return event.modifiers().testFlag(Qt::ShiftModifier) ? Key::BackTab : Key::Tab;
        case Qt::Key_Backtab:
            return Key::BackTab;
        case Qt::Key_Space:
            return Key::Space;
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Up:
            return Key::Up;
        case Qt::Key_Down:
            return Key::Down;
        default:
            return std::nullopt;
    }
}

}  // namespace

QtHost::QtHost(DialogWindow& window, const WindowStyle& style, bool modal, QtWindowSystem& system)
    : QWidget(nullptr, FlagsFor(style)),
      window_(window),
      system_(system),
      menu_(std::make_unique<QMenu>()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    InstallAccessibleFactory();
    if (modal) {
        setWindowModality(Qt::ApplicationModal);
    }
    menu_->addAction(QStringLiteral("&Close\tAlt+F4"))->setData(kCommandClose);
    PresentToWindowManager(*this, QString::fromStdString(style.caption), style.taskbarButton);
}

QtHost::~QtHost() {
    EndModal();
}

void QtHost::RunModal() {
    if (!isVisible()) {
        ShowAboveBackdrop();
    }
    raise();
    activateWindow();
    if (endRequested_) {
        return;
    }
    QEventLoop loop;
    loop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;
}

void QtHost::EndModal() {
    endRequested_ = true;
    if (loop_ != nullptr) {
        loop_->exit();
    }
}

void QtHost::Show(ShowCommand command) {
    switch (command) {
        case ShowCommand::Hide:
            Withdraw();
            return;
        case ShowCommand::Show:
            ShowAboveBackdrop();
            return;
        case ShowCommand::ShowMaximized:
            // A maximised window without a frame is meant to cover the screen, panels included;
            // window managers keep maximised windows clear of panels, full-screen ones not.
            setGeometry(QGuiApplication::primaryScreen()->geometry());
            showFullScreen();
            system_.SetBackdrop(this);
            return;
    }
}

bool QtHost::IsVisible() const {
    return isVisible();
}

bool QtHost::IsMinimized() const {
    return isMinimized();
}

void QtHost::Place(int x, int y, int width, int height) {
    const int frameWidth = system_.GetMetric(Metric::FixedFrameWidth);
    const int frameHeight = system_.GetMetric(Metric::FixedFrameHeight);
    const int caption = system_.GetMetric(Metric::CaptionHeight);
    setFixedSize(width - 2 * frameWidth, height - caption - 2 * frameHeight);
    placed_ = QPoint(x, y) - FramePlacement(*this);
    move(*placed_);
    ShowAboveBackdrop();
    raise();
}

Rect QtHost::ClientRect() const {
    return {0, 0, width(), height()};
}

void QtHost::Redraw(const Rect* rect) {
    if (!isVisible()) {
        return;
    }
    const QRegion region =
        rect != nullptr ? QRegion(ToQRect(*rect) & this->rect()) : QRegion(this->rect());
    if (region.isEmpty()) {
        return;
    }
    PaintIntoImage(region);
    repaint(region);
}

Rect QtHost::Scroll(const Rect& area, int dx, int dy) {
    const QRect scrolled = ToQRect(area) & rect();
    if (scrolled.isEmpty() || image_.isNull()) {
        return {};
    }
    // The image's own pixels move, a logical pixel being `ratio` of them: resampling them through
    // a scaled painter would blur what scrolls.
    const qreal ratio = image_.devicePixelRatio();
    const QRect device = ToDevice(scrolled, ratio);
    // At a fractional ratio the moves alternate between the two nearest whole numbers of image
    // pixels, so that what scrolls never strays half a pixel from where the window redraws.
    const QPointF exact = QPointF(dx, dy) * ratio + scrollCarry_;
    const QPoint shift = exact.toPoint();
    scrollCarry_ = exact - shift;
    QImage pixels(image_.bits(), image_.width(), image_.height(), image_.bytesPerLine(),
                  image_.format());
    const QImage before = pixels.copy(device);
    {
        QPainter painter(&pixels);
        painter.setClipRect(device);
        painter.drawImage(device.topLeft() + shift, before);
    }
    if (isVisible()) {
        repaint(scrolled);
    }
    const QRegion uncovered = QRegion(device) - QRegion(device.translated(shift));
    return FromQRect(ToLogical(uncovered.boundingRect(), ratio) & scrolled);
}

Rect QtHost::MeasureText(const FontSpec& font, std::string_view text, const Rect& rect) {
    return MeasureLines(MakeFont(font), text, rect);
}

bool QtHost::StartTimer(int id, int periodMs) {
    StopTimer(id);
    const int timer = startTimer(periodMs, Qt::PreciseTimer);
    if (timer == 0) {
        return false;
    }
    timers_[id] = timer;
    return true;
}

bool QtHost::StopTimer(int id) {
    auto found = timers_.find(id);
    if (found == timers_.end()) {
        return false;
    }
    killTimer(found->second);
    timers_.erase(found);
    return true;
}

void QtHost::SetCursor(const Cursor& cursor) {
    setCursor(system_.ResolveCursor(cursor));
}

void QtHost::SetIcon(int iconId) {
    setWindowIcon(system_.LoadIcon(iconId));
}

void QtHost::AppendWindowMenuItem(int command, const std::string& text) {
    if (text.empty()) {
        menu_->addSeparator();
        return;
    }
    menu_->addAction(QString::fromStdString(text))->setData(command);
}

void QtHost::NotifyAccessible(int index, AccessibleChange change) {
    AnnounceAccessibleChange(*this, index, change);
}

void QtHost::ShowWindowMenu(const QPoint& globalPosition) {
    const QAction* chosen = menu_->exec(globalPosition);
    if (chosen != nullptr) {
        window_.OnSysCommand(chosen->data().toInt());
    }
}

void QtHost::ShowAboveBackdrop() {
    QWidget* backdrop = system_.Backdrop();
    const bool above = backdrop != nullptr && backdrop != this && backdrop->isVisible();
    if (above) {
        AwaitBackdropUp(*backdrop);
        if (!watchingBackdrop_ && IsWestonWindowManager()) {
            OnFocusGiven(*backdrop, *this, [this] { ComeBackAbove(); });
            watchingBackdrop_ = true;
        }
    }
    show();
    if (above) {
        KeepAbove(*this, *backdrop);
    }
}

void QtHost::Withdraw() {
    hide();
    // weston puts a window shown again where its frame was, less the frame, and a new one where
    // it asks to be: the native window is made anew at the next show.
    if (placed_ && IsWestonWindowManager()) {
        destroy();
        move(*placed_);
    }
}

void QtHost::ComeBackAbove() {
    // weston puts a full-screen window that takes the focus above every other, and keeps no
    // window transient for it: the window on top of the backdrop is shown anew, which weston
    // raises.
    if (!isVisible() || QApplication::activeModalWidget() != this) {
        return;
    }
    QTimer::singleShot(0, this, [this] {
        Withdraw();
        ShowAboveBackdrop();
        activateWindow();
    });
}

void QtHost::PaintIntoImage(const QRegion& region) {
    // The image holds the screen's own pixels, so that text and shapes are drawn at the device
    // pixel ratio rather than stretched; the window paints in logical pixels all the same.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = ToDevice(rect(), ratio).size();
    if (image_.size() != pixels || image_.devicePixelRatio() != ratio) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        image_.fill(Qt::black);
        painted_ = QRegion();
    }
    QPainter painter(&image_);
    painter.setClipRegion(region);
    QtCanvas canvas(painter, FromQRect(region.boundingRect()), system_);
    window_.OnPaint(canvas);
    painted_ += region;
}

void QtHost::paintEvent(QPaintEvent* event) {
    const QRegion missing = event->region() - painted_;
    if (!missing.isEmpty()) {
        PaintIntoImage(missing);
    }
    QPainter painter(this);
    const QRect shown = event->rect();
    painter.drawImage(QRectF(shown), image_, QRectF(ToDevice(shown, image_.devicePixelRatio())));
}

void QtHost::resizeEvent(QResizeEvent* event) {
    painted_ = QRegion();
    QWidget::resizeEvent(event);
}

void QtHost::showEvent(QShowEvent* event) {
    // A window that comes back is painted afresh from its state, as it would be when uncovered.
    painted_ = QRegion();
    QWidget::showEvent(event);
}

void QtHost::mouseMoveEvent(QMouseEvent* event) {
    if (!window_.OnSetCursor()) {
        setCursor(Qt::ArrowCursor);
    }
    const QPoint at = event->position().toPoint();
    window_.OnMouseMove(at.x(), at.y());
}

void QtHost::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        window_.OnLButtonDown(at.x(), at.y());
        return;
    }
    QWidget::mousePressEvent(event);
}

void QtHost::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        window_.OnLButtonDblClk(at.x(), at.y());
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void QtHost::contextMenuEvent(QContextMenuEvent* event) {
    if (window_.HasWindowMenu()) {
        ShowWindowMenu(event->globalPos());
    }
}

void QtHost::keyPressEvent(QKeyEvent* event) {
    const bool altSpace =
        event->key() == Qt::Key_Space && event->modifiers().testFlag(Qt::AltModifier);
    if (altSpace && window_.HasWindowMenu()) {
        ShowWindowMenu(mapToGlobal(QPoint(0, 0)));
    } else if (const std::optional<Key> key = KeyOf(*event)) {
        window_.OnKeyDown(*key);
    } else {
        QWidget::keyPressEvent(event);
    }
}

bool QtHost::focusNextPrevChild(bool /*next*/) {
    // Tab and Shift+Tab belong to the window, which moves its own focus between the regions it
    // paints; refusing here lets them reach keyPressEvent.
    return false;
}

void QtHost::closeEvent(QCloseEvent* event) {
    // The close box and Alt+F4 are the window menu's Close: the window decides.
    event->ignore();
    window_.OnSysCommand(kCommandClose);
}

void QtHost::timerEvent(QTimerEvent* event) {
    for (const auto& [id, timer] : timers_) {
        if (timer == event->timerId()) {
            window_.OnTimer(id);
            return;
        }
    }
    QWidget::timerEvent(event);
}

}  // namespace platform::ui::qt

namespace platform::ui::qt {

QWidget* OwnerWidget(Window* owner) {
    auto* window = dynamic_cast<DialogWindow*>(owner);
    return window != nullptr ? dynamic_cast<QtHost*>(window->host()) : nullptr;
}

}  // namespace platform::ui::qt
