#pragma once
#include "wine/standin/DispatchObject.h"

#include <string>

// Failure injection for tests.
//
// STANDIN_FAIL (read at every event, never cached) holds one or more entries
// separated by ";;":   <step>|<HRESULT as hex, 0x prefix>|<description>
// Only the first two '|' split an entry, so the description may contain '|'
// (but not ";;"). Steps are the record names: "create DAO.DBEngine",
// "create ADO.Connection", "create ADO.Recordset", or "<Class>.<Member>" for a
// method call or property put, e.g. "DAO.DBEngine.OpenDatabase",
// "ADO.Connection.CursorLocation". Step names match case-sensitively; the
// first matching entry wins. Entries whose code is not a failure HRESULT are
// ignored. A "create" step makes CreateInstance return the code; a member step
// makes Invoke return DISP_E_EXCEPTION with scode = code, source "StandIn" and
// the description taken as is (an empty one gives an empty BSTR).
// A member step prefixed "errorinfo:" instead returns the code from Invoke
// directly, with the description in the thread's error information and the
// object saying through ISupportErrorInfo that it offers it for IDispatch;
// prefixed "bare:", it sets the same error information but says it offers
// none, so a caller must not take that text.

bool FindInjectedFailure(const std::wstring& step, Failure& failure);
