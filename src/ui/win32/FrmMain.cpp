#include "ui/win32/FrmMain.h"

#include <cstring>
#include <functional>
#include <optional>
#include <vector>

#include "runtime/ErrorScope.h"
#include "xptheme/FixThemeSupport.h"
#include "ui/FormLayout.h"
#include "runtime/win32/forms/OleColor.h"
#include "runtime/win32/forms/PictureLoading.h"
#include "ui/win32/ResourceIds.h"
#include "runtime/win32/SystemLibraries.h"
#include "runtime/win32/Win32ScreenMetrics.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32 {

namespace {

// A picture of the program's own resources, or none.
ObjectRef OptionalPicture(const std::function<ObjectRef()>& load) {
    try {
        return load();
    } catch (const Failure&) {
        return nullptr;
    }
}

}  // namespace

FrmMain::FrmMain(HINSTANCE instance, Runtime& runtime, mdXpThemeSupport& theme, ModMain& slots)
    : instance_(instance), theme_(theme), log_(runtime, text1_), run_(runtime, text1_, log_, slots) {}

FrmMain::~FrmMain() = default;

void FrmMain::Show() {
    if (!form_) Load();
    form_->Show();
}

void FrmMain::Load(const std::function<void(const char* stage)>& reached) {
    const auto stage = [&](const char* name) {
        if (reached) reached(name);
    };
    const double twipsPerPixel = TwipsPerPixel(ScreenPixelsPerInch(LOGPIXELSX));
    forms::FormArgs args;
    args.name = "FrmMain";
    args.caption = frm_main::kCaption;
    args.centred = true;
    args.clientWidth = TwipsToPixels(frm_main::kClientWidthTwips, twipsPerPixel);
    args.clientHeight = TwipsToPixels(frm_main::kClientHeightTwips, twipsPerPixel);
    args.minButton = false;
    args.font = forms::FontObject::Create(frm_main::kFontFace, frm_main::kFontPoints, frm_main::kFontWeight >= FW_BOLD,
                                          ANSI_CHARSET);
    stage("fonts");
    args.iconModule = instance_;
    args.iconId = IDI_PROGRAM_ICON;
    args.endLoopOnClose = true;
    form_ = forms::Form::Create(args);
    stage("form");
    try {
        LoadPictures();
        stage("pictures");
        AddControls(twipsPerPixel);
    } catch (...) {
        form_.reset();  // a window that cannot be loaded goes, so that nothing waits for it
        throw;
    }
    Form_Load();
    stage("controls");
}

// The pictures of the program's own resources, each made once: without one the control shows
// none, and the window still loads.
void FrmMain::LoadPictures() {
    hand_ = OptionalPicture([this] {
        return forms::PictureFromIcon(LoadCursorW(instance_, MAKEINTRESOURCEW(IDC_HAND_CURSOR)), false);
    });
    pictures_[static_cast<int>(ControlPicture::Logo)] =
        OptionalPicture([this] { return forms::LoadPictureResource(instance_, IDR_LOGO_GIF); });
    pictures_[static_cast<int>(ControlPicture::ProgramIcon)] = OptionalPicture([this] {
        const auto icon =
            static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PROGRAM_ICON), IMAGE_ICON, 32, 32, 0));
        return forms::PictureFromIcon(icon, true);
    });
}

void FrmMain::AddControls(double twipsPerPixel) {
    std::vector<std::shared_ptr<forms::WindowedControl>> made;  // in the layout's order
    for (const ControlLayout& layout : frm_main::kControls) {
        const PixelRect at = ToPixels(layout, twipsPerPixel);
        forms::ControlArgs args;
        args.caption = layout.caption ? layout.caption : "";
        args.left = at.left;
        args.top = at.top;
        args.width = at.width;
        args.height = at.height;
        args.tabIndex = layout.tabIndex;
        args.id = layout.controlId;
        std::shared_ptr<forms::WindowedControl>& control = made.emplace_back();
        switch (layout.kind) {
        case ControlKind::TextBox: {
            auto box = form_->AddTextBox(args);
            text1_.Attach(box);
            control = box;
            break;
        }
        case ControlKind::CommandButton: control = form_->AddButton(forms::ButtonKind::Command, args); break;
        case ControlKind::Image:
            control = form_->AddImage(args);
            control->Put("Picture", Value(pictures_[static_cast<int>(layout.picture)]));
            break;
        case ControlKind::Label:
            control = form_->AddLabel(args, layout.centred ? forms::label_alignment::kCenter : forms::label_alignment::kLeft);
            if (layout.link) control->Put("ForeColor", Value(forms::ole_color::kHighlight));
            if (layout.autoSize) control->Put("AutoSize", Value(true));
            break;
        }
        if (std::function<void()> click = ClickHandler(layout.name)) control->SetClickHandler(std::move(click));
        if (layout.handPointer && hand_) {
            control->Put("MouseIcon", Value(hand_));
            control->Put("MousePointer", Value(forms::mouse_pointer::kCustom));
        }
    }
    // What a screen reader is told, once the controls that name others exist.
    const auto madeNamed = [&](const char* name) {
        for (size_t i = 0; i < made.size(); ++i) {
            if (std::strcmp(frm_main::kControls[i].name, name) == 0) return made[i];
        }
        return std::shared_ptr<forms::WindowedControl>();
    };
    for (size_t i = 0; i < made.size(); ++i) {
        const std::optional<AccessibleRole> role = AccessibleRoleOf(frm_main::kControls[i]);
        const std::shared_ptr<forms::WindowedControl> namer = madeNamed(AccessibleNameSourceOf(frm_main::kControls[i]));
        if (role && namer) made[i]->Describe(*role, namer->Hwnd());
    }
}

// The window's click events and their handlers; a click on any other control does nothing.
std::function<void()> FrmMain::ClickHandler(const char* controlName) {
    const std::string name = controlName;
    if (name == "Command1") return [this] { Command1_Click(); };
    if (name == "Image2") return [this] { Image2_Click(); };
    if (name == "Label4") return [this] { Label4_Click(); };
    return nullptr;
}

void FrmMain::Form_Load() {
    ErrorScope err;  // nothing the window loads may keep it from showing
    err.Step([&] { FixThemeSupport(theme_, form_->Controls()); });
}

void FrmMain::OpenMakerPage() {
    ErrorScope err;
    HWND owner = nullptr;
    err.Step([&] { owner = Hwnd(); });
    err.Step([&] {
        std::string page = Utf8ToAnsi(frm_main::kMakerPage);
        Shell32().pShellExecuteA(owner, "Open", page.c_str(), "", "", SW_SHOWNORMAL);
    });
}

}  // namespace velkorin::win32
