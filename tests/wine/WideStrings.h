#pragma once

#include <string>

#include "runtime/win32/TextConversion.h"

namespace velkorin::win32 {

// The checks build paths and texts as std::wstring, which the product leaves out for its size.
inline std::string WideToUtf8(const std::wstring& wide) { return WideToUtf8(wide.data(), static_cast<int>(wide.size())); }

}  // namespace velkorin::win32
