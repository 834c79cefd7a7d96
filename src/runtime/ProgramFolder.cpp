#include "runtime/ProgramFolder.h"

namespace velkorin {

std::string FolderOfModulePath(const std::string& modulePath) {
    std::string::size_type slash = modulePath.find_last_of("\\/");
    if (slash == std::string::npos) return std::string();
    std::string folder = modulePath.substr(0, slash);
    // A drive root keeps its backslash: "C:" alone would mean the drive's current folder.
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';
    return folder;
}

}  // namespace velkorin
