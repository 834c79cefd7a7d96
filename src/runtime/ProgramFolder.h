#pragma once

#include <memory>
#include <string>

namespace velkorin {

// The folder of the program's executable: no trailing backslash, except at the root of a drive.
class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    virtual std::string Path() = 0;
    // Keeps the folder where it is, under its name, until the hold is let go: nobody can rename or
    // delete it, or put a link to another folder in its place, so every line of a run lands in one
    // folder. Null where it cannot be held; holds may overlap.
    virtual std::shared_ptr<void> Hold() { return nullptr; }
};

// "C:\app\Velkorin.exe" -> "C:\app"; "C:\Velkorin.exe" -> "C:\".
std::string FolderOfModulePath(const std::string& modulePath);

}  // namespace velkorin
