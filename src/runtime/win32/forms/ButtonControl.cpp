#include "runtime/win32/forms/ButtonControl.h"

#include "runtime/win32/forms/ClassicButtonPainter.h"
#include "runtime/win32/forms/FontObject.h"
#include "runtime/win32/forms/OleColor.h"
#include "runtime/win32/forms/PictureRendering.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32::forms {

namespace {

// Counts a click for as long as it runs, however it ends.
class RunningClick {
public:
    explicit RunningClick(int& count) : count_(count) { ++count_; }
    ~RunningClick() { --count_; }
    RunningClick(const RunningClick&) = delete;
    RunningClick& operator=(const RunningClick&) = delete;

private:
    int& count_;
};

const char* KindId(ButtonKind kind) {
    switch (kind) {
    case ButtonKind::Command: return control_kind::kCommandButton;
    case ButtonKind::Option: return control_kind::kOptionButton;
    case ButtonKind::Check: return control_kind::kCheckBox;
    }
    return "";
}

}  // namespace

ButtonControl::ButtonControl(ButtonKind kind, HWND hwnd, int32_t style, std::weak_ptr<ControlSite> site,
                             ObjectRef font)
    : WindowedControl(hwnd, KindId(kind), std::move(site)),
      kind_(kind),
      style_(style),
      font_(std::move(font)),
      maskColor_(ole_color::kLightGrey),
      backColor_(ole_color::kButtonFace) {
    AddProperties();
}

void ButtonControl::AddProperties() {
    AddHandleProperty();
    AddEnabledProperty();
    AddCaptionProperty([this] { Redraw(); });
    properties_.Add("Style", [this] { return Value(style_); });
    properties_.Add(
        "Value", [this] { return ButtonValue(kind_, value_, clicksRunning_ > 0); },
        [this](const Value& value) { WriteValue(value); });
    if (kind_ == ButtonKind::Command) {
        properties_.Add("Default", [this] { return Value(default_); },
                        [this](const Value& value) { SetDefault(value.AsBoolean()); });
    }
    AddPictureProperty("Picture", picture_);
    AddPictureProperty("DownPicture", downPicture_);
    AddPictureProperty("DisabledPicture", disabledPicture_);
    properties_.Add(
        "UseMaskColor", [this] { return Value(useMaskColor_); },
        [this](const Value& value) {
            useMaskColor_ = value.AsBoolean();
            Redraw();
        });
    AddColorProperty("MaskColor", maskColor_);
    AddColorProperty("BackColor", backColor_);
    properties_.Add(
        "Font", [this] { return Value(font_); },
        [this](const Value& value) {
            ObjectRef font = value.AsObject();
            if (!font) throw Failure::InvalidPropertyValue();
            SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandleOf(*font)), TRUE);
            font_ = std::move(font);
        });
    AddParentProperty();
}

void ButtonControl::AddPictureProperty(const char* name, ObjectRef& slot) {
    properties_.Add(
        name, [&slot] { return Value(slot); },
        [this, &slot](const Value& value) {
            slot = value.AsObject();  // an object, or nothing to clear it
            Redraw();
        });
}

void ButtonControl::AddColorProperty(const char* name, int32_t& slot) {
    properties_.Add(
        name, [&slot] { return Value(slot); },
        [this, &slot](const Value& value) {
            slot = value.AsInteger();
            Redraw();
        });
}

void ButtonControl::WriteValue(const Value& value) {
    const WrittenButtonValue written = ButtonValueWritten(kind_, value);
    if (kind_ != ButtonKind::Command) return SetValue(written.value);
    if (written.click) RaiseClickWithValue();  // setting it clicks the button
}

ButtonPlace ButtonControl::Place() const {
    return {kind_, GetParent(Hwnd()), kind_ == ButtonKind::Command ? default_ : value_ != 0};
}

void ButtonControl::SetValue(int32_t value) {
    value_ = value;
    if (kind_ == ButtonKind::Option && value_ != 0) {
        if (std::shared_ptr<ControlSite> site = Site()) site->OptionChosen(*this);
    }
    if (Graphical()) {
        Redraw();
    } else if (kind_ != ButtonKind::Command) {
        SendMessageW(Hwnd(), BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void ButtonControl::SetDefault(bool isDefault) {
    default_ = isDefault;
    if (default_) {
        if (std::shared_ptr<ControlSite> site = Site()) site->DefaultChosen(*this);
    }
    if (Graphical()) {
        Redraw();
    } else {
        SendMessageW(Hwnd(), BM_SETSTYLE, default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

void ButtonControl::OnClicked() {
    if (kind_ == ButtonKind::Check) SetValue(value_ ? 0 : 1);
    if (kind_ == ButtonKind::Option) SetValue(1);
    RaiseClickWithValue();
}

bool ButtonControl::OnCommand(int notification) {
    if (notification != BN_CLICKED && notification != BN_DOUBLECLICKED) return false;
    OnClicked();
    return true;
}

// A command button's Value reads true while its Click runs.
void ButtonControl::RaiseClickWithValue() {
    RunningClick running(clicksRunning_);
    RaiseClick();
}

void ButtonControl::Redraw() const { InvalidateRect(Hwnd(), nullptr, FALSE); }

bool ButtonControl::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return false;
    ClassicButtonLook look;
    look.caption = WideWindowText(Hwnd());
    look.font = font_ ? FontHandleOf(*font_) : nullptr;
    look.enabled = (item.itemState & ODS_DISABLED) == 0;
    look.pushed = (item.itemState & ODS_SELECTED) != 0 || (kind_ != ButtonKind::Command && value_ != 0);
    look.focused = (item.itemState & ODS_FOCUS) != 0;
    look.defaultButton = default_ && kind_ == ButtonKind::Command;
    look.back = TranslateOleColor(backColor_);
    look.useMaskColor = useMaskColor_;
    look.mask = TranslateOleColor(maskColor_);
    if (!look.enabled) {
        // A disabled picture of its own shows as it is; otherwise the picture is embossed.
        look.embossPicture = !HasImage(disabledPicture_);
        look.picture = look.embossPicture ? picture_ : disabledPicture_;
    } else {
        look.picture = look.pushed && HasImage(downPicture_) ? downPicture_ : picture_;
    }
    PaintClassicButton(item.hDC, item.rcItem, look);
    return true;
}

}  // namespace velkorin::win32::forms
