#include "selftest/TestRun.h"

#include "runtime/AutomationObject.h"
#include "runtime/FlagScope.h"
#include "selftest/DatabaseComponents.h"
#include "selftest/DatabasePaths.h"
#include "selftest/LogLines.h"

namespace velkorin {

using namespace database_components;
using namespace log_lines;

void TestRun::Command1_Click() {
    if (running_) return;
    FlagScope running(running_);
    const std::shared_ptr<void> folderHeld = runtime_.programFolder.Hold();
    ErrorScope err;

    Header(err);
    DaoStage(err);
    AdoStage(err);
    LogLine(err, kEndLine);
    LogLine(err, kSeparator);
}

void TestRun::Header(ErrorScope& err) {
    err.Step([&] { text1_.SetText(std::string()); });
    LogLine(err, kStartLine);
    LogLine(err, [&] {
        std::string date = runtime_.dateTime.DateText();  // the date is read before the time
        std::string time = runtime_.dateTime.TimeText();
        return kDatePrefix + date + kTimePrefix + time;
    });
    LogLine(err, kSeparator);
}

void TestRun::DaoStage(ErrorScope& err) {
    LogLine(err, kDaoStageLine);

    err.Step([&] {
        std::string path = DatabasePath(runtime_.programFolder.Path());
        if (!daoEngine_) daoEngine_ = runtime_.components.Create(kDaoEngineClass);
        slots_.dbDao = Require(daoEngine_)
                           .Call("OpenDatabase", {Value(path), Value(false), Value(false), Value::NotGiven()})
                           .AsObject();
    });
    if (err.Failed()) return CleanUp(err, slots_.rsDao, slots_.dbDao);
    LogLine(err, kSuccessLine);

    LogLine(err, kQueryLine);
    err.Step([&] {
        slots_.rsDao = Require(slots_.dbDao)
                           .Call("OpenRecordset",
                                 {Value(kQuery), Value::NotGiven(), Value::NotGiven(), Value::NotGiven()})
                           .AsObject();
    });
    YieldToEvents(err);
    if (err.Failed()) return CleanUp(err, slots_.rsDao, slots_.dbDao);
    LogLine(err, kSuccessLine);

    CloseStage(err, slots_.rsDao, slots_.dbDao);
}

void TestRun::AdoStage(ErrorScope& err) {
    LogLine(err, kAdoStageLine);

    err.Step([&] { slots_.cnAdo = runtime_.components.Create(kAdoConnectionClass); });
    err.Step([&] { Require(slots_.cnAdo).Put("CursorLocation", Value(int32_t{kAdUseClient})); });
    err.Step([&] {
        Require(slots_.cnAdo).Put("ConnectionString", Value(AdoConnectionString(runtime_.programFolder.Path())));
    });
    err.Step([&] {
        Require(slots_.cnAdo)
            .Call("Open", {Value(""), Value(""), Value(""), Value(int32_t{kAdConnectUnspecified})});
    });
    YieldToEvents(err);
    if (err.Failed()) return CleanUp(err, slots_.rsAdo, slots_.cnAdo);
    LogLine(err, kSuccessLine);

    LogLine(err, kQueryLine);
    err.Step([&] { slots_.rsAdo = runtime_.components.Create(kAdoRecordsetClass); });
    err.Step([&] {
        Require(slots_.rsAdo)
            .Call("Open", {Value(kQuery), Value(slots_.cnAdo), Value(int32_t{kAdOpenDynamic}),
                           Value(int32_t{kAdLockOptimistic}), Value(int32_t{kAdCmdUnspecified})});
    });
    YieldToEvents(err);
    if (err.Failed()) return CleanUp(err, slots_.rsAdo, slots_.cnAdo);
    LogLine(err, kSuccessLine);

    CloseStage(err, slots_.rsAdo, slots_.cnAdo);
}

void TestRun::CloseStage(ErrorScope& err, ObjectRef& query, ObjectRef& database) {
    LogLine(err, kClosingLine);
    CloseAndClear(err, query, database);
    LogLine(err, kSuccessLine);
    LogLine(err, kSeparator);
}

void TestRun::CleanUp(ErrorScope& err, ObjectRef& query, ObjectRef& database) {
    ReportFailure(err);
    CloseAndClear(err, query, database);
    err.ClearNumber();
}

void TestRun::CloseAndClear(ErrorScope& err, ObjectRef& query, ObjectRef& database) {
    // Closing what was never opened fails quietly; each close is a step of its own.
    err.Step([&] { Require(query).Call("Close", {}); });
    err.Step([&] { Require(database).Call("Close", {}); });
    query.reset();
    database.reset();
}

void TestRun::ReportFailure(ErrorScope& err) {
    // Number and description are taken before logging: the log writer clears the pending error.
    const int32_t number = err.Number();
    const std::string description = err.Description();
    LogLine(err, [&] {
        return kErrorPrefix + std::to_string(number) + kErrorSeparator + description;
    });
    LogLine(err, kSeparator);
}

void TestRun::LogLine(ErrorScope& err, const std::function<std::string()>& makeLine) {
    err.Step([&] {
        const std::string line = makeLine();
        log_.AddToLogs(line);
        err.Clear();
    });
    YieldToEvents(err);
}

void TestRun::LogLine(ErrorScope& err, const char* line) {
    LogLine(err, [line] { return std::string(line); });
}

void TestRun::YieldToEvents(ErrorScope& err) {
    err.Step([&] { runtime_.eventLoop.DoEvents(); });
}

}  // namespace velkorin
