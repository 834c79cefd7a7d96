#include "fakes/FakeThemeSystem.h"

#include <cstring>

namespace velkorin::fakes {

NativeHandle FakeThemeSystem::NewObject() {
    liveObjects.insert(nextHandle);
    return nextHandle++;
}

NativeHandle FakeThemeSystem::NewDc() {
    liveDcs.insert(nextHandle);
    return nextHandle++;
}

// --- comctl32

int32_t FakeThemeSystem::DllGetVersion(DllVersionInfo& info) {
    if (!versionCallFills) return static_cast<int32_t>(0x80004005u);
    info.dwMajorVersion = comctlMajor;
    info.dwMinorVersion = 81;
    return 0;
}

bool FakeThemeSystem::InitCommonControlsEx(const InitCommonControlsRecord&) { return true; }

MessageResult FakeThemeSystem::DefSubclassProc(NativeHandle, uint32_t, MessageWParam, MessageLParam) {
    return defSubclassResult;
}

bool FakeThemeSystem::SetWindowSubclass(NativeHandle, SubclassProcedure, std::uintptr_t, std::uintptr_t) {
    return true;
}

// --- user32

MessageResult FakeThemeSystem::DefWindowProcA(NativeHandle, uint32_t, MessageWParam, MessageLParam) {
    return defWindowResult;
}

NativeHandle FakeThemeSystem::GetPropA(NativeHandle window, const std::string& name) {
    auto found = properties.find({window, name});
    return found == properties.end() ? 0 : found->second;
}

bool FakeThemeSystem::SetPropA(NativeHandle window, const std::string& name, NativeHandle value) {
    properties[{window, name}] = value;
    return true;
}

int32_t FakeThemeSystem::IsWindowVisible(NativeHandle window) { return visibleWindows.count(window) ? 1 : 0; }

NativeHandle FakeThemeSystem::GetDC(NativeHandle) { return NewDc(); }

int32_t FakeThemeSystem::ReleaseDC(NativeHandle, NativeHandle dc) { return liveDcs.erase(dc) ? 1 : 0; }

int32_t FakeThemeSystem::FillRect(NativeHandle, const PlatformRect&, NativeHandle) { return 1; }

bool FakeThemeSystem::DrawStateA(NativeHandle, NativeHandle, int32_t, int32_t, int32_t, int32_t, uint32_t) {
    return true;
}

MessageResult FakeThemeSystem::SendMessageA(NativeHandle, uint32_t message, MessageWParam, MessageLParam) {
    return message == 0x00F2 ? buttonState : 0;  // BM_GETSTATE
}

NativeHandle FakeThemeSystem::GetFocus() { return focusWindow; }

NativeHandle FakeThemeSystem::BeginPaint(NativeHandle, PaintRecord& record) {
    NativeHandle dc = NewDc();
    std::memcpy(record.bytes, &dc, sizeof dc);  // the record must come back to EndPaint untouched
    return dc;
}

bool FakeThemeSystem::EndPaint(NativeHandle, const PaintRecord& record) {
    NativeHandle dc = 0;
    std::memcpy(&dc, record.bytes, sizeof dc);
    return liveDcs.erase(dc) != 0;
}

bool FakeThemeSystem::TrackMouseEvent(const TrackMouseRecord&) { return true; }

bool FakeThemeSystem::InvalidateRect(NativeHandle, const PlatformRect*, bool) { return true; }

bool FakeThemeSystem::ValidateRect(NativeHandle, const PlatformRect*) { return true; }

bool FakeThemeSystem::InvalidateRgn(NativeHandle, NativeHandle, bool) { return true; }

uint32_t FakeThemeSystem::GetSysColor(int32_t index) {
    return 0x010000u * static_cast<uint32_t>(index);  // a colour that names its index
}

PlatformRect FakeThemeSystem::GetClientRect(NativeHandle) { return clientRect; }

int32_t FakeThemeSystem::DrawFocusRect(NativeHandle, const PlatformRect&) { return 1; }

int32_t FakeThemeSystem::DrawTextA(NativeHandle, const std::string&, int32_t, PlatformRect& rect, uint32_t) {
    rect.bottom = rect.top + textHeight;
    return textHeight;
}

// --- uxtheme

NativeHandle FakeThemeSystem::OpenThemeData(NativeHandle, const std::string&) {
    ++openThemes;
    return 0x7E;
}

int32_t FakeThemeSystem::CloseThemeData(NativeHandle) {
    --openThemes;
    return 0;
}

NativeHandle FakeThemeSystem::GetThemeBackgroundRegion(NativeHandle, NativeHandle, int32_t, int32_t,
                                                       const PlatformRect&) {
    return NewObject();
}

int32_t FakeThemeSystem::DrawThemeParentBackground(NativeHandle, NativeHandle, const PlatformRect&) {
    return parentBackgroundResult;
}

int32_t FakeThemeSystem::DrawThemeBackground(NativeHandle, NativeHandle, int32_t, int32_t, const PlatformRect&,
                                             const PlatformRect&) {
    return 0;
}

PlatformRect FakeThemeSystem::GetThemeBackgroundContentRect(NativeHandle, NativeHandle, int32_t, int32_t,
                                                            const PlatformRect&) {
    return contentRect;
}

int32_t FakeThemeSystem::DrawThemeText(NativeHandle, NativeHandle, int32_t, int32_t, const std::string&, int32_t,
                                       uint32_t, uint32_t, const PlatformRect&) {
    return 0;
}

int32_t FakeThemeSystem::IsAppThemed() { return appThemed; }

int32_t FakeThemeSystem::IsThemeActive() { return themeActive; }

uint32_t FakeThemeSystem::GetThemeAppProperties() { return appProperties; }

// --- gdi32 and msimg32

int32_t FakeThemeSystem::ExtSelectClipRgn(NativeHandle, NativeHandle, int32_t) { return 1; }

NativeHandle FakeThemeSystem::CreateSolidBrush(uint32_t) { return NewObject(); }

NativeHandle FakeThemeSystem::CreateCompatibleDC(NativeHandle) {
    NativeHandle memory = NewDc();
    selected[memory] = 1;  // the stock bitmap a new memory device context starts with
    return memory;
}

NativeHandle FakeThemeSystem::CreateCompatibleBitmap(NativeHandle, int32_t, int32_t) { return NewObject(); }

NativeHandle FakeThemeSystem::SelectObject(NativeHandle dc, NativeHandle object) {
    NativeHandle previous = selected[dc];
    selected[dc] = object;
    return previous;
}

bool FakeThemeSystem::DeleteObject(NativeHandle object) {
    for (const auto& [dc, inDc] : selected) {
        if (inDc == object && liveDcs.count(dc)) return false;  // still selected: the platform refuses
    }
    return liveObjects.erase(object) != 0;
}

bool FakeThemeSystem::DeleteDC(NativeHandle dc) {
    selected.erase(dc);
    return liveDcs.erase(dc) != 0;
}

bool FakeThemeSystem::TransparentBlt(NativeHandle, int32_t, int32_t, int32_t, int32_t, NativeHandle, int32_t,
                                     int32_t, int32_t, int32_t, uint32_t) {
    return true;
}

// --- kernel32

NativeHandle FakeThemeSystem::LoadLibraryA(const std::string&) { return 0x10000; }

void FakeThemeSystem::OutputDebugStringA(const std::string& text) { traces.push_back(text); }

}  // namespace velkorin::fakes
