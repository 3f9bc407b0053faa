#include "exercise/sheet_table.h"

#include <algorithm>

namespace {

// Room for a handwritten answer, however short the key's.
constexpr std::size_t handwritingWidth = 8;

std::vector<std::size_t> columnWidths(const SheetTable& table) {
    std::vector<std::size_t> widths;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        std::size_t width = table.columns[c].header.size();
        for (const std::vector<std::string>& row : table.rows) {
            width = std::max(width, row[c].size());
        }
        widths.push_back(table.columns[c].answer ? std::max(width, handwritingWidth) : width);
    }
    return widths;
}

std::string aligned(const std::string& text, std::size_t width, bool right) {
    const std::string fill(width - std::min(width, text.size()), ' ');
    return right ? fill + text : text + fill;
}

std::string shownCell(const SheetTable& table, const std::vector<std::string>& row, std::size_t c) {
    return table.columns[c].answer && !table.answersShown ? std::string() : row[c];
}

void writeRule(std::FILE* out, const std::vector<std::size_t>& widths, char line, char corner) {
    std::string rule(1, corner);
    for (const std::size_t width : widths) {
        rule.append(width + 2, line).push_back(corner);
    }
    std::fprintf(out, "%s\n", rule.c_str());
}

// A row of cells, each padded to its column's width unless the widths are empty (Markdown needs none).
void writeCells(std::FILE* out, const std::vector<std::string>& cells, const std::vector<std::size_t>& widths,
                const std::vector<SheetColumn>& columns) {
    std::string line = "|";
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const std::size_t width = widths.empty() ? cells[c].size() : widths[c];
        line.append(" ").append(aligned(cells[c], width, columns[c].rightAligned)).append(" |");
    }
    std::fprintf(out, "%s\n", line.c_str());
}

std::vector<std::string> headers(const SheetTable& table) {
    std::vector<std::string> cells;
    for (const SheetColumn& column : table.columns) {
        cells.push_back(column.header);
    }
    return cells;
}

std::vector<std::string> shownRow(const SheetTable& table, const std::vector<std::string>& row) {
    std::vector<std::string> cells;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        cells.push_back(shownCell(table, row, c));
    }
    return cells;
}

void writeText(std::FILE* out, const SheetTable& table) {
    const std::vector<std::size_t> widths = columnWidths(table);
    writeRule(out, widths, '-', '+');
    writeCells(out, headers(table), widths, table.columns);
    writeRule(out, widths, '=', '+');
    for (const std::vector<std::string>& row : table.rows) {
        writeCells(out, shownRow(table, row), widths, table.columns);
        writeRule(out, widths, '-', '+');
    }
}

void writeMarkdown(std::FILE* out, const SheetTable& table) {
    writeCells(out, headers(table), {}, table.columns);
    std::string rule = "|";
    for (const SheetColumn& column : table.columns) {
        rule += column.rightAligned ? " ---: |" : " --- |";
    }
    std::fprintf(out, "%s\n", rule.c_str());
    for (const std::vector<std::string>& row : table.rows) {
        writeCells(out, shownRow(table, row), {}, table.columns);
    }
}

} // namespace

void writeSheetTable(std::FILE* out, const SheetTable& table, SheetFormat format) {
    if (format == SheetFormat::Markdown) {
        writeMarkdown(out, table);
    } else {
        writeText(out, table);
    }
}
