#pragma once

#include <cstdint>
#include <string_view>

// The language of what a front-end shows or prints. Romanian is the program's own and the default: its texts
// are written where they are printed, and every other language translates them through its catalogue.
enum class Language : std::uint8_t { Romanian, English };

// The language a user names, "ro" or "en"; false for any other name, language left as it was.
bool languageNamed(std::string_view name, Language& language);

// "ro" or "en".
const char* languageName(Language language);

// The language as its readers name it, "Romana" or "English", and the menu that offers them, in both: what
// the page shows whatever language it is in.
const char* languageOwnName(Language language);
inline constexpr const char* languageMenuTitle = "Limba / Language";
inline constexpr Language everyLanguage[] = {Language::Romanian, Language::English};
