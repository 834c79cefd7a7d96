#pragma once

#include <windows.h>

// What the themed test window holds and what the driver looks for on the screen. The pictures'
// colours are those make-pictures.py gives them; each appears nowhere else on the window.
namespace velkorin::themed {

// Controls, as the subclass report names them.
constexpr char kFrame1[] = "Frame1";      // a frame holding Command1
constexpr char kCommand1[] = "Command1";  // graphical, "Framed", framed.bmp through its mask colour
constexpr char kOption1[] = "Option1";    // graphical, "Option", option.ico rendered as it is
constexpr char kCheck1[] = "Check1";      // graphical, "Check", check.bmp, check-down.bmp when set
constexpr char kCommand2[] = "Command2";  // graphical and disabled, "Off", with disabled.bmp
constexpr char kCommand3[] = "Command3";  // standard style, "Standard"

constexpr COLORREF kMagenta = RGB(255, 0, 255);  // every picture's mask colour
constexpr COLORREF kGreen = RGB(0, 160, 0);      // framed.bmp, upper half of its block
constexpr COLORREF kBlue = RGB(0, 0, 192);       // framed.bmp, lower half
constexpr COLORREF kOrange = RGB(255, 128, 0);   // option.ico
constexpr COLORREF kPurple = RGB(128, 0, 160);   // check.bmp
constexpr COLORREF kTeal = RGB(0, 128, 128);     // check-down.bmp
constexpr int kPictureSize = 24;                 // every picture is 24 x 24 pixels
constexpr int kFramedBlock = 16;                 // the coloured block inside it
constexpr int kSmallBlock = 12;                  // option, check and check-down
constexpr int kDisabledBlock = 6;                // disabled.bmp

// themed_window.exe [--classic] [--report <file>]
constexpr wchar_t kClassicSwitch[] = L"--classic";  // visual styles off for the application
constexpr wchar_t kReportSwitch[] = L"--report";    // the subclass registrations, one control a line

}  // namespace velkorin::themed
