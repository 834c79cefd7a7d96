#include "selftest/LogWriter.h"

#include "runtime/ErrorScope.h"
#include "runtime/Utf16.h"

namespace velkorin {

void LogWriter::AddToLogs(const std::string& sMsg) {
    ErrorScope err;
    const std::string message = sMsg;  // the caller's text may change while we yield

    err.Step([&] { runtime_.eventLoop.DoEvents(); });
    // Opened, written and closed in one call with no yield in between, so a nested call never
    // finds the file held open.
    err.Step([&] {
        runtime_.textFiles.AppendLine(runtime_.programFolder.Path() + "\\log.txt", message);
    });
    err.Step([&] { runtime_.eventLoop.DoEvents(); });

    // A box whose text cannot be read is treated as empty: the line still shows.
    std::string shown;
    err.Step([&] { shown = text1_.Text(); });
    err.Step([&] { text1_.SetText(shown.empty() ? message : shown + "\r\n" + message); });
    err.Step([&] { text1_.SetSelStart(static_cast<int32_t>(Utf16Length(text1_.Text()))); });
    err.Step([&] { runtime_.eventLoop.DoEvents(); });
}

}  // namespace velkorin
