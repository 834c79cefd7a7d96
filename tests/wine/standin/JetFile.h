#pragma once
#include <string>

// Cheap look at a Jet file: enough to tell the fixtures apart without a real engine.
enum class JetStatus { Ok, NotFound, BadFormat, Locked };

JetStatus ProbeJetFile(const std::wstring& path);
// Jet's message for a failed probe ("Could not find file '...'." etc.).
std::wstring JetStatusText(JetStatus status, const std::wstring& path);

// Heuristic: a table exists iff its name occurs in the file as UTF-16LE (ASCII case-insensitive).
bool JetFileHasTable(const std::wstring& path, const std::wstring& table);
// "SELECT ... FROM [test] ..." -> "test"; a bare name comes back without brackets.
std::wstring TableFromSource(const std::wstring& source);
std::wstring MissingTableText(const std::wstring& table);
