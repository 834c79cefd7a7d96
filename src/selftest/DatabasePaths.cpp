#include "selftest/DatabasePaths.h"

#include "selftest/DatabaseComponents.h"

namespace velkorin {

namespace {

bool NeedsQuotes(const std::string& folder) {
    if (folder.find_first_of(";\"") != std::string::npos) return true;
    return !folder.empty() && (folder.front() == ' ' || folder.back() == ' ');
}

std::string Quoted(const std::string& value) {
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::string DatabasePath(const std::string& folder) { return folder + database_components::kDatabaseFile; }

std::string AdoConnectionString(const std::string& folder) {
    const std::string path = DatabasePath(folder);
    return database_components::kAdoConnectionPrefix + (NeedsQuotes(folder) ? Quoted(path) : path) + ";";
}

}  // namespace velkorin
