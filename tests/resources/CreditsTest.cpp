#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "resources/Credits.h"

namespace resources {
namespace {

constexpr std::uint32_t kTitleLine = 0x1D;
constexpr std::uint32_t kHeadingLine = 0x06;
constexpr std::uint32_t kNameLine = 0x01;

// Checks one team's block of the list from `at`: its title, a blank, then each section's heading
// and name lines, each followed by a blank unless it is the team's last section without one.
void ExpectTeam(const std::vector<CreditsRecord>& list, std::size_t& at,
                const std::vector<std::pair<std::string, int>>& sections, bool lastBlank) {
    ASSERT_EQ(list.at(at++).flags, kTitleLine);
    ASSERT_EQ(list.at(at++).flags, 0U);
    for (std::size_t s = 0; s < sections.size(); ++s) {
        EXPECT_EQ(list.at(at).flags, kHeadingLine);
        EXPECT_EQ(list.at(at++).text, sections[s].first);
        for (int n = 0; n < sections[s].second; ++n) {
            EXPECT_EQ(list.at(at).flags, kNameLine) << list.at(at).text;
            EXPECT_GE(list.at(at++).text.size(), 2U);
        }
        if (lastBlank || s + 1 < sections.size()) {
            EXPECT_EQ(list.at(at).flags, 0U);
            EXPECT_TRUE(list.at(at++).text.empty());
        }
    }
}

TEST(CreditsContent, ListHasTheTwoTeamsSectionsInOrderIn102Records) {
    const auto& list = LoadCredits().list;
    ASSERT_EQ(list.size(), 102U);
    std::size_t at = 0;
    ExpectTeam(list, at,
               {{"Management", 3},
                {"Programming Staff", 8},
                {"Behavioral Animation Staff", 6},
                {"Art Staff", 5},
                {"Support Staff", 5},
                {"Motion Capture Dancers", 7},
                {"Character Voices", 5},
                {"Character Dialogue Writers", 3}},
               true);
    EXPECT_EQ(list.at(at++).flags, 0U);
    ExpectTeam(list, at,
               {{"Management", 2},
                {"Optimization Team", 2},
                {"QA Staff", 5},
                {"Support Staff", 9},
                {"Blendora", 12}},
               false);
    EXPECT_EQ(at, 102U);
}

TEST(CreditsContent, CardsNameTheTeamsAndTheirRolesInOrder) {
    const auto& cards = LoadCredits().cards;
    ASSERT_EQ(cards.size(), 2U);
    EXPECT_EQ(cards[0].title, LoadCredits().list.front().text);
    std::vector<std::string> roles;
    for (const auto& card : cards) {
        for (const auto& person : card.people) {
            EXPECT_FALSE(person.name.empty());
            roles.push_back(person.role);
        }
    }
    EXPECT_EQ(roles, (std::vector<std::string>{"Executive Producer", "Producer", "Lead Programmer",
                                               "Product Manager", "UI Concept && Design"}));
}

TEST(CreditsParser, RejectsMalformedLinesAndNamesTheLine) {
    CreditsContent content;
    int line = 0;
    EXPECT_TRUE(ParseCredits("# note\n[list]\n1D Team\n00\n01 A - B\n", content, line));
    ASSERT_EQ(content.list.size(), 3U);
    EXPECT_EQ(content.list[2].text, "A - B");

    EXPECT_FALSE(ParseCredits("[list]\n1D Team\nTeam without flags\n", content, line));
    EXPECT_EQ(line, 3);
    EXPECT_FALSE(ParseCredits("[list]\n01 " + std::string(100, 'x') + "\n", content, line));
    EXPECT_FALSE(ParseCredits("[card]\nTeam\nName without a role\n", content, line));
    EXPECT_FALSE(ParseCredits("stray line\n", content, line));
}

}  // namespace
}  // namespace resources
