#pragma once
// The string table: every text the user sees in a message box or window, under its resource id.
#include <span>
#include <string_view>

namespace resources {

struct ResourceString {
    int id;
    std::string_view text;
};

// The text stored under id, or empty when the table has none.
std::string_view LoadResourceString(int id);

// The whole table in id order, for writing it out as a Windows resource.
std::span<const ResourceString> ResourceStrings();

}  // namespace resources
