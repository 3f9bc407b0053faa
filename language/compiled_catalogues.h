#pragma once

#include "language/catalogue.h"

// The catalogues of po/, the texts of tarvel_cache, its text front-end and its page, as msgfmt compiled them,
// embedded by the build (cmake/embed_catalogue.cmake).
MessageCatalogue englishCatalogue();
