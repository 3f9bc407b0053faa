#include "language/catalogue.h"

#include "language/compiled_catalogues.h"

const char* translated(Language language, const char* romanian) {
    if (language == Language::Romanian || romanian == nullptr || romanian[0] == '\0') {
        return romanian;
    }
    const char* translation = catalogueTranslation(englishCatalogue(), romanian);
    return translation != nullptr ? translation : romanian;
}
