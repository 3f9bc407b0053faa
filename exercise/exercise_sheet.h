#pragma once

#include "exercise/exercise_draw.h"
#include "exercise/exercise_key.h"
#include "exercise/sheet_table.h"
#include "language/language.h"

#include <cstdint>
#include <cstdio>

struct SheetOptions {
    bool answers = false; // every cell filled, with each miss's kind: the teacher's key
    SheetFormat format = SheetFormat::Text;
    Language language = Language::Romanian;
};

// Writes the exercise sheet, in the options' language: the configuration, then as tables with empty cells the
// widths of the address fields, the fields, hit or miss and the replaced cache block of every access, the
// cache's contents after the last access, and the miss rate. With answers, the same sheet filled in from the
// key.
void writeExerciseSheet(std::FILE* out, const Exercise& exercise, const ExerciseKey& key,
                        SheetOptions options);

// The highest exercise number; sheets are never numbered past it.
inline constexpr std::uint64_t lastExerciseNumber = UINT64_MAX;

// Whether count sheets from firstSeed stay within lastExerciseNumber (count 0 always does).
bool sheetNumbersFit(std::uint64_t firstSeed, std::uint32_t count);

// Draws, solves and writes exercises firstSeed, firstSeed + 1, ... (count of them), apart by an empty line,
// or a rule in Markdown. Returns whether every configuration validated, which a drawn one always does; the
// first that does not ends the sheets. Numbers that do not fit write nothing and return false.
bool writeExerciseSheets(std::FILE* out, std::uint64_t firstSeed, std::uint32_t count, SheetOptions options);
