#pragma once

#include <optional>
#include <vector>

namespace velkorin {

// Text from a platform function that answers, when given no buffer, the size it needs (its
// terminating null included), and then fills a buffer of that size: no length is assumed, since a
// user's own formats can make a text of any length. fill(buffer, size) returns that count, or 0
// when it fails; then there is no text. The characters come without the terminating null.
template <class Char, class Fill>
std::optional<std::vector<Char>> TextOfAnsweredSize(Fill fill) {
    const int size = fill(nullptr, 0);
    if (size <= 0) return std::nullopt;
    std::vector<Char> text(static_cast<size_t>(size));
    const int length = fill(text.data(), size);
    if (length <= 0) return std::nullopt;
    text.resize(static_cast<size_t>(length - 1));
    return text;
}

}  // namespace velkorin
