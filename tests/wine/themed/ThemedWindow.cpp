// themed_window.exe: a form with a frame and graphical-style buttons, handed to the visual-style
// module as a program would hand it its window's controls. Not part of the product: the driver
// (themed_tests.exe) starts it, reads its subclass report and works its window from outside.
#include <windows.h>
#include <shellapi.h>
#include <uxtheme.h>

#include <memory>
#include <string>
#include <utility>

#include "wine/themed/AssemblyVersionPlatform.h"
#include "xptheme/FixThemeSupport.h"
#include "runtime/win32/forms/Form.h"
#include "runtime/win32/forms/PictureLoading.h"
#include "wine/themed/FormPieces.h"
#include "wine/themed/SubclassReport.h"
#include "wine/themed/ThemedWindowLayout.h"
#include "wine/themed/ThemedWindowResources.h"
#include "startup/Win32Process.h"

namespace velkorin::themed {

namespace {

using namespace win32::forms;
constexpr int32_t kStandard = button_style::kStandard;

struct Options {
    bool classic = false;
    std::wstring report;
};

Options ReadOptions() {
    Options options;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; argv && i < count; ++i) {
        const std::wstring argument = argv[i];
        if (argument == kClassicSwitch) options.classic = true;
        if (argument == kReportSwitch && i + 1 < count) options.report = argv[++i];
    }
    if (argv) LocalFree(argv);
    return options;
}

struct ThemedForm {
    std::shared_ptr<Form> form;
    NamedControls named;
    HWND focus = nullptr;
};

Value Picture(HINSTANCE instance, int id) { return Value(win32::forms::LoadPictureResource(instance, id)); }

// Graphical pictures drawn through the mask colour unless `maskColour` is false.
std::shared_ptr<ButtonControl> AddGraphical(ThemedForm& built, const char* name, ButtonKind kind, ControlArgs args,
                                            Value picture, bool maskColour) {
    args.style = win32::forms::button_style::kGraphical;
    auto button = built.form->AddButton(kind, args);
    button->Put("Picture", picture);
    button->Put("UseMaskColor", Value(maskColour));
    button->Put("MaskColor", Value(static_cast<int32_t>(kMagenta)));
    built.named.emplace_back(name, button);
    return button;
}

ThemedForm BuildForm(HINSTANCE instance) {
    ThemedForm built;
    FormArgs formArgs;
    formArgs.caption = "Themed controls";
    formArgs.left = 40;
    formArgs.top = 40;
    formArgs.clientWidth = 420;
    formArgs.clientHeight = 190;
    formArgs.endLoopOnClose = true;
    built.form = Form::Create(formArgs);

    auto frame = built.form->AddFrame(Placed(10, 10, 200, 130, kStandard, nullptr, "Frame1"));
    built.named.emplace_back(kFrame1, frame);
    AddGraphical(built, kCommand1, ButtonKind::Command, Placed(20, 30, 120, 80, kStandard, frame, "Framed"),
                 Picture(instance, IDR_FRAMED_BMP), true);
    AddGraphical(built, kOption1, ButtonKind::Option, Placed(225, 15, 85, 70, kStandard, nullptr, "Option"),
                 Picture(instance, IDR_OPTION_ICO), false);  // an icon, rendered as it is
    auto check = AddGraphical(built, kCheck1, ButtonKind::Check,
                              Placed(320, 15, 85, 70, kStandard, nullptr, "Check"),
                              Picture(instance, IDR_CHECK_BMP), true);
    check->Put("DownPicture", Picture(instance, IDR_CHECK_DOWN_BMP));
    auto disabled = AddGraphical(built, kCommand2, ButtonKind::Command,
                                 Placed(225, 100, 85, 70, kStandard, nullptr, "Off"),
                                 Picture(instance, IDR_FRAMED_BMP), true);
    disabled->Put("DisabledPicture", Picture(instance, IDR_DISABLED_BMP));
    disabled->Put("Enabled", Value(false));
    auto standard =
        built.form->AddButton(ButtonKind::Command, Placed(320, 100, 85, 30, kStandard, nullptr, "Standard"));
    built.named.emplace_back(kCommand3, standard);
    built.focus = standard->Hwnd();  // no graphical button shows a focus rectangle
    return built;
}

int Run(HINSTANCE instance) {
    const Options options = ReadOptions();
    auto reporting = std::make_unique<AssemblyVersionPlatform>();
    AssemblyVersionPlatform& platform = *reporting;
    win32::Win32Process process(std::move(reporting));
    if (!process.OleReady()) return 2;
    // Before any window: the application's controls get no visual style.
    if (options.classic) SetThemeAppProperties(STAP_ALLOW_NONCLIENT);

    mdXpThemeSupport& module = process.Theme();
    module.InitVisualStyles();

    ThemedForm built = BuildForm(instance);
    FixThemeSupport(module, built.form->Controls());
    if (!options.report.empty() &&
        !WriteSubclassReport(options.report, platform.LibraryMajor(), platform.AssemblyMajor(), built.named)) {
        return 3;
    }
    built.form->Show();
    SetFocus(built.focus);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(built.form->Hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

}  // namespace velkorin::themed

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    try {
        return velkorin::themed::Run(instance);
    } catch (const velkorin::Failure&) {
        return 10;  // the window could not be built: the driver sees no window and says so
    }
}
