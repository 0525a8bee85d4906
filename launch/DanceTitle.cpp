#include "launch/DanceTitle.h"

namespace {
// Characters that separate folders (and lists) in a stored name.
constexpr std::string_view kSeparators = ",;\t\n/\\";
}  // namespace

std::string DanceTitle(std::string_view storedName) {
    std::size_t end = storedName.find_last_not_of(kSeparators);
    if (end == std::string_view::npos) {
        // Only separators: there is no piece to take a title from, so show the name as stored.
        return std::string(storedName);
    }
    std::size_t start = storedName.find_last_of(kSeparators, end);
    start = start == std::string_view::npos ? 0 : start + 1;
    std::string_view piece = storedName.substr(start, end + 1 - start);
    std::size_t first = piece.find_first_not_of('.');
    if (first == std::string_view::npos) {
        return std::string(piece);
    }
    std::size_t dot = piece.find('.', first);
    return std::string(piece.substr(first, dot == std::string_view::npos ? dot : dot - first));
}
