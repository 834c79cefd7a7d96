#pragma once
#include <windows.h>
#include <string>

// Event log read by the tests.
//
// STANDIN_RECORD (read at every event, never cached) names a file. When set,
// each event appends one UTF-8 line ending in CR LF; the file is opened and
// closed per line (append access, shared read/write), so a test may read,
// truncate or switch it at any time. Lines:
//   create DAO.DBEngine                      class factory made an object
//   new DAO.Database                         a method made an object
//   release DAO.Database                     last reference dropped
//   DAO.DBEngine.OpenDatabase(VT_BSTR "C:\x\test.mdb", VT_BOOL false)
//   DAO.Recordset.Close()                    method without arguments
//   ADO.Connection.CursorLocation = VT_I4 3  property put
//   ADO.Connection.CursorLocation -> VT_I4 3 property get
//   fail 0x800A0BD0 Could not find file 'C:\x\test.mdb'.
// A "fail" line directly follows the event that failed (injected or natural).
// With an empty description it is exactly "fail 0xXXXXXXXX" (no trailing blank).
// Member names are always the canonical spelling, whatever case the caller used.
// Value formats are listed in Variants.h.

std::wstring ReadEnvironment(const wchar_t* name);

void RecordLine(const std::wstring& line) noexcept;
void RecordEvent(const wchar_t* verb, const wchar_t* className) noexcept;
void RecordFailure(HRESULT code, const std::wstring& description) noexcept;
