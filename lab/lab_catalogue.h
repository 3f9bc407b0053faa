#pragma once

#include "language/catalogue.h"

// The laboratory's catalogues, po/lab/, as msgfmt compiled them, embedded by the build
// (cmake/embed_catalogue.cmake): the laboratory's own domain of texts, which lab_texts and loop_texts look up.
MessageCatalogue englishLabCatalogue();

inline constexpr TextDomain labTextDomain{englishLabCatalogue};
