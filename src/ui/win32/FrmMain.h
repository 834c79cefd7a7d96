#pragma once

#include <windows.h>

#include <string>

#include "EditLogBox.h"
#include "FormControl.h"
#include "GdiObject.h"
#include "LogWriter.h"
#include "ModMain.h"
#include "OlePicture.h"
#include "Runtime.h"
#include "TestRun.h"
#include "mdXpThemeSupport.h"

namespace velkorin::win32 {

// The program's one window: the description, the log box, "Start Test", the icon and the link.
class FrmMain {
public:
    FrmMain(HINSTANCE instance, Runtime& runtime, mdXpThemeSupport& theme, ModMain& slots);
    ~FrmMain();
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    static constexpr const wchar_t* kClassName = L"VelkorinFrmMain";

    // Loads the window and its controls (raising the load event before it is visible), then
    // shows it centred, without waiting. Throws a Failure when the window cannot be created.
    void Show();
    HWND Hwnd() const { return hwnd_; }

    // Public method of the window: one line to log.txt and to Text1.
    void AddToLogs(const std::string& sMsg) { log_.AddToLogs(sMsg); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void Load();
    void CreateControls();
    void ArrangeTabOrder();
    void SizeLabel4ToCaption();
    HWND ControlWindow(int32_t controlId) const { return GetDlgItem(hwnd_, controlId); }

    void OnCommand(int id, int notification);
    LRESULT OnCtlColorStatic(HDC hdc, HWND control);
    bool OnSetCursor(HWND over, int hitTest);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnActivate(bool active);

    void Form_Load();
    void Command1_Click() { run_.Command1_Click(); }
    void Image2_Click() { OpenMakerPage(); }
    void Label4_Click() { OpenMakerPage(); }
    void OpenMakerPage();

    HINSTANCE instance_;
    mdXpThemeSupport& theme_;
    HWND hwnd_ = nullptr;
    HWND focusBeforeDeactivation_ = nullptr;
    double twipsPerPixel_ = 15.0;

    GdiObject<HFONT> font_;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HCURSOR hand_ = nullptr;
    OlePicture logo_;

    // The controls' objects in creation order; they outlive the windows, destroyed first.
    ControlCollection controls_;
    EditLogBox text1_;
    LogWriter log_;
    TestRun run_;
};

}  // namespace velkorin::win32
