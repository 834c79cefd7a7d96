#pragma once

#include <functional>
#include <string>

#include "runtime/ErrorScope.h"
#include "selftest/LogBox.h"
#include "selftest/LogWriter.h"
#include "selftest/ModMain.h"
#include "runtime/Runtime.h"

namespace velkorin {

// The database self-test behind "Start Test": opens test.mdb through DAO, then through ADO, runs
// one query through each, closes everything and logs every step.
class TestRun {
public:
    TestRun(Runtime& runtime, LogBox& text1, LogWriter& log, ModMain& slots)
        : runtime_(runtime), text1_(text1), log_(log), slots_(slots) {}

    // Runs to its end inside the click. A click that arrives while a run is yielding is ignored:
    // a nested run would interleave two transcripts in log.txt and share the object slots.
    void Command1_Click();

private:
    void Header(ErrorScope& err);
    void DaoStage(ErrorScope& err);
    void AdoStage(ErrorScope& err);
    // A stage's query and its database or connection: closed on success with the closing lines, after
    // a failure with the failure's lines; either way both slots end empty.
    void CloseStage(ErrorScope& err, ObjectRef& query, ObjectRef& database);
    void CleanUp(ErrorScope& err, ObjectRef& query, ObjectRef& database);
    void CloseAndClear(ErrorScope& err, ObjectRef& query, ObjectRef& database);
    void ReportFailure(ErrorScope& err);

    // Logging a line is one statement; the log writer leaves nothing pending, so whatever failed
    // before it (a close on the success path) is no longer the pending error afterwards.
    void LogLine(ErrorScope& err, const std::function<std::string()>& makeLine);
    void LogLine(ErrorScope& err, const char* line);
    void YieldToEvents(ErrorScope& err);

    Runtime& runtime_;
    LogBox& text1_;
    LogWriter& log_;
    ModMain& slots_;
    ObjectRef daoEngine_;  // created at the first run, kept for the life of the process
    bool running_ = false;
};

}  // namespace velkorin
