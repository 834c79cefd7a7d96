#include "wine/standin/ConnectionString.h"
#include "wine/standin/JetFile.h"
#include "wine/standin/Objects.h"
#include "runtime/win32/ComVariant.h"

#include <cwchar>

namespace {

constexpr HRESULT kAdoBadArguments = HRESULT(0x800A0BB9);   // adErrInvalidArgument
constexpr HRESULT kAdoClosed = HRESULT(0x800A0E78);         // adErrObjectClosed
constexpr HRESULT kAdoOpen = HRESULT(0x800A0E79);           // adErrObjectOpen
constexpr HRESULT kAdoNoProvider = HRESULT(0x800A0E7A);     // adErrProviderNotFound
constexpr HRESULT kAdoBadConnection = HRESULT(0x800A0E7D);  // adErrInvalidConnection
constexpr HRESULT kJetThroughOleDb = E_FAIL;                // Jet file errors arrive as 0x80004005
constexpr HRESULT kJetNoTable = HRESULT(0x80040E37);        // DB_E_NOTABLE
constexpr wchar_t kJetProvider[] = L"Microsoft.Jet.OLEDB.4.0";
constexpr wchar_t kBadArgumentsText[] =
    L"Arguments are of the wrong type, are out of acceptable range, or are in conflict with one another.";
constexpr wchar_t kClosedText[] = L"Operation is not allowed when the object is closed.";
constexpr wchar_t kOpenText[] = L"Operation is not allowed when the object is open.";

enum : DISPID { kCursorLocation = 1, kConnectionString, kConnectionOpen, kConnectionClose };
const Member kConnectionMembers[] = {{L"CursorLocation", MemberKind::Property, 0},
                                     {L"ConnectionString", MemberKind::Property, 0},
                                     {L"Open", MemberKind::Method, 4},
                                     {L"Close", MemberKind::Method, 0}};

class AdoConnection : public DispatchObject {
public:
    AdoConnection() : DispatchObject(L"ADO.Connection", kConnectionMembers, 4) {}

    const std::wstring* OpenDataSource() const override { return open_ ? &dataSource_ : nullptr; }

protected:
    bool PutProperty(DISPID id, const VARIANT& value, Failure& failure) override {
        velkorin::win32::ComVariant converted;
        const VARTYPE wanted = id == kCursorLocation ? VT_I4 : VT_BSTR;
        VARIANT source = value;  // borrowed copy: some SDKs declare the source non-const
        if (FAILED(VariantChangeType(converted.Get(), &source, 0, wanted))) {
            return failure.Set(kAdoBadArguments, kBadArgumentsText);
        }
        if (id == kCursorLocation) {
            cursorLocation_ = converted.Get()->lVal;
            return true;
        }
        if (open_) return failure.Set(kAdoOpen, kOpenText);
        connectionString_ = converted.Get()->bstrVal ? converted.Get()->bstrVal : L"";
        return true;
    }

    void GetProperty(DISPID id, VARIANT& result) override {
        if (id == kCursorLocation) {
            result.vt = VT_I4;
            result.lVal = cursorLocation_;
        } else {
            result.vt = VT_BSTR;
            result.bstrVal = SysAllocString(connectionString_.c_str());
        }
    }

    bool CallMethod(DISPID id, const std::vector<VARIANT>& args, VARIANT&, Failure& failure) override {
        if (id == kConnectionClose) {
            if (!open_) return failure.Set(kAdoClosed, kClosedText);
            open_ = false;
            return true;
        }
        if (open_) return failure.Set(kAdoOpen, kOpenText);
        std::wstring text;
        if (ArgText(args, 0, text) && !text.empty()) connectionString_ = text;
        if (_wcsicmp(ConnectionValue(connectionString_, L"Provider").c_str(), kJetProvider) != 0) {
            return failure.Set(kAdoNoProvider, L"Provider cannot be found. It may not be properly installed.");
        }
        const std::wstring path = ConnectionValue(connectionString_, L"Data Source");
        const JetStatus status = ProbeJetFile(path);
        if (status != JetStatus::Ok) return failure.Set(kJetThroughOleDb, JetStatusText(status, path));
        dataSource_ = path;
        open_ = true;
        return true;
    }

private:
    LONG cursorLocation_ = 2;  // adUseServer, ADO's default
    std::wstring connectionString_;
    std::wstring dataSource_;
    bool open_ = false;
};

enum : DISPID { kRecordsetOpen = 1, kRecordsetClose };
const Member kRecordsetMembers[] = {{L"Open", MemberKind::Method, 5}, {L"Close", MemberKind::Method, 0}};

class AdoRecordset : public DispatchObject {
public:
    AdoRecordset() : DispatchObject(L"ADO.Recordset", kRecordsetMembers, 2) {}

protected:
    bool CallMethod(DISPID id, const std::vector<VARIANT>& args, VARIANT&, Failure& failure) override {
        if (id == kRecordsetClose) {
            if (!open_) return failure.Set(kAdoClosed, kClosedText);
            open_ = false;
            return true;
        }
        if (open_) return failure.Set(kAdoOpen, kOpenText);
        const DispatchObject* connection =
            args.size() > 1 && args[1].vt == VT_DISPATCH ? FindStandIn(args[1].pdispVal) : nullptr;
        const std::wstring* path = connection ? connection->OpenDataSource() : nullptr;
        if (!path) {
            return failure.Set(kAdoBadConnection,
                               L"The connection cannot be used to perform this operation. "
                               L"It is either closed or invalid in this context.");
        }
        std::wstring source;
        if (!ArgText(args, 0, source)) return failure.Set(kAdoBadArguments, kBadArgumentsText);
        const std::wstring table = TableFromSource(source);
        if (!JetFileHasTable(*path, table)) return failure.Set(kJetNoTable, MissingTableText(table));
        open_ = true;
        return true;
    }

private:
    bool open_ = false;
};

}  // namespace

DispatchObject* CreateAdoConnection() { return new AdoConnection; }

DispatchObject* CreateAdoRecordset() { return new AdoRecordset; }
