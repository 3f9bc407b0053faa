#pragma once

#include <string>

// A printf pattern filled with its values, as a string: for a translated pattern, whose words may stand in
// another order around the same placeholders, whatever its length.
[[gnu::format(printf, 1, 2)]] std::string formattedText(const char* pattern, ...);
