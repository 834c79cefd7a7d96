#pragma once

#include <cstddef>
#include <string>

namespace velkorin {

// Length of UTF-8 text in UTF-16 code units, the unit in which a text box counts its caret position.
std::size_t Utf16Length(const std::string& utf8);

}  // namespace velkorin
