#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "selftest/ControlLogBox.h"
#include "runtime/win32/forms/Form.h"
#include "ui/FormLayout.h"
#include "selftest/LogWriter.h"
#include "selftest/ModMain.h"
#include "runtime/Runtime.h"
#include "selftest/TestRun.h"
#include "xptheme/mdXpThemeSupport.h"

namespace velkorin::win32 {

// The program's one window: the description, the log box, "Start Test", the icon and the link. A
// form of the form runtime; what is its own is the layout, the event handlers and AddToLogs.
class FrmMain {
public:
    FrmMain(HINSTANCE instance, Runtime& runtime, mdXpThemeSupport& theme, ModMain& slots);
    ~FrmMain();
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    // Loads the window and its controls (raising the load event before it is visible), then
    // shows it centred, without waiting. Throws a Failure when the window cannot be loaded; no
    // window is left behind then.
    void Show();
    // Loads the window and its controls without showing it; `reached`, when given, is told each
    // stage of the load as it ends ("fonts", "form", "pictures", "controls"), for the bench.
    void Load(const std::function<void(const char* stage)>& reached = nullptr);
    HWND Hwnd() const { return form_ ? form_->Hwnd() : nullptr; }

    // Public method of the window: one line to log.txt and to Text1.
    void AddToLogs(const std::string& sMsg) { log_.AddToLogs(sMsg); }

private:
    void LoadPictures();
    void AddControls(double twipsPerPixel);
    std::function<void()> ClickHandler(const char* controlName);

    void Form_Load();
    void Command1_Click() { run_.Command1_Click(); }
    void Image2_Click() { OpenMakerPage(); }
    void Label4_Click() { OpenMakerPage(); }
    void OpenMakerPage();

    HINSTANCE instance_;
    mdXpThemeSupport& theme_;
    std::shared_ptr<forms::Form> form_;  // its controls outlive their windows
    ObjectRef hand_;
    ObjectRef pictures_[static_cast<int>(ControlPicture::ProgramIcon) + 1];  // by ControlPicture, its last the icon
    ControlLogBox text1_;
    LogWriter log_;
    TestRun run_;
};

}  // namespace velkorin::win32
