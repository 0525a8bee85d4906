#pragma once
// The texts of the audio test's error codes for a caller without a backdrop window, who gets the
// text instead of a message box. They are built into the program, not in the string table.
#include <cstdint>
#include <string_view>

// The text of code 1 to 6; empty for any other code.
std::string_view BuiltInErrorText(std::int32_t code);
