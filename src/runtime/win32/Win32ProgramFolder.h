#pragma once

#include "runtime/ProgramFolder.h"

namespace velkorin::win32 {

// The folder of the running executable, read through the wide API so any folder name survives.
class Win32ProgramFolder : public ProgramFolder {
public:
    std::string Path() override;
};

}  // namespace velkorin::win32
