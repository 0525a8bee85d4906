#include "platform/ui/qt/QtAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <optional>
#include <vector>

#include "platform/ui/qt/QtConvert.h"
#include "platform/ui/qt/QtHost.h"

namespace platform::ui::qt {

namespace {

QAccessible::Role RoleOf(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::PushButton:
            return QAccessible::PushButton;
        case AccessibleRole::CheckBox:
            return QAccessible::CheckBox;
        case AccessibleRole::Picture:
            return QAccessible::Graphic;
        case AccessibleRole::Animation:
            return QAccessible::Animation;
        case AccessibleRole::Pane:
            return QAccessible::Pane;
        case AccessibleRole::Dialog:
            break;
    }
    return QAccessible::Dialog;
}

QString TextOf(const AccessibleItem& item, QAccessible::Text text) {
    switch (text) {
        case QAccessible::Name:
            return QString::fromStdString(item.name);
        case QAccessible::Description:
            return QString::fromStdString(item.description);
        default:
            return {};
    }
}

// One painted part of a host: item index of its window's AccessibleItems(). It stays valid
// while the host lives and the window has that many items.
class ItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    ItemAccessible(QtHost* host, int index) : host_(host), index_(index) {}

    bool isValid() const override { return Item().has_value(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return host_ ? host_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(host_.data());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text text) const override {
        const auto item = Item();
        return item ? TextOf(*item, text) : QString();
    }
    void setText(QAccessible::Text /*text*/, const QString& /*value*/) override {}
    QRect rect() const override {
        const auto item = Item();
        if (!item) {
            return {};
        }
        const QRect local = ToQRect(item->rect);
        return {host_->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override {
        const auto item = Item();
        return item ? RoleOf(item->role) : QAccessible::NoRole;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        const auto item = Item();
        if (!item) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.focused = item->focused;
        state.invisible = !host_->isVisible();
        state.checkable = item->role == AccessibleRole::CheckBox;
        state.checked = item->checked;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        const auto item = Item();
        if (!item) {
            return {};
        }
        return {item->role == AccessibleRole::CheckBox ? toggleAction() : pressAction()};
    }
    // Runs from the event loop, as a click does: the command may open windows of its own, and
    // the screen reader's request must be answered first.
    void doAction(const QString& name) override {
        if (!actionNames().contains(name)) {
            return;
        }
        QTimer::singleShot(0, host_.data(), [host = host_, index = index_] {
            if (host) {
                host->dialogWindow().DoAccessibleAction(index);
            }
        });
    }
    QStringList keyBindingsForAction(const QString& /*name*/) const override { return {}; }

  private:
    std::optional<AccessibleItem> Item() const {
        if (!host_) {
            return std::nullopt;
        }
        std::vector<AccessibleItem> items = host_->dialogWindow().AccessibleItems();
        if (index_ >= static_cast<int>(items.size())) {
            return std::nullopt;
        }
        return std::move(items[static_cast<std::size_t>(index_)]);
    }

    QPointer<QtHost> host_;
    int index_;
};

class HostAccessible final : public QAccessibleWidget {
  public:
    explicit HostAccessible(QtHost* host) : QAccessibleWidget(host, QAccessible::Dialog) {}
    ~HostAccessible() override {
        for (QAccessible::Id id : children_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    HostAccessible(const HostAccessible&) = delete;
    HostAccessible& operator=(const HostAccessible&) = delete;

    QString text(QAccessible::Text text) const override {
        return TextOf(Window().AccessibleWindow(), text);
    }
    QAccessible::Role role() const override { return RoleOf(Window().AccessibleWindow().role); }
    int childCount() const override { return static_cast<int>(Window().AccessibleItems().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        while (static_cast<int>(children_.size()) <= index) {
            // The toolkit's registry takes the item over and deletes it with the host's.
            auto* item = new ItemAccessible(  // NOLINT(cppcoreguidelines-owning-memory)
                Host(), static_cast<int>(children_.size()));
            children_.push_back(QAccessible::registerAccessibleInterface(item));
        }
        return QAccessible::accessibleInterface(children_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < childCount() && index < static_cast<int>(children_.size());
             ++index) {
            if (QAccessible::accessibleInterface(children_[static_cast<std::size_t>(index)]) ==
                child) {
                return index;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = Host()->mapFromGlobal(QPoint(x, y));
        const std::vector<AccessibleItem> items = Window().AccessibleItems();
        for (std::size_t index = 0; index < items.size(); ++index) {
            if (items[index].rect.Contains(at.x(), at.y())) {
                return child(static_cast<int>(index));
            }
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const std::vector<AccessibleItem> items = Window().AccessibleItems();
        for (std::size_t index = 0; index < items.size(); ++index) {
            if (items[index].focused) {
                return child(static_cast<int>(index));
            }
        }
        return nullptr;
    }

  private:
    QtHost* Host() const { return static_cast<QtHost*>(widget()); }
    const DialogWindow& Window() const { return Host()->dialogWindow(); }

    mutable std::vector<QAccessible::Id> children_;
};

QAccessibleInterface* HostFactory(const QString& /*className*/, QObject* object) {
    auto* host = dynamic_cast<QtHost*>(object);
    return host != nullptr ? new HostAccessible(host) : nullptr;
}

}  // namespace

void InstallAccessibleFactory() {
    QAccessible::installFactory(HostFactory);
}

void AnnounceAccessibleChange(QtHost& host, int index, AccessibleChange change) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&host);
    QAccessibleInterface* item = window != nullptr ? window->child(index) : nullptr;
    if (change == AccessibleChange::Items || item == nullptr) {
        QAccessibleEvent event(&host, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    } else if (change == AccessibleChange::Focus) {
        QAccessibleEvent event(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(item, changed);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace platform::ui::qt
