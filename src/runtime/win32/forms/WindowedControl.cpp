#include "runtime/win32/forms/WindowedControl.h"

#include "runtime/Names.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32::forms {

Value HandleValue(const void* handle) { return Value(units::LongFromHandle(handle)); }

WindowedControl::WindowedControl(HWND hwnd, std::string kind, std::weak_ptr<ControlSite> site)
    : hwnd_(hwnd), kind_(std::move(kind)), site_(std::move(site)) {}

bool WindowedControl::IsKindOf(const std::string& interfaceId) const {
    return !kind_.empty() && SameName(kind_, interfaceId);  // identifiers compare without case
}

Value WindowedControl::Call(const std::string&, const std::vector<Value>&) { throw Failure::NoSuchMember(); }

ControlWindow& WindowedControl::Front() {
    if (!front_) front_ = std::make_unique<ControlWindow>(hwnd_);
    return *front_;
}

bool WindowedControl::OnCommand(int) { return false; }

bool WindowedControl::OnDrawItem(const DRAWITEMSTRUCT&) { return false; }

HBRUSH WindowedControl::OnCtlColor(HDC) { return nullptr; }

HCURSOR WindowedControl::Cursor() const {
    if (mousePointer_ != mouse_pointer::kCustom || !mouseIcon_) return nullptr;
    return HandleFromValue<HCURSOR>(mouseIcon_->Get("Handle"));
}

void WindowedControl::RaiseClick() const {
    if (onClick_) onClick_();
}

void WindowedControl::AddPointerProperties() {
    properties_.Add(
        "MousePointer", [this] { return Value(mousePointer_); },
        [this](const Value& value) {
            const int32_t pointer = value.AsInteger();
            if (pointer != mouse_pointer::kDefault && pointer != mouse_pointer::kCustom) throw Failure::InvalidPropertyValue();
            mousePointer_ = pointer;
        });
    properties_.Add(
        "MouseIcon", [this] { return Value(mouseIcon_); }, [this](const Value& value) { mouseIcon_ = value.AsObject(); });
}

void WindowedControl::AddHandleProperty() {
    properties_.Add("hWnd", [this] { return HandleValue(hwnd_); });
}

void WindowedControl::AddParentProperty() {
    properties_.Add("Parent", [this] {
        std::shared_ptr<ControlSite> site = Site();
        if (!site) throw Failure::ObjectNotSet();
        return Value(site->ParentObject());
    });
}

void WindowedControl::AddEnabledProperty() {
    properties_.Add(
        "Enabled", [this] { return Value(IsWindowEnabled(hwnd_) != FALSE); },
        [this](const Value& value) { EnableWindow(hwnd_, value.AsBoolean()); });
}

void WindowedControl::AddCaptionProperty(std::function<void()> changed) {
    properties_.Add(
        "Caption", [this] { return Value(WindowText(hwnd_)); },
        [this, changed = std::move(changed)](const Value& value) {
            SetWindowTextW(hwnd_, Utf8ToWide(value.AsText()).c_str());
            if (changed) changed();
        });
}

}  // namespace velkorin::win32::forms
