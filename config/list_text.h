#pragma once

#include <string>

// A list item's text as narrow text, for the text outputs; the core's list texts are ASCII.
std::string narrowText(const wchar_t* wide);
