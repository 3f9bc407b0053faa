#pragma once

#include "language/language.h"

#include <string>

// The first message of the report's error list on one line, its line breaks and trailing blanks folded into
// single spaces; empty for a valid configuration. For outputs that name why a configuration failed without
// printing the whole list. In language, Romanian by default.
std::string firstErrorMessage(Language language = Language::Romanian);
