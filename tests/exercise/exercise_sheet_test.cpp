#include "exercise/exercise_sheet.h"

#include "cli/step_table.h"
#include "cli/text_lines.h"
#include "core_state.h"
#include "dialog/dialog_buttons.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

class ExerciseSheet : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

std::string sheetText(std::uint64_t seed, SheetOptions options) {
    return printedText([&](std::FILE* out) {
        const Exercise exercise = drawExercise(seed);
        writeExerciseSheet(out, exercise, solveExercise(exercise), options);
    });
}

std::vector<std::string> splitCells(const std::string& line, char separator) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    for (std::string cell; std::getline(stream, cell, separator);) {
        const std::size_t first = cell.find_first_not_of(' ');
        const std::size_t last = cell.find_last_not_of(' ');
        cells.push_back(first == std::string::npos ? "" : cell.substr(first, last - first + 1));
    }
    return cells;
}

// "24580 (6004)" -> "24580"
std::string decimalPart(const std::string& cell) {
    return cell.substr(0, cell.find(' '));
}

// The rows of the key's access table in Markdown: the lines of ten or eleven cells after the table's rule.
std::vector<std::vector<std::string>> keyAccessRows(const std::string& key) {
    std::vector<std::vector<std::string>> rows;
    bool inTable = false;
    for (const std::string& line : linesOf(key)) {
        if (line.starts_with("| Nr |")) {
            inTable = true;
        } else if (inTable && line.starts_with("| ") && !line.starts_with("| ---")) {
            std::vector<std::string> cells = splitCells(line.substr(1, line.size() - 2), '|');
            rows.push_back(cells);
        } else if (!line.starts_with("| ---")) {
            inTable = false;
        }
    }
    return rows;
}

const std::map<std::string, std::string> kindInSteps{
    {"obligatoriu", "compulsory"}, {"capacitate", "capacity"}, {"conflict", "conflict"}, {"-", ""}};

// The key and --steps read the same run from two sides: the sheet's writer and the step table. For each of a
// hundred exercises the key's address, fields, outcome and miss kind must be those of the step table's row,
// and its miss rate the share of misses among them.
TEST_F(ExerciseSheet, TheKeyAgreesWithTheStepsOfTheSameConfigurationAndAddresses) {
    for (std::uint64_t seed = 100; seed < 200; ++seed) {
        const std::string key = sheetText(seed, {true, SheetFormat::Markdown});
        const Exercise exercise = drawExercise(seed);
        const std::vector<std::string> steps = linesOf(printedText([&](std::FILE* out) {
            StepTable table(out);
            pressSetareMod(exercise.fields);
            pressStartSimulation();
            table.writeLastRun();
        }));
        const std::vector<std::vector<std::string>> rows = keyAccessRows(key);
        ASSERT_EQ(rows.size(), 10u) << key;
        ASSERT_EQ(steps.size(), 11u);
        int misses = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            // run,step,address,tag,index,word,ram_block,outcome,miss_rate_percent,miss_kind
            const std::vector<std::string> step = splitCells(steps[i + 1] + ",", ',');
            const std::vector<std::string>& row = rows[i];
            const bool associative = exercise.mapping == MappingMethod::Associative;
            ASSERT_EQ(row.size(), associative ? 7u : 8u) << steps[i + 1];
            std::size_t c = 0;
            EXPECT_EQ(row[c++], step[1]);
            EXPECT_EQ(decimalPart(row[c++]), step[2]);
            EXPECT_EQ(decimalPart(row[c++]), step[3]);
            if (!associative) {
                EXPECT_EQ(decimalPart(row[c++]), step[4]);
            }
            EXPECT_EQ(decimalPart(row[c++]), step[5]);
            EXPECT_EQ(row[c++], step[7]);
            ++c; // the replaced block, which the step table does not give
            EXPECT_EQ(kindInSteps.at(row[c]), step.size() > 9 ? step[9] : "") << seed << " " << steps[i + 1];
            misses += step[7] == "miss" ? 1 : 0;
        }
        char rate[64];
        std::snprintf(rate, sizeof rate, "Rata de pierderi = %d / 10 = %.2f %%\n", misses, misses * 10.0);
        EXPECT_TRUE(key.ends_with(rate)) << seed;
    }
}

TEST_F(ExerciseSheet, TheSameNumberGivesTheSameBytesAndTheSheetHoldsNoAnswer) {
    for (const SheetFormat format : {SheetFormat::Text, SheetFormat::Markdown}) {
        const std::string sheet = sheetText(31, {false, format});
        EXPECT_EQ(sheet, sheetText(31, {false, format}));
        const std::string key = sheetText(31, {true, format});
        EXPECT_EQ(key, sheetText(31, {true, format}));
        EXPECT_EQ(sheet.find("| miss "), std::string::npos);
        EXPECT_EQ(sheet.find("| hit "), std::string::npos);
        EXPECT_NE(sheet.find("Rata de pierderi = ____________\n"), std::string::npos);
        EXPECT_NE(key.find("| miss "), std::string::npos);
        EXPECT_EQ(key.find("____"), std::string::npos);
    }
}

std::vector<std::string> tableLines(const std::string& text) {
    std::vector<std::string> lines;
    for (const std::string& line : linesOf(text)) {
        if (line.starts_with("+") || line.starts_with("|")) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The sheet and its key line up: every table line of the key is as long as the sheet's, but for the 23 lines
// of the access table, which the column of miss kinds widens by "obligatoriu" and its frame.
TEST_F(ExerciseSheet, ASheetAndItsKeyHaveTheSameShape) {
    const std::vector<std::string> sheet = tableLines(sheetText(7, {false, SheetFormat::Text}));
    const std::vector<std::string> key = tableLines(sheetText(7, {true, SheetFormat::Text}));
    ASSERT_EQ(sheet.size(), key.size());
    int widened = 0;
    for (std::size_t i = 0; i < sheet.size(); ++i) {
        const std::size_t extra = key[i].size() - sheet[i].size();
        EXPECT_TRUE(extra == 0 || extra == std::string(" obligatoriu |").size()) << sheet[i] << "\n"
                                                                                 << key[i];
        widened += extra == 0 ? 0 : 1;
    }
    EXPECT_EQ(widened, 23);
}

TEST_F(ExerciseSheet, SheetsFollowEachOtherFromTheNumberOnAndStopAtTheLast) {
    const std::string three = printedText([](std::FILE* out) {
        EXPECT_TRUE(writeExerciseSheets(out, 7, 3, {false, SheetFormat::Text}));
    });
    EXPECT_EQ(three, sheetText(7, {}) + "\n" + sheetText(8, {}) + "\n" + sheetText(9, {}));
    const std::string markdown = printedText([](std::FILE* out) {
        EXPECT_TRUE(writeExerciseSheets(out, lastExerciseNumber - 1, 2, {true, SheetFormat::Markdown}));
    });
    EXPECT_TRUE(markdown.starts_with("## Exercitiul 18446744073709551614 - rezolvare\n"));
    EXPECT_NE(markdown.find("\n\n---\n\n## Exercitiul 18446744073709551615 - rezolvare\n"),
              std::string::npos);
    const std::tuple<std::uint64_t, std::uint32_t, bool> numbers[] = {
        {0, 1000, true},
        {lastExerciseNumber, 1, true},
        {lastExerciseNumber, 2, false},
        {lastExerciseNumber - 999, 1000, true},
        {lastExerciseNumber - 998, 1000, false},
        {1, 0, true},
    };
    for (const auto& [first, count, fits] : numbers) {
        EXPECT_EQ(sheetNumbersFit(first, count), fits) << first << " " << count;
    }
    const std::string past = printedText(
        [](std::FILE* out) { EXPECT_FALSE(writeExerciseSheets(out, lastExerciseNumber, 2, {})); });
    EXPECT_EQ(past, "") << "numbers past the last write nothing, never a wrapped number";
}

} // namespace
