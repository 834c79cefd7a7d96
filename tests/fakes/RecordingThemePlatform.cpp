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
