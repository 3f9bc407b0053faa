#include "language/catalogue.h"

#include "language/compiled_catalogues.h"

const char* translatedIn(const TextDomain& domain, Language language, const char* romanian) {
    if (language == Language::Romanian || romanian == nullptr || romanian[0] == '\0') {
        return romanian;
    }
    const char* translation = catalogueTranslation(domain.english(), romanian);
    return translation != nullptr ? translation : romanian;
}

const char* translated(Language language, const char* romanian) {
    return translatedIn(TextDomain{englishCatalogue}, language, romanian);
}
