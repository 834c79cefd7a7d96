#include "fakes/ArgumentText.h"

#include <cstdio>
#include <cstring>

namespace velkorin::fakes {

namespace {
std::string Hex(unsigned long long value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%0*llX", digits, value);
    return text;
}

std::string RectText(const PlatformRect& r) {
    return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + "}";
}
}  // namespace

void AddArgument(ArgumentTexts& texts, std::string_view name, unsigned long long value) {
    if (name == "message") {
        texts.push_back(Hex(value, 4));
    } else if (name == "color" || name == "transparentColor") {
        texts.push_back(Hex(value, 6));
    } else if (name == "flags" || name == "format") {
        texts.push_back(Hex(value, 0));
    } else {
        texts.push_back(std::to_string(value));
    }
}

void AddArgument(ArgumentTexts& texts, std::string_view, long long value) { texts.push_back(std::to_string(value)); }

void AddArgument(ArgumentTexts& texts, std::string_view name, bool value) {
    texts.push_back((value ? "" : "no ") + std::string(name));
}

void AddArgument(ArgumentTexts& texts, std::string_view, const std::string& value) { texts.push_back(value); }

void AddArgument(ArgumentTexts& texts, std::string_view, const PlatformRect& value) {
    texts.push_back(RectText(value));
}

void AddArgument(ArgumentTexts& texts, std::string_view, const PlatformRect* value) {
    texts.push_back(value ? RectText(*value) : "null");
}

void AddArgument(ArgumentTexts& texts, std::string_view, SubclassProcedure value) {
    texts.push_back(value == SubclassProcedure::RedirectFrame ? "pvRedirectFrame" : "pvRedirectButton");
}

void AddArgument(ArgumentTexts& texts, std::string_view, const DllVersionInfo& value) {
    texts.push_back(std::to_string(value.cbSize) + "," + std::to_string(value.dwMajorVersion) + "," +
                    std::to_string(value.dwMinorVersion) + "," + std::to_string(value.dwBuildNumber) + "," +
                    std::to_string(value.dwPlatformID));
}

void AddArgument(ArgumentTexts& texts, std::string_view, const InitCommonControlsRecord& value) {
    texts.push_back(std::to_string(value.dwSize) + "," + Hex(value.dwICC, 0));
}

void AddArgument(ArgumentTexts& texts, std::string_view, const TrackMouseRecord& value) {
    texts.push_back(std::to_string(value.cbSize) + "," + std::to_string(value.dwFlags) + "," +
                    std::to_string(value.hwndTrack.Value()) + "," + std::to_string(value.dwHoverTime));
}

void AddArgument(ArgumentTexts& texts, std::string_view name, const PaintRecord& value) {
    DcHandle dc;
    std::memcpy(&dc, value.bytes, sizeof dc);
    AddArgument(texts, name, dc);
}

void AddArgument(ArgumentTexts&, std::string_view, PaintRecord&) {}

std::vector<std::string_view> ParameterNames(std::string_view list) {
    std::vector<std::string_view> names;
    list = list.substr(1, list.size() - 2);  // without the parentheses
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        std::string_view name = list.substr(0, comma);
        while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
        names.push_back(name);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return names;
}

}  // namespace velkorin::fakes
