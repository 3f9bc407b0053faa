#pragma once

#include "language/catalogue.h"

// The catalogues of po/ as msgfmt compiled them, embedded by the build (cmake/embed_catalogue.cmake).
MessageCatalogue englishCatalogue();
