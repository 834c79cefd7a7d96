#pragma once

#include <string>

namespace velkorin {

// Appends one line to a text file: created when absent, never truncated, the line written in the
// system's ANSI code page and ended with CR LF, the file closed again before the call returns.
class TextFileAppender {
public:
    virtual ~TextFileAppender() = default;
    virtual void AppendLine(const std::string& path, const std::string& line) = 0;
};

}  // namespace velkorin
