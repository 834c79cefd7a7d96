#pragma once
#include <string>

// The value that an OLE DB connection string gives `keyword`, empty where it gives none, read as
// OLE DB reads one: "keyword=value" pairs split at ';'; keywords without regard to case, "==" in
// one standing for '='; blanks around keywords and values dropped; a value in double or single
// quotes runs to its closing quote, the quote doubled inside standing for one, with ';' and '='
// in it taken as they are. Where a keyword comes again the last one holds, except Provider: the first.
std::wstring ConnectionValue(const std::wstring& text, const wchar_t* keyword);
