#include "wine/standin/JetFile.h"
#include "wine/standin/Objects.h"
#include "wine/standin/Record.h"

// DAO reports errors as 0x800A0000 + Jet error number.
namespace {

constexpr HRESULT kDaoInvalidArgument = HRESULT(0x800A0BB9);  // 3001
constexpr HRESULT kDaoFileNotFound = HRESULT(0x800A0BD0);     // 3024
constexpr HRESULT kDaoLocked = HRESULT(0x800A0BBE);           // 3006
constexpr HRESULT kDaoBadFormat = HRESULT(0x800A0D0F);        // 3343
constexpr HRESULT kDaoNoTable = HRESULT(0x800A0C06);          // 3078
constexpr HRESULT kDaoObjectInvalid = HRESULT(0x800A0D5C);    // 3420
constexpr wchar_t kInvalidArgumentText[] = L"Invalid argument.";
constexpr wchar_t kObjectInvalidText[] = L"Object invalid or no longer set.";

HRESULT DaoCode(JetStatus status) {
    switch (status) {
    case JetStatus::NotFound: return kDaoFileNotFound;
    case JetStatus::Locked: return kDaoLocked;
    default: return kDaoBadFormat;
    }
}

const Member kRecordsetMembers[] = {{L"Close", MemberKind::Method, 0}};

class DaoRecordset : public DispatchObject {
public:
    DaoRecordset() : DispatchObject(L"DAO.Recordset", kRecordsetMembers, 1) {}

protected:
    bool CallMethod(DISPID, const std::vector<VARIANT>&, VARIANT&, Failure& failure) override {
        if (!open_) return failure.Set(kDaoObjectInvalid, kObjectInvalidText);
        open_ = false;
        return true;
    }

private:
    bool open_ = true;
};

enum : DISPID { kOpenRecordset = 1, kDatabaseClose };
const Member kDatabaseMembers[] = {{L"OpenRecordset", MemberKind::Method, 4}, {L"Close", MemberKind::Method, 0}};

class DaoDatabase : public DispatchObject {
public:
    explicit DaoDatabase(std::wstring path)
        : DispatchObject(L"DAO.Database", kDatabaseMembers, 2), path_(std::move(path)) {}

protected:
    bool CallMethod(DISPID id, const std::vector<VARIANT>& args, VARIANT& result, Failure& failure) override {
        if (path_.empty()) return failure.Set(kDaoObjectInvalid, kObjectInvalidText);
        if (id == kDatabaseClose) {
            path_.clear();
            return true;
        }
        std::wstring source;
        if (!ArgText(args, 0, source)) return failure.Set(kDaoInvalidArgument, kInvalidArgumentText);
        const std::wstring table = TableFromSource(source);
        if (!JetFileHasTable(path_, table)) return failure.Set(kDaoNoTable, MissingTableText(table));
        ReturnObject(result, new DaoRecordset);
        RecordEvent(L"new", L"DAO.Recordset");
        return true;
    }

private:
    std::wstring path_;  // empty once closed
};

const Member kEngineMembers[] = {{L"OpenDatabase", MemberKind::Method, 4}};

class DaoEngine : public DispatchObject {
public:
    DaoEngine() : DispatchObject(L"DAO.DBEngine", kEngineMembers, 1) {}

protected:
    bool CallMethod(DISPID, const std::vector<VARIANT>& args, VARIANT& result, Failure& failure) override {
        std::wstring path;
        if (!ArgText(args, 0, path)) return failure.Set(kDaoInvalidArgument, kInvalidArgumentText);
        const JetStatus status = ProbeJetFile(path);
        if (status != JetStatus::Ok) return failure.Set(DaoCode(status), JetStatusText(status, path));
        ReturnObject(result, new DaoDatabase(path));
        RecordEvent(L"new", L"DAO.Database");
        return true;
    }
};

}  // namespace

DispatchObject* CreateDaoEngine() { return new DaoEngine; }
