#pragma once

#include "config/cache_config.h"
#include "engine/miss_kinds.h"
#include "exercise/exercise_key.h"
#include "language/catalogue.h"

#include <cstdint>
#include <string>

// The texts an exercise sheet and the page's practice share, so that a student reads the same words and
// numbers in both. They are Romanian; a front-end in another language translates them with translated().

// "24580 (6004)": a value in decimal, with its hexadecimal in brackets.
std::string decimalAndHex(std::uint32_t value);

// "obligatoriu", "capacitate", "conflict"; "-" for a hit.
const char* missKindName(MissKind kind);

// The header of the block or set field: "Bloc" or "Set"; null for associative mapping, which has neither.
const char* indexHeader(MappingMethod method);

// The other headers of an access's answers.
inline constexpr const char* tagHeader = catalogueText("Tag");
inline constexpr const char* wordHeader = catalogueText("Cuvint");
inline constexpr const char* outcomeHeader = catalogueText("Hit/miss");
inline constexpr const char* replacedHeader = catalogueText("Bloc inlocuit");
inline constexpr const char* kindHeader = catalogueText("Tip miss");

// "hit" or "miss"; "-" for no replaced block.
const char* outcomeText(bool hit);
std::string replacedBlockText(int block);

// "Rata de pierderi = 5 / 10 = 50.00 %", in language.
std::string missRateText(int misses, Language language = Language::Romanian);
