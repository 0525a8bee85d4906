#pragma once
// The credits roll's content, shipped inside the program: two title cards and the list of
// records that scrolls. Texts keep "&&" for a shown ampersand.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace resources {

struct CreditsPerson {
    std::string name;
    std::string role;
};

struct CreditsCard {
    std::string title;  // the team's name
    std::vector<CreditsPerson> people;
};

// Flag bits of a list record.
inline constexpr std::uint32_t kCreditsCentered = 0x01;
inline constexpr std::uint32_t kCreditsHeading = 0x04;
inline constexpr std::uint32_t kCreditsTitle = 0x10;  // wins over kCreditsHeading

// A record's text is at most this long, as the list's fixed-size records allow.
inline constexpr std::size_t kCreditsTextMax = 99;

struct CreditsRecord {
    std::uint32_t flags = 0;
    std::string text;  // 0 or 1 characters: a blank line
};

struct CreditsContent {
    std::vector<CreditsCard> cards;
    std::vector<CreditsRecord> list;
};

// Reads the text form of resources/credits.txt; false (with `line` the 1-based line at fault)
// when a line does not fit the format.
bool ParseCredits(std::string_view text, CreditsContent& out, int& line);

// The content built into the program.
const CreditsContent& LoadCredits();

}  // namespace resources
