#include "language/language.h"

bool languageNamed(std::string_view name, Language& language) {
    if (name == "ro") {
        language = Language::Romanian;
        return true;
    }
    if (name == "en") {
        language = Language::English;
        return true;
    }
    return false;
}

const char* languageName(Language language) {
    return language == Language::English ? "en" : "ro";
}

const char* languageOwnName(Language language) {
    return language == Language::English ? "English" : "Romana";
}
