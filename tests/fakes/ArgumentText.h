#pragma once

#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

#include "fakes/RecordedCall.h"
#include "xptheme/ThemePlatform.h"

namespace velkorin::fakes {

// How a recorded platform call writes its arguments: "64,0x000F,0,0". One spelling for every
// function: handles and counts in decimal, a whole number in hex only where its parameter's name says
// it is a message, a colour or a set of flags, and a record field by field.
using ArgumentTexts = std::vector<std::string>;

void AddArgument(ArgumentTexts& texts, std::string_view name, unsigned long long value);
void AddArgument(ArgumentTexts& texts, std::string_view name, long long value);
void AddArgument(ArgumentTexts& texts, std::string_view name, bool value);
void AddArgument(ArgumentTexts& texts, std::string_view name, const std::string& value);
void AddArgument(ArgumentTexts& texts, std::string_view name, const PlatformRect& value);
void AddArgument(ArgumentTexts& texts, std::string_view name, const PlatformRect* value);
void AddArgument(ArgumentTexts& texts, std::string_view name, SubclassProcedure value);
void AddArgument(ArgumentTexts& texts, std::string_view name, const DllVersionInfo& value);
void AddArgument(ArgumentTexts& texts, std::string_view name, const InitCommonControlsRecord& value);
void AddArgument(ArgumentTexts& texts, std::string_view name, const TrackMouseRecord& value);
void AddArgument(ArgumentTexts& texts, std::string_view name, const PaintRecord& value);  // the DC it carries
void AddArgument(ArgumentTexts& texts, std::string_view name, PaintRecord& value);  // filled by the call: not shown

// A handle in decimal, whatever its kind.
template <class Kind>
void AddArgument(ArgumentTexts& texts, std::string_view name, PlatformHandle<Kind> value) {
    AddArgument(texts, name, static_cast<unsigned long long>(value.Value()));
}

// Whole numbers of any width and sign: the same text in a 32-bit and a 64-bit build.
template <class Number, std::enable_if_t<std::is_integral_v<Number> && !std::is_same_v<Number, bool>, int> = 0>
void AddArgument(ArgumentTexts& texts, std::string_view name, Number value) {
    if constexpr (std::is_signed_v<Number>) {
        AddArgument(texts, name, static_cast<long long>(value));
    } else {
        AddArgument(texts, name, static_cast<unsigned long long>(value));
    }
}

// The parameters' names as the list spells them, "(window, message)", split into names.
std::vector<std::string_view> ParameterNames(std::string_view list);

// The call of `function` with these arguments, each under its name; an argument the call fills
// in rather than reads is left out, name and all.
template <class... Values>
RecordedCall RecordCall(const char* function, std::string_view nameList, const std::tuple<Values&...>& values) {
    const std::vector<std::string_view> names = ParameterNames(nameList);
    RecordedCall call{function, {}, {}};
    std::size_t index = 0;
    const auto add = [&](auto& value) {
        const std::size_t before = call.arguments.size();
        AddArgument(call.arguments, names.at(index), value);
        if (call.arguments.size() > before) call.names.push_back(names.at(index));
        ++index;
    };
    std::apply([&](auto&... value) { (add(value), ...); }, values);
    return call;
}

}  // namespace velkorin::fakes
