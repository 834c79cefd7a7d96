#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "runtime/FormControl.h"

namespace velkorin::themed {

using NamedControls = std::vector<std::pair<std::string, FormControlRef>>;

// First the common controls' major version as the library gives it and as its assembly is named:
//   comctl32 library=<n> assembly=<n>
// then for each control, inside the process that owns the windows (GetWindowSubclass answers nowhere
// else), which of the module's subclass procedures sit on its window and with what reference data:
//   <name> hwnd=<decimal> frame=<0|1> button=<0|1> ref=<none|self|other>
// Written whole to a temporary name and then moved, so a reader never sees half of it.
bool WriteSubclassReport(const std::wstring& path, uint32_t libraryMajor, uint32_t assemblyMajor,
                         const NamedControls& controls);

}  // namespace velkorin::themed
