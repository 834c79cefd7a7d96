#pragma once

#include <string>

namespace velkorin {

// The folder of the program's executable: no trailing backslash, except at the root of a drive.
class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    virtual std::string Path() = 0;
};

// "C:\app\Velkorin.exe" -> "C:\app"; "C:\Velkorin.exe" -> "C:\".
std::string FolderOfModulePath(const std::string& modulePath);

}  // namespace velkorin
