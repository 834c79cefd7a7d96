#include "runtime/win32/forms/ImageControl.h"

#include "runtime/win32/forms/PictureRendering.h"

namespace velkorin::win32::forms {

ImageControl::ImageControl(HWND hwnd) : WindowedControl(hwnd, std::string()) {
    Front().FollowClicks([this] { RaiseClick(); });
    AddHandleProperty();
    properties_.Add(
        "Picture", [this] { return Value(picture_); },
        [this](const Value& value) {
            picture_ = value.AsObject();  // an object, or nothing to clear it
            InvalidateRect(Hwnd(), nullptr, TRUE);
        });
    AddPointerProperties();
}

bool ImageControl::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_STATIC) return false;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!HasImage(picture_)) return true;
    const SIZE size = PicturePixels(*picture_, item.hDC);
    const RECT at = {0, 0, size.cx, size.cy};
    RenderPicture(*picture_, item.hDC, at);
    return true;
}

}  // namespace velkorin::win32::forms
