#include "RecordingThemePlatform.h"

#include <cstdio>

#include "Failure.h"

namespace velkorin::fakes {

void RecordingThemePlatform::Enter(const std::string& function, const char* library, const std::string& arguments) {
    calls.push_back(function + "(" + arguments + ")");
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
