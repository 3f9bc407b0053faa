#pragma once

#include "language/language.h"

#include <cstddef>
#include <string_view>

// The program's texts in other languages, from the GNU gettext catalogues of po/ compiled by msgfmt into the
// binary as message catalogues (.mo). A text is looked up by its Romanian form, exactly as the program writes
// it, so the Romanian texts stay where they are printed and a translator works on the catalogue alone.

// romanian in language: itself in Romanian, the catalogue's translation otherwise; itself when the catalogue
// has no translation (the catalogue's check rules that out for every text the sources name). A printf format
// keeps its placeholders: msgfmt --check refuses a translation whose placeholders differ.
[[gnu::format_arg(2)]] const char* translated(Language language, const char* romanian);

// Names a Romanian text for the catalogue where it is written before it is translated (a table of texts
// looked up later), so that the catalogue's check finds it; the text itself.
constexpr const char* catalogueText(const char* romanian) {
    return romanian;
}
constexpr const wchar_t* catalogueText(const wchar_t* romanian) {
    return romanian;
}

// A compiled message catalogue's bytes, as msgfmt writes them.
struct MessageCatalogue {
    const unsigned char* bytes = nullptr;
    std::size_t size = 0;
};

// The catalogues of one program's texts, one per language besides Romanian (a domain, in gettext's words):
// the laboratory's are apart from the rest, so that the page carries only its own.
struct TextDomain {
    MessageCatalogue (*english)();
};

// romanian in language, from the domain's catalogues; translated() is this over the program's own domain.
const char* translatedIn(const TextDomain& domain, Language language, const char* romanian);

// The translation of original in catalogue, NUL-terminated in the catalogue's bytes; null when the catalogue
// holds none or its bytes are not a well-formed catalogue.
const char* catalogueTranslation(const MessageCatalogue& catalogue, std::string_view original);
