#include "runtime/Utf16.h"

namespace velkorin {

std::size_t Utf16Length(const std::string& utf8) {
    std::size_t units = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) == 0x80) continue;  // continuation byte
        units += (c >= 0xF0) ? 2 : 1;      // a 4-byte sequence needs a surrogate pair
    }
    return units;
}

}  // namespace velkorin
