#pragma once

#include "runtime/TextFileAppender.h"

namespace velkorin::win32 {

// Opens the file through the wide API (any folder name works), appends the line in the ANSI code
// page with CR LF in one write, and closes it again.
class Win32TextFileAppender : public TextFileAppender {
public:
    void AppendLine(const std::string& path, const std::string& line) override;
};

}  // namespace velkorin::win32
