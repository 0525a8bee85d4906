#pragma once
// The string table: every text the user sees in a message box or window, under its resource id.
#include <string_view>

namespace resources {

// The text stored under id, or empty when the table has none.
std::string_view LoadResourceString(int id);

}  // namespace resources
