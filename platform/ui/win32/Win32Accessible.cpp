#include "platform/ui/win32/Win32Accessible.h"

#include <oleacc.h>

#include <atomic>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/ui/DialogWindow.h"
#include "platform/ui/win32/Win32Dpi.h"
#include "platform/ui/win32/Win32Owner.h"
#include "platform/ui/win32/Win32Scale.h"

namespace platform::ui::win32 {

namespace {

LONG RoleOf(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::PushButton:
            return ROLE_SYSTEM_PUSHBUTTON;
        case AccessibleRole::CheckBox:
            return ROLE_SYSTEM_CHECKBUTTON;
        case AccessibleRole::Picture:
            return ROLE_SYSTEM_GRAPHIC;
        case AccessibleRole::Animation:
            return ROLE_SYSTEM_ANIMATION;
        case AccessibleRole::Pane:
            return ROLE_SYSTEM_PANE;
        case AccessibleRole::Dialog:
            break;
    }
    return ROLE_SYSTEM_DIALOG;
}

HRESULT Text(std::string_view text, BSTR* out) {
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    if (text.empty()) {
        return S_FALSE;
    }
    *out = ::SysAllocString(WideFromUtf8(text).c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

void SetInteger(VARIANT* out, LONG value) {
    ::VariantInit(out);
    out->vt = VT_I4;
    out->lVal = value;
}

}  // namespace

class AccessibleClient::Object final : public IAccessible {
  public:
    Object(DialogWindow& window, HWND hwnd) : window_(&window), hwnd_(hwnd) {}
    void Disconnect() { window_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // IDispatch: the accessibility API calls IAccessible directly; no type information.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return ::AccessibleObjectFromWindow(hwnd_, static_cast<DWORD>(OBJID_WINDOW),
                                            __uuidof(IDispatch), reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (window_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        *count = static_cast<LONG>(window_->AccessibleItems().size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        *child = nullptr;
        return S_FALSE;  // the children are simple elements of this object
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const auto item = Item(child);
        return item ? Text(item->name, name) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
        return Text({}, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        const auto item = Item(child);
        return item ? Text(item->description, description) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const auto item = Item(child);
        if (!item) {
            return E_INVALIDARG;
        }
        SetInteger(role, RoleOf(item->role));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const auto item = Item(child);
        if (!item) {
            return E_INVALIDARG;
        }
        LONG bits = STATE_SYSTEM_FOCUSABLE;
        bits |= item->focused ? STATE_SYSTEM_FOCUSED : 0;
        bits |= item->checked ? STATE_SYSTEM_CHECKED : 0;
        SetInteger(state, bits);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return Text({}, help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        *topic = 0;
        return Text({}, file);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
        return Text({}, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        ::VariantInit(focus);
        const std::vector<AccessibleItem> items = Items();
        for (std::size_t index = 0; index < items.size(); ++index) {
            if (items[index].focused) {
                SetInteger(focus, static_cast<LONG>(index + 1));
            }
        }
        return focus->vt == VT_EMPTY ? S_FALSE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        ::VariantInit(selection);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        const auto item = Item(child);
        if (!item || child.lVal == CHILDID_SELF) {
            return item ? Text({}, action) : E_INVALIDARG;
        }
        return Text(item->role == AccessibleRole::CheckBox ? "Toggle" : "Press", action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        const auto item = Item(child);
        if (!item) {
            return E_INVALIDARG;
        }
        // The items are laid out in logical pixels; the screen has the window's device pixels.
        const Rect rect = Win32Scale(WindowDpi(hwnd_)).ToDevice(item->rect);
        POINT corner{rect.left, rect.top};
        ::ClientToScreen(hwnd_, &corner);
        *left = corner.x;
        *top = corner.y;
        *width = rect.Width();
        *height = rect.Height();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* end) override {
        ::VariantInit(end);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        POINT at{x, y};
        ::ScreenToClient(hwnd_, &at);
        const Win32Scale scale(WindowDpi(hwnd_));
        at = {scale.LogicalPixelOf(at.x), scale.LogicalPixelOf(at.y)};
        const std::vector<AccessibleItem> items = Items();
        SetInteger(child, CHILDID_SELF);
        for (std::size_t index = 0; index < items.size(); ++index) {
            if (items[index].rect.Contains(at.x, at.y)) {
                child->lVal = static_cast<LONG>(index + 1);
            }
        }
        return S_OK;
    }
    // Posted, as a click comes: the command may run a loop of its own, and the caller is waiting.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const auto item = Item(child);
        if (!item || child.lVal == CHILDID_SELF) {
            return item ? S_FALSE : E_INVALIDARG;
        }
        ::PostMessageW(hwnd_, kRunAccessibleAction, static_cast<WPARAM>(child.lVal - 1), 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    std::vector<AccessibleItem> Items() const {
        return window_ != nullptr ? window_->AccessibleItems() : std::vector<AccessibleItem>{};
    }
    // CHILDID_SELF is the window; 1 and up the items.
    std::optional<AccessibleItem> Item(const VARIANT& child) const {
        if (window_ == nullptr || child.vt != VT_I4) {
            return std::nullopt;
        }
        if (child.lVal == CHILDID_SELF) {
            return window_->AccessibleWindow();
        }
        std::vector<AccessibleItem> items = Items();
        if (child.lVal < 1 || child.lVal > static_cast<LONG>(items.size())) {
            return std::nullopt;
        }
        return std::move(items[static_cast<std::size_t>(child.lVal - 1)]);
    }

    DialogWindow* window_;
    HWND hwnd_;
    std::atomic<ULONG> references_{1};
};

AccessibleClient::AccessibleClient(DialogWindow& window, HWND hwnd)
    : object_(new Object(window, hwnd)) {}

AccessibleClient::~AccessibleClient() {
    object_->Disconnect();
    object_->Release();
}

LRESULT AccessibleClient::Answer(WPARAM wParam) {
    return ::LresultFromObject(__uuidof(IAccessible), wParam, object_);
}

void AnnounceAccessibleChange(HWND hwnd, int index, AccessibleChange change) {
    switch (change) {
        case AccessibleChange::Focus:
            ::NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd, OBJID_CLIENT, index + 1);
            return;
        case AccessibleChange::State:
            ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd, OBJID_CLIENT, index + 1);
            return;
        case AccessibleChange::Items:
            ::NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd, OBJID_CLIENT, CHILDID_SELF);
            return;
    }
}

}  // namespace platform::ui::win32
