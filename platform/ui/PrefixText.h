#pragma once
// Texts of windows and dialogs mark a keyboard mnemonic with '&' and write a literal ampersand
// as "&&"; where no mnemonic is shown, the marks go.
#include <string>
#include <string_view>

namespace platform::ui {

// "&&" becomes "&"; any other '&' is dropped.
std::string RemovePrefixMarks(std::string_view text);

}  // namespace platform::ui
