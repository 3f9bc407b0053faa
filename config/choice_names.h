#pragma once

#include "config/cache_config.h"
#include "language/catalogue.h"

#include <cstddef>

// Display texts of the list items, indexed by enumerator value (alphabetical order).
// Named for the catalogue, which translates them where a front-end shows them in another language.
inline constexpr const wchar_t* mappingMethodTexts[] = {
    catalogueText(L"asociativa"), catalogueText(L"asociativa pe seturi"), catalogueText(L"directa")};
inline constexpr const wchar_t* replacementPolicyTexts[] = {L"FIFO", L"LRU"};
inline constexpr const wchar_t* workModeTexts[] = {
    catalogueText(L"individual"), catalogueText(L"secventa aleatoare"), catalogueText(L"secventa data")};

// Texts of the items that were selected at the last "Setare mod". Each buffer holds 100 bytes on Windows: at
// most 49 characters and the terminator. Until allocateNameBuffers runs they are null and read as empty.
inline constexpr std::size_t nameBufferChars = 50;
extern wchar_t* mappingMethodName;
extern wchar_t* replacementPolicyName;
extern wchar_t* workModeName;

// Allocates the three buffers once for the life of the process, each holding an empty text. Later calls do
// nothing.
void allocateNameBuffers();

// Copies text into a name buffer, cut to the buffer's capacity; does nothing for an unallocated buffer.
void storeName(wchar_t* buffer, const wchar_t* text);
