#include "paint/ButtonFixture.h"

#include "runtime/Units.h"
#include "runtime/win32/ScopedHandles.h"
#include "common/TimedObject.h"
#include "wine/OlePictures.h"

namespace velkorin::bench {

namespace {

constexpr const wchar_t* kFormClass = L"VelkorinBenchPaintForm";
constexpr int kPictureSize = 32;
constexpr int32_t kMagenta = 0x00FF00FF;
constexpr int32_t kButtonFaceColour = static_cast<int32_t>(0x8000000F);

using win32::MemoryDc;
using wine::PictureOf;

// A 32x32 bitmap picture: a square of `colour` on the mask colour, owned by the picture.
ObjectRef SquarePicture(COLORREF colour) {
    win32::ClientDc screen(nullptr);
    MemoryDc memory(screen.Get());
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), kPictureSize, kPictureSize);  // the picture owns it
    if (!bitmap) return nullptr;
    {
        win32::SelectionGuard selected(memory.Get(), bitmap);
        win32::GdiObject<HBRUSH> mask(CreateSolidBrush(kMagenta));
        win32::GdiObject<HBRUSH> fill(CreateSolidBrush(colour));
        RECT whole = {0, 0, kPictureSize, kPictureSize};
        RECT square = {6, 6, kPictureSize - 6, kPictureSize - 6};
        FillRect(memory.Get(), &whole, mask.get());
        FillRect(memory.Get(), &square, fill.get());
    }
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap;
    ObjectRef picture = PictureOf(description);
    if (!picture) DeleteObject(bitmap);
    return picture;
}

// A picture that holds no image: its Handle is 0, as a button without a picture reports it.
ObjectRef EmptyPicture() {
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_NONE;
    return PictureOf(description);
}

HFONT MessageFont() {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

std::shared_ptr<PropertyControl> FontObject(HFONT font) {
    auto object = std::make_shared<PropertyControl>();
    object->properties["hFont"] = Value(units::LongFromHandle(font));
    return object;
}

// The form, whose active control is another command button that is not the default one.
std::shared_ptr<PropertyControl> FormObject() {
    auto active = std::make_shared<PropertyControl>();
    active->properties["Default"] = Value(false);
    auto form = std::make_shared<PropertyControl>();
    form->properties["ActiveControl"] = Value(ObjectRef(active));
    return form;
}

}  // namespace

const char* LookName(Look look) {
    switch (look) {
        case Look::Caption: return "caption";
        case Look::CaptionAndPicture: return "caption and picture";
        case Look::Hot: return "hot";
        case Look::Pressed: return "pressed";
        case Look::Disabled: return "disabled";
    }
    return "";
}

ButtonFixture::ButtonFixture(HINSTANCE instance) : instance_(instance) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClass;
    if (!RegisterClassW(&windowClass)) return;
    form_ = CreateWindowExW(0, kFormClass, L"Paint", WS_POPUP | WS_VISIBLE, 0, 0, 240, 120, nullptr, nullptr, instance,
                            nullptr);
    if (!form_) return;
    button_ = CreateWindowExW(0, L"BUTTON", L"Start Test", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 16, 16, 100, 64,
                              form_, nullptr, instance, nullptr);
    font_ = win32::GdiObject<HFONT>(MessageFont());
    picture_ = SquarePicture(RGB(0, 0, 192));
    downPicture_ = SquarePicture(RGB(0, 128, 0));
    emptyPicture_ = EmptyPicture();
    if (!button_ || !font_.get() || !picture_ || !downPicture_ || !emptyPicture_) return;
    for (ObjectRef* picture : {&picture_, &downPicture_, &emptyPicture_}) {
        *picture = std::make_shared<TimedObject>(*picture, pictureCalls_);
    }
    SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);

    control_ = std::make_shared<PropertyControl>();
    auto& properties = control_->properties;
    properties["hWnd"] = Value(units::LongFromHandle(button_));
    properties["Style"] = Value(int32_t{1});
    properties["Default"] = Value(false);
    properties["Parent"] = Value(ObjectRef(FormObject()));
    properties["BackColor"] = Value(kButtonFaceColour);
    properties["Caption"] = Value("Start Test");
    properties["Font"] = Value(ObjectRef(FontObject(font_.get())));
    properties["UseMaskColor"] = Value(true);
    properties["MaskColor"] = Value(kMagenta);
    properties["DisabledPicture"] = Value(emptyPicture_);
}

ButtonFixture::~ButtonFixture() {
    control_.reset();  // the pictures go before the window they were drawn on
    picture_.reset();
    downPicture_.reset();
    emptyPicture_.reset();
    if (button_) RemovePropW(button_, L"Hot");
    if (form_) DestroyWindow(form_);
    UnregisterClassW(kFormClass, instance_);
}

ObjectRef ButtonFixture::Apply(Look look) {
    auto& properties = control_->properties;
    const bool withPicture = look != Look::Caption;
    properties["Picture"] = Value(withPicture ? picture_ : emptyPicture_);
    properties["DownPicture"] = Value(withPicture ? downPicture_ : emptyPicture_);
    properties["Value"] = Value(look == Look::Pressed);
    properties["Enabled"] = Value(look != Look::Disabled);
    SetPropW(button_, L"Hot", reinterpret_cast<HANDLE>(static_cast<intptr_t>(look == Look::Hot)));
    return control_;
}

}  // namespace velkorin::bench
