#pragma once

#include <string>

// A list item's text as the command line spells it. The core's list texts are ASCII.
std::string narrowText(const wchar_t* wide);
