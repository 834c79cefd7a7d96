#include "paint/CountingThemePlatform.h"

namespace velkorin::bench {

// --- What is counted: objects made and given back, and the reports of failures.

NativeHandle CountingThemePlatform::GetDC(NativeHandle window) {
    const CallTimer timer(profile_["GetDC"]);
    const NativeHandle dc = real_.GetDC(window);
    counts_.dcsGot += dc != 0;
    return dc;
}

int32_t CountingThemePlatform::ReleaseDC(NativeHandle window, NativeHandle dc) {
    const CallTimer timer(profile_["ReleaseDC"]);
    const int32_t released = real_.ReleaseDC(window, dc);
    counts_.dcsReleased += released != 0;
    return released;
}

NativeHandle CountingThemePlatform::OpenThemeData(NativeHandle window, const std::string& classList) {
    const CallTimer timer(profile_["OpenThemeData"]);
    const NativeHandle theme = real_.OpenThemeData(window, classList);
    counts_.themesOpened += theme != 0;
    return theme;
}

int32_t CountingThemePlatform::CloseThemeData(NativeHandle theme) {
    const CallTimer timer(profile_["CloseThemeData"]);
    const int32_t result = real_.CloseThemeData(theme);
    counts_.themesClosed += theme != 0 && result == 0;
    return result;
}

NativeHandle CountingThemePlatform::GetThemeBackgroundRegion(NativeHandle theme, NativeHandle dc, int32_t part,
                                                             int32_t state, const PlatformRect& rect) {
    const CallTimer timer(profile_["GetThemeBackgroundRegion"]);
    const NativeHandle region = real_.GetThemeBackgroundRegion(theme, dc, part, state, rect);
    counts_.gdiObjectsMade += region != 0;
    return region;
}

int32_t CountingThemePlatform::DrawThemeBackground(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                                   const PlatformRect& rect, const PlatformRect& clip) {
    const CallTimer timer(profile_["DrawThemeBackground"]);
    ++counts_.themedFaces;
    counts_.lastFaceState = state;
    return real_.DrawThemeBackground(theme, dc, part, state, rect, clip);
}

NativeHandle CountingThemePlatform::CreateSolidBrush(uint32_t color) {
    const CallTimer timer(profile_["CreateSolidBrush"]);
    const NativeHandle brush = real_.CreateSolidBrush(color);
    counts_.gdiObjectsMade += brush != 0;
    return brush;
}

NativeHandle CountingThemePlatform::CreateCompatibleDC(NativeHandle dc) {
    const CallTimer timer(profile_["CreateCompatibleDC"]);
    const NativeHandle memory = real_.CreateCompatibleDC(dc);
    counts_.memoryDcsMade += memory != 0;
    return memory;
}

NativeHandle CountingThemePlatform::CreateCompatibleBitmap(NativeHandle dc, int32_t width, int32_t height) {
    const CallTimer timer(profile_["CreateCompatibleBitmap"]);
    const NativeHandle bitmap = real_.CreateCompatibleBitmap(dc, width, height);
    counts_.gdiObjectsMade += bitmap != 0;
    return bitmap;
}

bool CountingThemePlatform::DeleteObject(NativeHandle object) {
    const CallTimer timer(profile_["DeleteObject"]);
    const bool deleted = real_.DeleteObject(object);
    counts_.gdiObjectsDeleted += deleted;
    return deleted;
}

bool CountingThemePlatform::DeleteDC(NativeHandle dc) {
    const CallTimer timer(profile_["DeleteDC"]);
    const bool deleted = real_.DeleteDC(dc);
    counts_.memoryDcsDeleted += deleted;
    return deleted;
}

void CountingThemePlatform::OutputDebugStringA(const std::string& text) {
    const CallTimer timer(profile_["OutputDebugStringA"]);
    ++counts_.failuresReported;
    real_.OutputDebugStringA(text);
}

// --- Everything else passes straight through.

int32_t CountingThemePlatform::DllGetVersion(DllVersionInfo& info) {
    const CallTimer timer(profile_["DllGetVersion"]);
    return real_.DllGetVersion(info);
}

bool CountingThemePlatform::InitCommonControlsEx(const InitCommonControlsRecord& record) {
    const CallTimer timer(profile_["InitCommonControlsEx"]);
    return real_.InitCommonControlsEx(record);
}

MessageResult CountingThemePlatform::DefSubclassProc(NativeHandle window, uint32_t message, MessageWParam wParam,
                                                     MessageLParam lParam) {
    const CallTimer timer(profile_["DefSubclassProc"]);
    return real_.DefSubclassProc(window, message, wParam, lParam);
}

bool CountingThemePlatform::SetWindowSubclass(NativeHandle window, SubclassProcedure procedure,
                                              std::uintptr_t subclassId, std::uintptr_t referenceData) {
    const CallTimer timer(profile_["SetWindowSubclass"]);
    return real_.SetWindowSubclass(window, procedure, subclassId, referenceData);
}

MessageResult CountingThemePlatform::DefWindowProcA(NativeHandle window, uint32_t message, MessageWParam wParam,
                                                    MessageLParam lParam) {
    const CallTimer timer(profile_["DefWindowProcA"]);
    return real_.DefWindowProcA(window, message, wParam, lParam);
}

NativeHandle CountingThemePlatform::GetPropA(NativeHandle window, const std::string& name) {
    const CallTimer timer(profile_["GetPropA"]);
    return real_.GetPropA(window, name);
}

bool CountingThemePlatform::SetPropA(NativeHandle window, const std::string& name, NativeHandle value) {
    const CallTimer timer(profile_["SetPropA"]);
    return real_.SetPropA(window, name, value);
}

int32_t CountingThemePlatform::IsWindowVisible(NativeHandle window) {
    const CallTimer timer(profile_["IsWindowVisible"]);
    return real_.IsWindowVisible(window);
}

int32_t CountingThemePlatform::FillRect(NativeHandle dc, const PlatformRect& rect, NativeHandle brush) {
    const CallTimer timer(profile_["FillRect"]);
    return real_.FillRect(dc, rect, brush);
}

bool CountingThemePlatform::DrawStateA(NativeHandle dc, NativeHandle image, int32_t x, int32_t y, int32_t width,
                                       int32_t height, uint32_t flags) {
    const CallTimer timer(profile_["DrawStateA"]);
    return real_.DrawStateA(dc, image, x, y, width, height, flags);
}

MessageResult CountingThemePlatform::SendMessageA(NativeHandle window, uint32_t message, MessageWParam wParam,
                                                  MessageLParam lParam) {
    const CallTimer timer(profile_["SendMessageA"]);
    return real_.SendMessageA(window, message, wParam, lParam);
}

NativeHandle CountingThemePlatform::GetFocus() {
    const CallTimer timer(profile_["GetFocus"]);
    return real_.GetFocus();
}

NativeHandle CountingThemePlatform::BeginPaint(NativeHandle window, PaintRecord& record) {
    const CallTimer timer(profile_["BeginPaint"]);
    return real_.BeginPaint(window, record);
}

bool CountingThemePlatform::EndPaint(NativeHandle window, const PaintRecord& record) {
    const CallTimer timer(profile_["EndPaint"]);
    return real_.EndPaint(window, record);
}

bool CountingThemePlatform::TrackMouseEvent(const TrackMouseRecord& record) {
    const CallTimer timer(profile_["TrackMouseEvent"]);
    return real_.TrackMouseEvent(record);
}

bool CountingThemePlatform::InvalidateRect(NativeHandle window, const PlatformRect* rect, bool erase) {
    const CallTimer timer(profile_["InvalidateRect"]);
    return real_.InvalidateRect(window, rect, erase);
}

bool CountingThemePlatform::ValidateRect(NativeHandle window, const PlatformRect* rect) {
    const CallTimer timer(profile_["ValidateRect"]);
    return real_.ValidateRect(window, rect);
}

bool CountingThemePlatform::InvalidateRgn(NativeHandle window, NativeHandle region, bool erase) {
    const CallTimer timer(profile_["InvalidateRgn"]);
    return real_.InvalidateRgn(window, region, erase);
}

uint32_t CountingThemePlatform::GetSysColor(int32_t index) {
    const CallTimer timer(profile_["GetSysColor"]);
    return real_.GetSysColor(index);
}

PlatformRect CountingThemePlatform::GetClientRect(NativeHandle window) {
    const CallTimer timer(profile_["GetClientRect"]);
    return real_.GetClientRect(window);
}

int32_t CountingThemePlatform::DrawFocusRect(NativeHandle dc, const PlatformRect& rect) {
    const CallTimer timer(profile_["DrawFocusRect"]);
    return real_.DrawFocusRect(dc, rect);
}

int32_t CountingThemePlatform::DrawTextA(NativeHandle dc, const std::string& text, int32_t length, PlatformRect& rect,
                                         uint32_t format) {
    const CallTimer timer(profile_["DrawTextA"]);
    return real_.DrawTextA(dc, text, length, rect, format);
}

int32_t CountingThemePlatform::DrawThemeParentBackground(NativeHandle window, NativeHandle dc,
                                                         const PlatformRect& rect) {
    const CallTimer timer(profile_["DrawThemeParentBackground"]);
    return real_.DrawThemeParentBackground(window, dc, rect);
}

PlatformRect CountingThemePlatform::GetThemeBackgroundContentRect(NativeHandle theme, NativeHandle dc, int32_t part,
                                                                  int32_t state, const PlatformRect& bounds) {
    const CallTimer timer(profile_["GetThemeBackgroundContentRect"]);
    return real_.GetThemeBackgroundContentRect(theme, dc, part, state, bounds);
}

int32_t CountingThemePlatform::DrawThemeText(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                             const std::string& text, int32_t length, uint32_t flags, uint32_t flags2,
                                             const PlatformRect& rect) {
    const CallTimer timer(profile_["DrawThemeText"]);
    return real_.DrawThemeText(theme, dc, part, state, text, length, flags, flags2, rect);
}

int32_t CountingThemePlatform::ExtSelectClipRgn(NativeHandle dc, NativeHandle region, int32_t mode) {
    const CallTimer timer(profile_["ExtSelectClipRgn"]);
    return real_.ExtSelectClipRgn(dc, region, mode);
}

NativeHandle CountingThemePlatform::SelectObject(NativeHandle dc, NativeHandle object) {
    const CallTimer timer(profile_["SelectObject"]);
    return real_.SelectObject(dc, object);
}

bool CountingThemePlatform::TransparentBlt(NativeHandle destination, int32_t x, int32_t y, int32_t width,
                                           int32_t height, NativeHandle source, int32_t sourceX, int32_t sourceY,
                                           int32_t sourceWidth, int32_t sourceHeight, uint32_t transparentColor) {
    const CallTimer timer(profile_["TransparentBlt"]);
    return real_.TransparentBlt(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                                transparentColor);
}

NativeHandle CountingThemePlatform::LoadLibraryA(const std::string& fileName) {
    const CallTimer timer(profile_["LoadLibraryA"]);
    return real_.LoadLibraryA(fileName);
}

int32_t CountingThemePlatform::IsAppThemed() {
    const CallTimer timer(profile_["IsAppThemed"]);
    return real_.IsAppThemed();
}

int32_t CountingThemePlatform::IsThemeActive() {
    const CallTimer timer(profile_["IsThemeActive"]);
    return real_.IsThemeActive();
}

uint32_t CountingThemePlatform::GetThemeAppProperties() {
    const CallTimer timer(profile_["GetThemeAppProperties"]);
    return real_.GetThemeAppProperties();
}

}  // namespace velkorin::bench
