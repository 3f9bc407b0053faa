#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

enum class SheetFormat { Text, Markdown };

// A column of a sheet's table. An answer column is wide enough to write in, and its cells print empty on the
// student's sheet; it keeps the width of its answers there, so that a sheet and its key have the same shape.
struct SheetColumn {
    std::string header;
    bool rightAligned = false;
    bool answer = false;
};

struct SheetTable {
    std::vector<SheetColumn> columns;
    std::vector<std::vector<std::string>> rows; // one cell per column, answers too
    bool answersShown = false;
};

// Text: a table framed by +, - and |, a rule under every row. Markdown: a pipe table.
void writeSheetTable(std::FILE* out, const SheetTable& table, SheetFormat format);
