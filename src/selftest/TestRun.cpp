#include "selftest/TestRun.h"

#include "runtime/AutomationObject.h"
#include "runtime/FlagScope.h"
#include "selftest/SelfTestText.h"

namespace velkorin {

using namespace selftest_text;

void TestRun::Command1_Click() {
    if (running_) return;
    FlagScope running(running_);
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
        std::string path = DatabasePath();
        if (!daoEngine_) daoEngine_ = runtime_.components.Create(kDaoEngineClass);
        slots_.dbDao = Require(daoEngine_)
                           .Call("OpenDatabase", {Value(path), Value(false), Value(false), Value::NotGiven()})
                           .AsObject();
    });
    if (err.Failed()) return DaoCleanUp(err);
    LogLine(err, kSuccessLine);

    LogLine(err, kQueryLine);
    err.Step([&] {
        slots_.rsDao = Require(slots_.dbDao)
                           .Call("OpenRecordset",
                                 {Value(kQuery), Value::NotGiven(), Value::NotGiven(), Value::NotGiven()})
                           .AsObject();
    });
    YieldToEvents(err);
    if (err.Failed()) return DaoCleanUp(err);
    LogLine(err, kSuccessLine);

    LogLine(err, kClosingLine);
    err.Step([&] { Require(slots_.rsDao).Call("Close", {}); });
    err.Step([&] { Require(slots_.dbDao).Call("Close", {}); });
    slots_.rsDao.reset();
    slots_.dbDao.reset();
    LogLine(err, kSuccessLine);
    LogLine(err, kSeparator);
}

void TestRun::DaoCleanUp(ErrorScope& err) {
    ReportFailure(err);
    // Closing what was never opened fails quietly; each close is a step of its own.
    err.Step([&] { Require(slots_.rsDao).Call("Close", {}); });
    err.Step([&] { Require(slots_.dbDao).Call("Close", {}); });
    slots_.rsDao.reset();
    slots_.dbDao.reset();
    err.ClearNumber();
}

void TestRun::AdoStage(ErrorScope& err) {
    LogLine(err, kAdoStageLine);

    err.Step([&] { slots_.cnAdo = runtime_.components.Create(kAdoConnectionClass); });
    err.Step([&] { Require(slots_.cnAdo).Put("CursorLocation", Value(int32_t{kAdUseClient})); });
    err.Step([&] {
        std::string connection = kAdoConnectionPrefix + DatabasePath() + ";";
        Require(slots_.cnAdo).Put("ConnectionString", Value(connection));
    });
    err.Step([&] {
        Require(slots_.cnAdo)
            .Call("Open", {Value(""), Value(""), Value(""), Value(int32_t{kAdConnectUnspecified})});
    });
    YieldToEvents(err);
    if (err.Failed()) return AdoCleanUp(err);
    LogLine(err, kSuccessLine);

    LogLine(err, kQueryLine);
    err.Step([&] { slots_.rsAdo = runtime_.components.Create(kAdoRecordsetClass); });
    err.Step([&] {
        Require(slots_.rsAdo)
            .Call("Open", {Value(kQuery), Value(slots_.cnAdo), Value(int32_t{kAdOpenDynamic}),
                           Value(int32_t{kAdLockOptimistic}), Value(int32_t{kAdCmdUnspecified})});
    });
    YieldToEvents(err);
    if (err.Failed()) return AdoCleanUp(err);
    LogLine(err, kSuccessLine);

    LogLine(err, kClosingLine);
    err.Step([&] { Require(slots_.rsAdo).Call("Close", {}); });
    err.Step([&] { Require(slots_.cnAdo).Call("Close", {}); });
    slots_.rsAdo.reset();
    slots_.cnAdo.reset();
    LogLine(err, kSuccessLine);
    LogLine(err, kSeparator);
}

void TestRun::AdoCleanUp(ErrorScope& err) {
    ReportFailure(err);
    err.Step([&] { Require(slots_.rsAdo).Call("Close", {}); });
    err.Step([&] { Require(slots_.cnAdo).Call("Close", {}); });
    slots_.rsAdo.reset();
    slots_.cnAdo.reset();
    err.ClearNumber();
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

void TestRun::YieldToEvents(ErrorScope& err) {
    err.Step([&] { runtime_.eventLoop.DoEvents(); });
}

std::string TestRun::DatabasePath() { return runtime_.programFolder.Path() + kDatabaseFile; }

}  // namespace velkorin
