// The values the visual-style module spells out for itself, against the SDK's own: a wrong one
// cannot build.
#include <windows.h>
#include <commctrl.h>
#include <olectl.h>
#include <shlwapi.h>
#include <uxtheme.h>
#include <vssym32.h>

#include "xptheme/PlatformValues.h"

namespace velkorin {

static_assert(message::kSetFocus == WM_SETFOCUS);
static_assert(message::kKillFocus == WM_KILLFOCUS);
static_assert(message::kEnable == WM_ENABLE);
static_assert(message::kSetRedraw == WM_SETREDRAW);
static_assert(message::kPaint == WM_PAINT);
static_assert(message::kGetState == BM_GETSTATE);
static_assert(message::kMouseMove == WM_MOUSEMOVE);
static_assert(message::kLButtonDown == WM_LBUTTONDOWN);
static_assert(message::kLButtonUp == WM_LBUTTONUP);
static_assert(message::kRButtonUp == WM_RBUTTONUP);
static_assert(message::kMouseHover == WM_MOUSEHOVER);
static_assert(message::kMouseLeave == WM_MOUSELEAVE);
static_assert(message::kPrintClient == WM_PRINTCLIENT);

static_assert(button_state::kPushed == BST_PUSHED);
static_assert(button_state::kFocus == BST_FOCUS);
static_assert(region_mode::kDiff == RGN_DIFF);
static_assert(region_mode::kCopy == RGN_COPY);
static_assert(draw_text::kCenter == DT_CENTER);
static_assert(draw_text::kWordBreak == DT_WORDBREAK);
static_assert(draw_text::kCalcRect == DT_CALCRECT);

static_assert(track_mouse::kHover == TME_HOVER);
static_assert(track_mouse::kLeave == TME_LEAVE);
// The record the module fills is the 32-bit one; the Win32 layer hands on the native size.
static_assert(sizeof(void*) != 4 || track_mouse::kRecordSize32 == sizeof(TRACKMOUSEEVENT));

static_assert(common_controls::kVersionRecordSize == sizeof(DLLVERSIONINFO));
static_assert(common_controls::kSetupRecordSize == sizeof(INITCOMMONCONTROLSEX));
static_assert(common_controls::kUserExClasses == ICC_USEREX_CLASSES);
static_assert(theme_app::kAllowControls == STAP_ALLOW_CONTROLS);

static_assert(push_button::kPart == BP_PUSHBUTTON);
static_assert(push_button::kNormal == PBS_NORMAL);
static_assert(push_button::kHot == PBS_HOT);
static_assert(push_button::kPressed == PBS_PRESSED);
static_assert(push_button::kDisabled == PBS_DISABLED);
static_assert(push_button::kDefaulted == PBS_DEFAULTED);

static_assert(picture_type::kBitmap == PICTYPE_BITMAP);
static_assert(picture_type::kIcon == PICTYPE_ICON);
static_assert(draw_state::kIcon == DST_ICON);
static_assert(draw_state::kBitmap == DST_BITMAP);
static_assert(draw_state::kDisabled == DSS_DISABLED);

}  // namespace velkorin
