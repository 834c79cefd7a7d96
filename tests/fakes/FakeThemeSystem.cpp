#include "fakes/FakeThemeSystem.h"

#include <cstring>

namespace velkorin::fakes {

GdiObjectHandle FakeThemeSystem::NewObject() {
    const GdiObjectHandle object(nextHandle++);
    liveObjects.insert(object);
    return object;
}

DcHandle FakeThemeSystem::NewDc() {
    const DcHandle dc(nextHandle++);
    liveDcs.insert(dc);
    return dc;
}

// --- comctl32

int32_t FakeThemeSystem::DllGetVersion(DllVersionInfo& info) {
    if (!versionCallFills) return static_cast<int32_t>(0x80004005u);
    info.dwMajorVersion = comctlMajor;
    info.dwMinorVersion = 81;
    return 0;
}

bool FakeThemeSystem::InitCommonControlsEx(const InitCommonControlsRecord&) { return true; }

MessageResult FakeThemeSystem::DefSubclassProc(WindowHandle, uint32_t, MessageWParam, MessageLParam) {
    return defSubclassResult;
}

bool FakeThemeSystem::SetWindowSubclass(WindowHandle, SubclassProcedure, std::uintptr_t, std::uintptr_t) {
    return true;
}

// --- user32

MessageResult FakeThemeSystem::DefWindowProcA(WindowHandle, uint32_t, MessageWParam, MessageLParam) {
    return defWindowResult;
}

PropertyValue FakeThemeSystem::GetPropA(WindowHandle window, const std::string& name) {
    auto found = properties.find({window, name});
    return found == properties.end() ? 0 : found->second;
}

bool FakeThemeSystem::SetPropA(WindowHandle window, const std::string& name, PropertyValue value) {
    properties[{window, name}] = value;
    return true;
}

int32_t FakeThemeSystem::IsWindowVisible(WindowHandle window) { return visibleWindows.count(window) ? 1 : 0; }

DcHandle FakeThemeSystem::GetDC(WindowHandle) { return NewDc(); }

int32_t FakeThemeSystem::ReleaseDC(WindowHandle, DcHandle dc) { return liveDcs.erase(dc) ? 1 : 0; }

int32_t FakeThemeSystem::FillRect(DcHandle, const PlatformRect&, GdiObjectHandle) { return 1; }

bool FakeThemeSystem::DrawStateA(DcHandle, GdiObjectHandle, int32_t, int32_t, int32_t, int32_t, uint32_t) {
    return true;
}

MessageResult FakeThemeSystem::SendMessageA(WindowHandle, uint32_t message, MessageWParam, MessageLParam) {
    return message == 0x00F2 ? buttonState : 0;  // BM_GETSTATE
}

WindowHandle FakeThemeSystem::GetFocus() { return focusWindow; }

DcHandle FakeThemeSystem::BeginPaint(WindowHandle, PaintRecord& record) {
    const DcHandle dc = NewDc();
    std::memcpy(record.bytes, &dc, sizeof dc);  // the record must come back to EndPaint untouched
    return dc;
}

bool FakeThemeSystem::EndPaint(WindowHandle, const PaintRecord& record) {
    DcHandle dc;
    std::memcpy(&dc, record.bytes, sizeof dc);
    return liveDcs.erase(dc) != 0;
}

bool FakeThemeSystem::TrackMouseEvent(const TrackMouseRecord&) { return true; }

bool FakeThemeSystem::InvalidateRect(WindowHandle, const PlatformRect*, bool) { return true; }

bool FakeThemeSystem::ValidateRect(WindowHandle, const PlatformRect*) { return true; }

bool FakeThemeSystem::InvalidateRgn(WindowHandle, RegionHandle, bool) { return true; }

uint32_t FakeThemeSystem::GetSysColor(int32_t index) {
    return 0x010000u * static_cast<uint32_t>(index);  // a colour that names its index
}

PlatformRect FakeThemeSystem::GetClientRect(WindowHandle) { return clientRect; }

int32_t FakeThemeSystem::DrawFocusRect(DcHandle, const PlatformRect&) { return 1; }

int32_t FakeThemeSystem::DrawTextA(DcHandle, const std::string&, int32_t, PlatformRect& rect, uint32_t) {
    rect.bottom = rect.top + textHeight;
    return textHeight;
}

// --- uxtheme

ThemeHandle FakeThemeSystem::OpenThemeData(WindowHandle, const std::string&) {
    ++openThemes;
    return ThemeHandle(0x7E);
}

int32_t FakeThemeSystem::CloseThemeData(ThemeHandle) {
    --openThemes;
    return 0;
}

RegionHandle FakeThemeSystem::GetThemeBackgroundRegion(ThemeHandle, DcHandle, int32_t, int32_t,
                                                       const PlatformRect&) {
    return RegionHandle(NewObject().Value());
}

int32_t FakeThemeSystem::DrawThemeParentBackground(WindowHandle, DcHandle, const PlatformRect&) {
    return parentBackgroundResult;
}

int32_t FakeThemeSystem::DrawThemeBackground(ThemeHandle, DcHandle, int32_t, int32_t, const PlatformRect&,
                                             const PlatformRect&) {
    return 0;
}

PlatformRect FakeThemeSystem::GetThemeBackgroundContentRect(ThemeHandle, DcHandle, int32_t, int32_t,
                                                            const PlatformRect&) {
    return contentRect;
}

int32_t FakeThemeSystem::DrawThemeText(ThemeHandle, DcHandle, int32_t, int32_t, const std::string&, int32_t,
                                       uint32_t, uint32_t, const PlatformRect&) {
    return 0;
}

int32_t FakeThemeSystem::IsAppThemed() { return appThemed; }

int32_t FakeThemeSystem::IsThemeActive() { return themeActive; }

uint32_t FakeThemeSystem::GetThemeAppProperties() { return appProperties; }

// --- gdi32 and msimg32

int32_t FakeThemeSystem::ExtSelectClipRgn(DcHandle, RegionHandle, int32_t) { return 1; }

GdiObjectHandle FakeThemeSystem::CreateSolidBrush(uint32_t) { return NewObject(); }

DcHandle FakeThemeSystem::CreateCompatibleDC(DcHandle) {
    const DcHandle memory = NewDc();
    selected[memory] = GdiObjectHandle(1);  // the stock bitmap a new memory device context starts with
    return memory;
}

GdiObjectHandle FakeThemeSystem::CreateCompatibleBitmap(DcHandle, int32_t, int32_t) { return NewObject(); }

GdiObjectHandle FakeThemeSystem::SelectObject(DcHandle dc, GdiObjectHandle object) {
    const GdiObjectHandle previous = selected[dc];
    selected[dc] = object;
    return previous;
}

bool FakeThemeSystem::DeleteObject(GdiObjectHandle object) {
    for (const auto& [dc, inDc] : selected) {
        if (inDc == object && liveDcs.count(dc)) return false;  // still selected: the platform refuses
    }
    return liveObjects.erase(object) != 0;
}

bool FakeThemeSystem::DeleteDC(DcHandle dc) {
    selected.erase(dc);
    return liveDcs.erase(dc) != 0;
}

bool FakeThemeSystem::TransparentBlt(DcHandle, int32_t, int32_t, int32_t, int32_t, DcHandle, int32_t, int32_t,
                                     int32_t, int32_t, uint32_t) {
    return true;
}

// --- kernel32

ModuleHandle FakeThemeSystem::LoadLibraryA(const std::string&) { return ModuleHandle(0x10000); }

void FakeThemeSystem::OutputDebugStringA(const std::string& text) { traces.push_back(text); }

}  // namespace velkorin::fakes
