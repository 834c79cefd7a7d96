#include "wine/themed/ThemedReport.h"

#include <cstdio>
#include <sstream>

#include "wine/e2e/E2eSupport.h"

namespace velkorin::themed {

Report ReadReport(const std::wstring& path) {
    std::string text;
    e2e::WaitFor([&] {
        text = e2e::ReadBytes(path);
        return !text.empty();
    });
    Report found;
    std::istringstream lines(text);
    std::string line;
    if (std::getline(lines, line)) {
        std::sscanf(line.c_str(), "comctl32 library=%u assembly=%u", &found.libraryMajor, &found.assemblyMajor);
    }
    for (int order = 1; std::getline(lines, line); ++order) {
        char name[64] = "", reference[16] = "";
        long hwnd = 0;
        int frame = 0, button = 0;
        if (std::sscanf(line.c_str(), "%63s hwnd=%ld frame=%d button=%d ref=%15s", name, &hwnd, &frame, &button,
                        reference) != 5) {
            continue;
        }
        found.controls[name] = {reinterpret_cast<HWND>(static_cast<INT_PTR>(hwnd)), frame != 0, button != 0, reference, order};
    }
    return found;
}

}  // namespace velkorin::themed
