#include "resources/Credits.h"

#include <charconv>

namespace resources {

extern const std::string_view kCreditsText;

namespace {

enum class Section { None, Card, List };

bool ParseRecord(std::string_view line, CreditsRecord& out) {
    const auto [end, error] =
        std::from_chars(line.data(), line.data() + line.size(), out.flags, 16);
    if (error != std::errc{} || end == line.data()) {
        return false;
    }
    std::string_view rest(end, static_cast<std::size_t>(line.data() + line.size() - end));
    if (!rest.empty() && rest.front() != ' ') {
        return false;
    }
    out.text = rest.empty() ? std::string() : std::string(rest.substr(1));
    return out.text.size() <= kCreditsTextMax;
}

// A card's lines after its title alternate: a person's name, then that person's role.
void AddCardLine(CreditsCard& card, std::string_view line, bool& expectRole) {
    if (!expectRole) {
        card.people.push_back({std::string(line), {}});
    } else {
        card.people.back().role = line;
    }
    expectRole = !expectRole;
}

}  // namespace

bool ParseCredits(std::string_view text, CreditsContent& out, int& line) {
    out = {};
    Section section = Section::None;
    bool titled = false;
    bool expectRole = false;
    line = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t stop = std::min(text.find('\n', start), text.size());
        const std::string_view current = text.substr(start, stop - start);
        start = stop + 1;
        ++line;
        if (current.starts_with('#') || (section != Section::List && current.empty())) {
            continue;
        }
        if (current == "[card]" || current == "[list]") {
            if (expectRole) {
                return false;
            }
            section = current == "[card]" ? Section::Card : Section::List;
            if (section == Section::Card) {
                out.cards.emplace_back();
                titled = false;
            }
        } else if (section == Section::Card) {
            if (!titled) {
                out.cards.back().title = current;
                titled = true;
            } else {
                AddCardLine(out.cards.back(), current, expectRole);
            }
        } else if (section != Section::List || !ParseRecord(current, out.list.emplace_back())) {
            return false;
        }
    }
    return !expectRole;
}

const CreditsContent& LoadCredits() {
    static const CreditsContent content = [] {
        CreditsContent parsed;
        int line = 0;
        ParseCredits(kCreditsText, parsed, line);
        return parsed;
    }();
    return content;
}

}  // namespace resources
