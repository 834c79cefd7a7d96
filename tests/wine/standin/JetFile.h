#pragma once
#include <string>

// Cheap look at a Jet file: enough to tell the fixtures apart without a real engine.
enum class JetStatus { Ok, NotFound, BadFormat, Locked };

// The two that read the file are the file engine's, standin_jet.dll beside the components.
extern "C" int StandInProbeJetFile(const wchar_t* path);
extern "C" int StandInJetFileHasTable(const wchar_t* path, const wchar_t* table);

inline JetStatus ProbeJetFile(const std::wstring& path) { return JetStatus(StandInProbeJetFile(path.c_str())); }
// Jet's message for a failed probe ("Could not find file '...'." etc.).
std::wstring JetStatusText(JetStatus status, const std::wstring& path);

// Heuristic: a table exists iff its name occurs in the file as UTF-16LE (ASCII case-insensitive).
inline bool JetFileHasTable(const std::wstring& path, const std::wstring& table) {
    return StandInJetFileHasTable(path.c_str(), table.c_str()) != 0;
}
// "SELECT ... FROM [test] ..." -> "test"; a bare name comes back without brackets.
std::wstring TableFromSource(const std::wstring& source);
std::wstring MissingTableText(const std::wstring& table);
