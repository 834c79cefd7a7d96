#pragma once

#include <string>

namespace velkorin::e2e {

// Makes a file or a folder refuse every write, and gives the writes back. A file gets the read-only
// attribute; under Wine run as root neither that attribute nor a folder's rights stop a write, so the
// host's immutable flag (chattr +i, run through Wine as a Unix program) is set as well where needed.
// Each returns once the path behaves as asked, or false at the deadline.
bool MakeUnwritable(const std::wstring& path);
bool MakeWritable(const std::wstring& path);

}  // namespace velkorin::e2e
