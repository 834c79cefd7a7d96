#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runtime/AutomationObject.h"
#include "runtime/ComponentFactory.h"
#include "runtime/Failure.h"

namespace velkorin::fakes {

// Stand-ins for the DAO engine and ADO's Connection and Recordset. Every creation, call and
// release is recorded with its argument kinds; any step can be told to fail with a chosen failure.
// Steps are named as they are recorded: "create ADO.Connection", "DAO.DBEngine.OpenDatabase",
// "ADO.Connection.CursorLocation" (the property write), ...
class FakeComponents : public ComponentFactory {
public:
    ObjectRef Create(const std::string& classId) override;

    void FailStep(const std::string& step, Failure failure) { failures_.insert_or_assign(step, std::move(failure)); }
    void Record(const std::string& line) { records.push_back(line); }
    void ThrowIfFailing(const std::string& step) const;

    std::vector<std::string> records;
    int liveObjects = 0;

private:
    std::map<std::string, Failure> failures_;
};

class FakeObject : public AutomationObject {
public:
    FakeObject(FakeComponents& world, std::string className);
    ~FakeObject() override;

    Value Get(const std::string& property) override;
    void Put(const std::string& property, const Value& value) override;
    Value Call(const std::string& method, const std::vector<Value>& arguments) override;

    const std::string& ClassName() const { return className_; }

private:
    ObjectRef Spawn(const std::string& className);

    FakeComponents& world_;
    std::string className_;
    std::map<std::string, Value> properties_;
};

}  // namespace velkorin::fakes
