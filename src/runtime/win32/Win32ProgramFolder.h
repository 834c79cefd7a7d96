#pragma once

#include "runtime/ProgramFolder.h"

namespace velkorin::win32 {

// The full path of the running executable, in UTF-8; a Failure when the system cannot give it.
std::string ProgramFilePath();

// The folder of the running executable, read through the wide API so any folder name survives.
class Win32ProgramFolder : public ProgramFolder {
public:
    std::string Path() override;
    // The folder opened for listing, shared for reading and writing but not for deleting: while
    // the handle is open the system refuses to rename or remove the folder.
    std::shared_ptr<void> Hold() override;
};

}  // namespace velkorin::win32
