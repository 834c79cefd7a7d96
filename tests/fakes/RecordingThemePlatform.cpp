#include "fakes/RecordingThemePlatform.h"

#include <cstdio>
#include <cstring>

#include "runtime/Failure.h"

namespace velkorin::fakes {

void RecordingThemePlatform::Enter(const std::string& function, const char* library, const std::string& arguments) {
    calls.push_back(function + "(" + arguments + ")");
    if (missingLibraries.count(library)) throw Failure::LibraryNotFound(library);
    if (missing.count(function)) throw Failure::EntryPointNotFound(function, library);
}

int32_t RecordingThemePlatform::DllGetVersion(DllVersionInfo& info) {
    Enter("DllGetVersion", "comctl32.dll",
          std::to_string(info.cbSize) + "," + std::to_string(info.dwMajorVersion) + "," +
              std::to_string(info.dwMinorVersion) + "," + std::to_string(info.dwBuildNumber) + "," +
              std::to_string(info.dwPlatformID));
    if (!versionCallFills) return static_cast<int32_t>(0x80004005u);
    info.dwMajorVersion = comctlMajor;
    info.dwMinorVersion = 81;
    return 0;
}

bool RecordingThemePlatform::InitCommonControlsEx(const InitCommonControlsRecord& record) {
    char arguments[32];
    std::snprintf(arguments, sizeof arguments, "%u,0x%X", static_cast<unsigned>(record.dwSize),
                  static_cast<unsigned>(record.dwICC));
    Enter("InitCommonControlsEx", "comctl32.dll", arguments);
    return true;
}

namespace {
std::string MessageArguments(NativeHandle window, uint32_t message, MessageWParam wParam, MessageLParam lParam) {
    char text[96];
    std::snprintf(text, sizeof text, "%#llx,0x%04X,%llu,%lld", static_cast<unsigned long long>(window),
                  static_cast<unsigned>(message), static_cast<unsigned long long>(wParam),
                  static_cast<long long>(lParam));
    return text;
}
}  // namespace

MessageResult RecordingThemePlatform::DefSubclassProc(NativeHandle window, uint32_t message, MessageWParam wParam,
                                                      MessageLParam lParam) {
    Enter("DefSubclassProc", "comctl32", MessageArguments(window, message, wParam, lParam));
    return defSubclassResult;
}

bool RecordingThemePlatform::SetWindowSubclass(NativeHandle window, SubclassProcedure procedure,
                                               std::uintptr_t subclassId, std::uintptr_t referenceData) {
    const char* name = procedure == SubclassProcedure::RedirectFrame ? "pvRedirectFrame" : "pvRedirectButton";
    Enter("SetWindowSubclass", "comctl32",
          std::to_string(window) + "," + name + "," + std::to_string(subclassId) + "," + std::to_string(referenceData));
    return true;
}

MessageResult RecordingThemePlatform::DefWindowProcA(NativeHandle window, uint32_t message, MessageWParam wParam,
                                                     MessageLParam lParam) {
    Enter("DefWindowProcA", "user32", MessageArguments(window, message, wParam, lParam));
    return defWindowResult;
}

NativeHandle RecordingThemePlatform::GetPropA(NativeHandle window, const std::string& name) {
    Enter("GetPropA", "user32", std::to_string(window) + "," + name);
    auto found = properties.find({window, name});
    return found == properties.end() ? 0 : found->second;
}

bool RecordingThemePlatform::SetPropA(NativeHandle window, const std::string& name, NativeHandle value) {
    Enter("SetPropA", "user32", std::to_string(window) + "," + name + "," + std::to_string(value));
    properties[{window, name}] = value;
    return true;
}

int32_t RecordingThemePlatform::IsWindowVisible(NativeHandle window) {
    Enter("IsWindowVisible", "user32", std::to_string(window));
    return visibleWindows.count(window) ? 1 : 0;
}

NativeHandle RecordingThemePlatform::GetDC(NativeHandle window) {
    Enter("GetDC", "user32", std::to_string(window));
    NativeHandle dc = nextHandle++;
    liveDcs.insert(dc);
    return dc;
}

int32_t RecordingThemePlatform::ReleaseDC(NativeHandle window, NativeHandle dc) {
    Enter("ReleaseDC", "user32", std::to_string(window) + "," + std::to_string(dc));
    return liveDcs.erase(dc) ? 1 : 0;
}

int32_t RecordingThemePlatform::FillRect(NativeHandle dc, const PlatformRect& rect, NativeHandle brush) {
    Enter("FillRect", "user32",
          std::to_string(dc) + ",{" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
              std::to_string(rect.right) + "," + std::to_string(rect.bottom) + "}," + std::to_string(brush));
    return 1;
}

bool RecordingThemePlatform::DrawStateA(NativeHandle dc, NativeHandle image, int32_t x, int32_t y, int32_t width,
                                        int32_t height, uint32_t flags) {
    char arguments[128];
    std::snprintf(arguments, sizeof arguments, "%llu,%llu,%d,%d,%d,%d,0x%X", static_cast<unsigned long long>(dc),
                  static_cast<unsigned long long>(image), x, y, width, height, static_cast<unsigned>(flags));
    Enter("DrawStateA", "user32", arguments);
    return true;
}

namespace {
std::string RectText(const PlatformRect& r) {
    return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + "}";
}
}  // namespace

MessageResult RecordingThemePlatform::SendMessageA(NativeHandle window, uint32_t message, MessageWParam wParam,
                                                   MessageLParam lParam) {
    Enter("SendMessageA", "user32", MessageArguments(window, message, wParam, lParam));
    return message == 0x00F2 ? buttonState : 0;
}

NativeHandle RecordingThemePlatform::BeginPaint(NativeHandle window, PaintRecord& record) {
    Enter("BeginPaint", "user32", std::to_string(window));
    NativeHandle dc = nextHandle++;
    liveDcs.insert(dc);
    std::memcpy(record.bytes, &dc, sizeof dc);  // the record must come back to EndPaint untouched
    return dc;
}

bool RecordingThemePlatform::EndPaint(NativeHandle window, const PaintRecord& record) {
    NativeHandle dc = 0;
    std::memcpy(&dc, record.bytes, sizeof dc);
    Enter("EndPaint", "user32", std::to_string(window) + "," + std::to_string(dc));
    return liveDcs.erase(dc) != 0;
}

bool RecordingThemePlatform::TrackMouseEvent(const TrackMouseRecord& record) {
    Enter("TrackMouseEvent", "user32",
          std::to_string(record.cbSize) + "," + std::to_string(record.dwFlags) + "," + std::to_string(record.hwndTrack) +
              "," + std::to_string(record.dwHoverTime));
    return true;
}

bool RecordingThemePlatform::InvalidateRect(NativeHandle window, const PlatformRect* rect, bool erase) {
    Enter("InvalidateRect", "user32",
          std::to_string(window) + "," + (rect ? RectText(*rect) : "null") + "," + (erase ? "erase" : "no erase"));
    return true;
}

bool RecordingThemePlatform::ValidateRect(NativeHandle window, const PlatformRect* rect) {
    Enter("ValidateRect", "user32", std::to_string(window) + "," + (rect ? RectText(*rect) : "null"));
    return true;
}

bool RecordingThemePlatform::InvalidateRgn(NativeHandle window, NativeHandle region, bool erase) {
    Enter("InvalidateRgn", "user32",
          std::to_string(window) + "," + std::to_string(region) + "," + (erase ? "erase" : "no erase"));
    return true;
}

NativeHandle RecordingThemePlatform::GetFocus() {
    Enter("GetFocus", "user32", "");
    return focusWindow;
}

uint32_t RecordingThemePlatform::GetSysColor(int32_t index) {
    Enter("GetSysColor", "user32", std::to_string(index));
    return 0x010000u * static_cast<uint32_t>(index);  // a colour that names its index
}

PlatformRect RecordingThemePlatform::GetClientRect(NativeHandle window) {
    Enter("GetClientRect", "user32", std::to_string(window));
    return clientRect;
}

int32_t RecordingThemePlatform::DrawFocusRect(NativeHandle dc, const PlatformRect& rect) {
    Enter("DrawFocusRect", "user32", std::to_string(dc) + "," + RectText(rect));
    return 1;
}

int32_t RecordingThemePlatform::DrawTextA(NativeHandle dc, const std::string& text, int32_t length,
                                          PlatformRect& rect, uint32_t format) {
    char flags[16];
    std::snprintf(flags, sizeof flags, "0x%X", static_cast<unsigned>(format));
    Enter("DrawTextA", "user32",
          std::to_string(dc) + "," + text + "," + std::to_string(length) + "," + RectText(rect) + "," + flags);
    rect.bottom = rect.top + textHeight;
    return textHeight;
}

NativeHandle RecordingThemePlatform::OpenThemeData(NativeHandle window, const std::string& classList) {
    Enter("OpenThemeData", "uxtheme", std::to_string(window) + "," + classList);
    ++openThemes;
    return 0x7E;
}

int32_t RecordingThemePlatform::CloseThemeData(NativeHandle theme) {
    Enter("CloseThemeData", "uxtheme", std::to_string(theme));
    --openThemes;
    return 0;
}

NativeHandle RecordingThemePlatform::GetThemeBackgroundRegion(NativeHandle theme, NativeHandle dc, int32_t part,
                                                              int32_t state, const PlatformRect& rect) {
    Enter("GetThemeBackgroundRegion", "uxtheme",
          std::to_string(theme) + "," + std::to_string(dc) + "," + std::to_string(part) + "," +
              std::to_string(state) + "," + RectText(rect));
    NativeHandle region = nextHandle++;
    liveObjects.insert(region);
    return region;
}

int32_t RecordingThemePlatform::DrawThemeParentBackground(NativeHandle window, NativeHandle dc,
                                                          const PlatformRect& rect) {
    Enter("DrawThemeParentBackground", "uxtheme",
          std::to_string(window) + "," + std::to_string(dc) + "," + RectText(rect));
    return parentBackgroundResult;
}

int32_t RecordingThemePlatform::DrawThemeBackground(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                                    const PlatformRect& rect, const PlatformRect& clip) {
    Enter("DrawThemeBackground", "uxtheme",
          std::to_string(theme) + "," + std::to_string(dc) + "," + std::to_string(part) + "," +
              std::to_string(state) + "," + RectText(rect) + "," + RectText(clip));
    return 0;
}

PlatformRect RecordingThemePlatform::GetThemeBackgroundContentRect(NativeHandle theme, NativeHandle dc,
                                                                   int32_t part, int32_t state,
                                                                   const PlatformRect& bounds) {
    Enter("GetThemeBackgroundContentRect", "uxtheme",
          std::to_string(theme) + "," + std::to_string(dc) + "," + std::to_string(part) + "," +
              std::to_string(state) + "," + RectText(bounds));
    return contentRect;
}

int32_t RecordingThemePlatform::DrawThemeText(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                              const std::string& text, int32_t length, uint32_t flags,
                                              uint32_t flags2, const PlatformRect& rect) {
    char bits[32];
    std::snprintf(bits, sizeof bits, "0x%X,%u", static_cast<unsigned>(flags), static_cast<unsigned>(flags2));
    Enter("DrawThemeText", "uxtheme",
          std::to_string(theme) + "," + std::to_string(dc) + "," + std::to_string(part) + "," +
              std::to_string(state) + "," + text + "," + std::to_string(length) + "," + bits + "," + RectText(rect));
    return 0;
}

int32_t RecordingThemePlatform::ExtSelectClipRgn(NativeHandle dc, NativeHandle region, int32_t mode) {
    Enter("ExtSelectClipRgn", "gdi32", std::to_string(dc) + "," + std::to_string(region) + "," + std::to_string(mode));
    return 1;
}

NativeHandle RecordingThemePlatform::CreateSolidBrush(uint32_t color) {
    char arguments[16];
    std::snprintf(arguments, sizeof arguments, "0x%06X", static_cast<unsigned>(color));
    Enter("CreateSolidBrush", "gdi32", arguments);
    NativeHandle brush = nextHandle++;
    liveObjects.insert(brush);
    return brush;
}

NativeHandle RecordingThemePlatform::CreateCompatibleDC(NativeHandle dc) {
    Enter("CreateCompatibleDC", "gdi32", std::to_string(dc));
    NativeHandle memory = nextHandle++;
    liveDcs.insert(memory);
    selected[memory] = 1;  // the stock bitmap a new memory device context starts with
    return memory;
}

NativeHandle RecordingThemePlatform::CreateCompatibleBitmap(NativeHandle dc, int32_t width, int32_t height) {
    Enter("CreateCompatibleBitmap", "gdi32",
          std::to_string(dc) + "," + std::to_string(width) + "," + std::to_string(height));
    NativeHandle bitmap = nextHandle++;
    liveObjects.insert(bitmap);
    return bitmap;
}

NativeHandle RecordingThemePlatform::SelectObject(NativeHandle dc, NativeHandle object) {
    Enter("SelectObject", "gdi32", std::to_string(dc) + "," + std::to_string(object));
    NativeHandle previous = selected[dc];
    selected[dc] = object;
    return previous;
}

bool RecordingThemePlatform::DeleteObject(NativeHandle object) {
    Enter("DeleteObject", "gdi32", std::to_string(object));
    for (const auto& [dc, inDc] : selected) {
        if (inDc == object && liveDcs.count(dc)) return false;  // still selected: the platform refuses
    }
    return liveObjects.erase(object) != 0;
}

bool RecordingThemePlatform::DeleteDC(NativeHandle dc) {
    Enter("DeleteDC", "gdi32", std::to_string(dc));
    selected.erase(dc);
    return liveDcs.erase(dc) != 0;
}

bool RecordingThemePlatform::TransparentBlt(NativeHandle destination, int32_t x, int32_t y, int32_t width,
                                            int32_t height, NativeHandle source, int32_t sourceX, int32_t sourceY,
                                            int32_t sourceWidth, int32_t sourceHeight, uint32_t transparentColor) {
    char arguments[160];
    std::snprintf(arguments, sizeof arguments, "%llu,%d,%d,%d,%d,%llu,%d,%d,%d,%d,0x%06X",
                  static_cast<unsigned long long>(destination), x, y, width, height,
                  static_cast<unsigned long long>(source), sourceX, sourceY, sourceWidth, sourceHeight,
                  static_cast<unsigned>(transparentColor));
    Enter("TransparentBlt", "msimg32", arguments);
    return true;
}

NativeHandle RecordingThemePlatform::LoadLibraryA(const std::string& fileName) {
    Enter("LoadLibraryA", "kernel32", fileName);
    return 0x10000;
}

void RecordingThemePlatform::OutputDebugStringA(const std::string& text) {
    if (missingLibraries.count("kernel32")) throw Failure::LibraryNotFound("kernel32");
    if (missing.count("OutputDebugStringA")) throw Failure::EntryPointNotFound("OutputDebugStringA", "kernel32");
    traces.push_back(text);
}

int32_t RecordingThemePlatform::IsAppThemed() {
    Enter("IsAppThemed", "uxtheme", "");
    return appThemed;
}

int32_t RecordingThemePlatform::IsThemeActive() {
    Enter("IsThemeActive", "uxtheme", "");
    return themeActive;
}

uint32_t RecordingThemePlatform::GetThemeAppProperties() {
    Enter("GetThemeAppProperties", "uxtheme", "");
    return appProperties;
}

}  // namespace velkorin::fakes
