// The credits text reader on arbitrary text. A refusal names a line of the text; whatever it
// accepts keeps the list's record limit and, written back in the file's form, reads back the same.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "resources/Credits.h"

namespace {

std::string Written(const resources::CreditsContent& content) {
    std::string text;
    for (const resources::CreditsCard& card : content.cards) {
        text += "[card]\n" + card.title + "\n";
        for (const resources::CreditsPerson& person : card.people) {
            text += person.name + "\n" + person.role + "\n";
        }
    }
    text += "[list]\n";
    for (const resources::CreditsRecord& record : content.list) {
        char flags[16];
        std::snprintf(flags, sizeof flags, "%x", static_cast<unsigned>(record.flags));
        text += flags + (record.text.empty() ? std::string() : " " + record.text) + "\n";
    }
    return text;
}

bool Same(const resources::CreditsContent& a, const resources::CreditsContent& b) {
    const auto sameCard = [](const resources::CreditsCard& x, const resources::CreditsCard& y) {
        return x.title == y.title && std::equal(x.people.begin(), x.people.end(), y.people.begin(),
                                                y.people.end(), [](const auto& p, const auto& q) {
                                                    return p.name == q.name && p.role == q.role;
                                                });
    };
    const auto sameRecord = [](const resources::CreditsRecord& x,
                               const resources::CreditsRecord& y) {
        return x.flags == y.flags && x.text == y.text;
    };
    return std::equal(a.cards.begin(), a.cards.end(), b.cards.begin(), b.cards.end(), sameCard) &&
           std::equal(a.list.begin(), a.list.end(), b.list.begin(), b.list.end(), sameRecord);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    resources::CreditsContent content;
    int line = -1;
    const bool accepted = resources::ParseCredits(text, content, line);
    const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (line < 0 || line > lines) {
        __builtin_trap();
    }
    if (!accepted) {
        return 0;
    }
    for (const resources::CreditsRecord& record : content.list) {
        if (record.text.size() > resources::kCreditsTextMax) {
            __builtin_trap();
        }
    }
    resources::CreditsContent again;
    if (!resources::ParseCredits(Written(content), again, line) || !Same(content, again)) {
        __builtin_trap();
    }
    return 0;
}
