#pragma once
// The title a hand-off question shows for an exported file: its name without folders and
// extension ("C:\Dances\Salsa.one.dnc" gives "Salsa").
#include <string>
#include <string_view>

std::string DanceTitle(std::string_view storedName);
