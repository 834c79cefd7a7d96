#include "fakes/FakeComponents.h"

namespace velkorin::fakes {

namespace {

struct ClassMember {
    const char* className;
    const char* member;
    bool isProperty;
    const char* returns;  // class of the object a method hands back, or nullptr
};

constexpr ClassMember kMembers[] = {
    {"DAO.DBEngine", "OpenDatabase", false, "DAO.Database"},
    {"DAO.Database", "OpenRecordset", false, "DAO.Recordset"},
    {"DAO.Database", "Close", false, nullptr},
    {"DAO.Recordset", "Close", false, nullptr},
    {"ADO.Connection", "CursorLocation", true, nullptr},
    {"ADO.Connection", "ConnectionString", true, nullptr},
    {"ADO.Connection", "Open", false, nullptr},
    {"ADO.Connection", "Close", false, nullptr},
    {"ADO.Recordset", "Open", false, nullptr},
    {"ADO.Recordset", "Close", false, nullptr},
};

const ClassMember* FindMember(const std::string& className, const std::string& member, bool isProperty) {
    for (const ClassMember& m : kMembers) {
        if (className == m.className && member == m.member && isProperty == m.isProperty) return &m;
    }
    return nullptr;
}

std::string ClassNameOf(const std::string& classId) {
    if (classId == "{00000100-0000-0010-8000-00AA006D2EA4}") return "DAO.DBEngine";
    if (classId == "{00000514-0000-0010-8000-00AA006D2EA4}") return "ADO.Connection";
    if (classId == "{00000535-0000-0010-8000-00AA006D2EA4}") return "ADO.Recordset";
    return std::string();
}

std::string DescribeArgument(const Value& value) {
    if (value.GetKind() != Value::Kind::Object) return Describe(value);
    auto* fake = dynamic_cast<FakeObject*>(value.AsObject().get());
    return std::string("Object ") + (fake ? fake->ClassName() : "?");
}

}  // namespace

ObjectRef FakeComponents::Create(const std::string& classId) {
    std::string className = ClassNameOf(classId);
    Record("create " + (className.empty() ? classId : className));
    ThrowIfFailing("create " + className);
    if (className.empty()) throw Failure(static_cast<int32_t>(0x80040154u), "Class not registered");
    return std::make_shared<FakeObject>(*this, className);
}

void FakeComponents::ThrowIfFailing(const std::string& step) const {
    auto found = failures_.find(step);
    if (found != failures_.end()) throw found->second;
}

FakeObject::FakeObject(FakeComponents& world, std::string className)
    : world_(world), className_(std::move(className)) {
    ++world_.liveObjects;
}

FakeObject::~FakeObject() {
    --world_.liveObjects;
    world_.Record("release " + className_);
}

Value FakeObject::Get(const std::string& property) {
    world_.Record(className_ + "." + property + " ->");
    if (!FindMember(className_, property, true)) throw Failure::NoSuchMember();
    world_.ThrowIfFailing(className_ + "." + property);
    return properties_[property];
}

void FakeObject::Put(const std::string& property, const Value& value) {
    world_.Record(className_ + "." + property + " = " + DescribeArgument(value));
    if (!FindMember(className_, property, true)) throw Failure::NoSuchMember();
    world_.ThrowIfFailing(className_ + "." + property);
    properties_[property] = value;
}

Value FakeObject::Call(const std::string& method, const std::vector<Value>& arguments) {
    std::string line = className_ + "." + method + "(";
    for (std::size_t i = 0; i < arguments.size(); ++i) line += (i ? ", " : "") + DescribeArgument(arguments[i]);
    world_.Record(line + ")");
    const ClassMember* member = FindMember(className_, method, false);
    if (!member) throw Failure::NoSuchMember();
    world_.ThrowIfFailing(className_ + "." + method);
    return member->returns ? Value(Spawn(member->returns)) : Value();
}

ObjectRef FakeObject::Spawn(const std::string& className) {
    world_.Record("new " + className);
    return std::make_shared<FakeObject>(world_, className);
}

}  // namespace velkorin::fakes
