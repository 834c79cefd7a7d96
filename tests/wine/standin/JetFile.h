#pragma once
#include <string>

// Cheap look at a Jet file: enough to tell the fixtures apart without a real engine. It is the
// stand-in's file engine, standin_jet.dll: a library of their own that the components import from
// their folder, as DAO and the Jet provider import Jet's.
#ifdef STANDIN_JET_BUILD
#define STANDIN_JET __declspec(dllexport)
#else
#define STANDIN_JET __declspec(dllimport)
#endif
enum class JetStatus { Ok, NotFound, BadFormat, Locked };

STANDIN_JET JetStatus ProbeJetFile(const std::wstring& path);
// Jet's message for a failed probe ("Could not find file '...'." etc.).
STANDIN_JET std::wstring JetStatusText(JetStatus status, const std::wstring& path);

// Heuristic: a table exists iff its name occurs in the file as UTF-16LE (ASCII case-insensitive).
STANDIN_JET bool JetFileHasTable(const std::wstring& path, const std::wstring& table);
// "SELECT ... FROM [test] ..." -> "test"; a bare name comes back without brackets.
STANDIN_JET std::wstring TableFromSource(const std::wstring& source);
STANDIN_JET std::wstring MissingTableText(const std::wstring& table);
