#include "cli/lab_summary.h"

#include "lab/lab_messages.h"
#include "lab/level_spec.h"
#include "report/json_writer.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int rateDigits = 6;
constexpr int amatDigits = 4;

using Count = std::uint64_t LevelSummary::*;

// The counts of a level in the order of the CSV's columns after miss_rate, and of the table's rows.
struct CountColumn {
    std::string_view name;
    Count count;
};
constexpr CountColumn leadingColumns[] = {{"accesses", &LevelSummary::accesses}, {"reads", &LevelSummary::reads},
                                          {"writes", &LevelSummary::writes},     {"hits", &LevelSummary::hits},
                                          {"misses", &LevelSummary::misses}};
constexpr CountColumn trailingColumns[] = {
    {"compulsory", &LevelSummary::compulsory}, {"capacity", &LevelSummary::capacity},
    {"conflict", &LevelSummary::conflict},     {"writebacks", &LevelSummary::writebacks},
    {"bytes_in", &LevelSummary::bytesIn},      {"bytes_out", &LevelSummary::bytesOut},
    {"dirty_at_end", &LevelSummary::dirtyAtEnd}};

std::string number(std::uint64_t value) { return std::to_string(value); }

std::string levelRate(const LevelSummary& level) { return decimalText(missRate(level.misses, level.accesses), rateDigits); }

// A table of text: the first column to the left, the others to the right, two blanks apart.
std::string layOut(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const std::vector<std::string>& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            const std::string padding(widths[column] - row[column].size(), ' ');
            text.append(column == 0 ? 0 : 2, ' ');
            text.append(column == 0 ? row[column] : padding).append(column == 0 ? padding : row[column]);
        }
        text += '\n';
    }
    return text;
}

std::string levelShape(LabLanguage language, const LevelConfig& level, int index) {
    const std::string ways = level.fullyAssociative ? std::string(labText(language, LabText::SummaryWaysFull))
                                                    : labText(language, LabText::SummaryWays, {number(level.ways)});
    return labText(language, LabText::SummaryLevel,
                   {levelName(index), number(level.capacity), number(level.line), ways, number(levelSets(level)),
                    policyName(level.policy), level.write == WriteRule::Back ? "back" : "through",
                    level.allocate ? "yes" : "no", number(level.hitCycles)});
}

std::string traceLine(LabLanguage language, const LabSummary& summary, const LabTraceFacts& trace) {
    std::string line = labText(language, LabText::SummaryTrace, {trace.name, trace.format, number(summary.traceAccesses)});
    if (trace.skipped != 0) {
        line += labText(language, LabText::SummarySkipped, {number(trace.skipped)});
    }
    if (trace.dropped != 0) {
        line += labText(language, LabText::SummaryDropped, {number(trace.dropped)});
    }
    return line + "\n";
}

std::vector<std::vector<std::string>> levelRows(LabLanguage language, const LabSummary& summary) {
    const auto row = [&](LabText label, auto cell) {
        std::vector<std::string> cells{std::string(labText(language, label))};
        for (std::size_t index = 0; index < summary.levels.size(); ++index) {
            cells.push_back(cell(summary.levels[index], static_cast<int>(index)));
        }
        return cells;
    };
    const auto count = [&](LabText label, Count field) {
        return row(label, [field](const LevelSummary& level, int) { return number(level.*field); });
    };
    return {
        row(LabText::SummaryRowLevel, [](const LevelSummary&, int index) { return levelName(index); }),
        count(LabText::SummaryRowAccesses, &LevelSummary::accesses),
        count(LabText::SummaryRowReads, &LevelSummary::reads),
        count(LabText::SummaryRowWrites, &LevelSummary::writes),
        count(LabText::SummaryRowHits, &LevelSummary::hits),
        count(LabText::SummaryRowMisses, &LevelSummary::misses),
        row(LabText::SummaryRowMissRate,
            [](const LevelSummary& level, int) {
                return decimalText(100 * missRate(level.misses, level.accesses), 2) + " %";
            }),
        count(LabText::SummaryRowCompulsory, &LevelSummary::compulsory),
        count(LabText::SummaryRowCapacity, &LevelSummary::capacity),
        count(LabText::SummaryRowConflict, &LevelSummary::conflict),
        count(LabText::SummaryRowWritebacks, &LevelSummary::writebacks),
        count(LabText::SummaryRowBytesIn, &LevelSummary::bytesIn),
        count(LabText::SummaryRowBytesOut, &LevelSummary::bytesOut),
        count(LabText::SummaryRowDirty, &LevelSummary::dirtyAtEnd),
    };
}

// h1 + m1 x (h2 + m2 x memory), each m the level's local demand miss rate.
std::string amatFormula(const HierarchyConfig& config, const LabSummary& summary) {
    std::string formula = number(config.memoryCycles);
    for (std::size_t index = std::min(config.levels.size(), summary.levels.size()); index-- > 0;) {
        const LevelSummary& level = summary.levels[index];
        const bool inner = index + 1 < summary.levels.size();
        std::string term = number(config.levels[index].hitCycles);
        term.append(" + ").append(decimalText(missRate(level.demandMisses, level.demandRequests), amatDigits));
        term.append(" x ").append(inner ? "(" : "").append(formula).append(inner ? ")" : "");
        formula = std::move(term);
    }
    return formula;
}

std::string localRates(const LabSummary& summary) {
    std::string rates;
    for (std::size_t index = 0; index < summary.levels.size(); ++index) {
        const LevelSummary& level = summary.levels[index];
        rates.append(index == 0 ? "m" : ", m").append(std::to_string(index + 1)).append(" = ");
        rates.append(number(level.demandMisses)).append(" / ").append(number(level.demandRequests));
    }
    return rates;
}

void appendCell(std::string& csv, std::string_view cell) {
    csv += ',';
    csv += cell;
}

} // namespace

std::string decimalText(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", digits, value);
    std::string result(text);
    if (result.find('.') != std::string::npos) {
        result.erase(result.find_last_not_of('0') + 1);
        if (result.back() == '.') {
            result.pop_back();
        }
    }
    return result;
}

double missRate(std::uint64_t misses, std::uint64_t accesses) {
    return accesses == 0 ? 0.0 : static_cast<double>(misses) / static_cast<double>(accesses);
}

std::string labSummaryTable(LabLanguage language, const HierarchyConfig& config, const LabSummary& summary,
                            const LabTraceFacts& trace) {
    std::string text = traceLine(language, summary, trace);
    for (std::size_t index = 0; index < config.levels.size(); ++index) {
        text += levelShape(language, config.levels[index], static_cast<int>(index)) + "\n";
    }
    text += labText(language, LabText::SummaryMemory, {number(config.memoryCycles)}) + "\n\n";
    text += layOut(levelRows(language, summary)) + "\n";
    const MemorySummary& memory = summary.memory;
    text += labText(language, LabText::SummaryMemoryTraffic,
                    {number(memory.accesses), number(memory.reads), number(memory.writes), number(memory.bytesRead),
                     number(memory.bytesWritten)}) +
            "\n";
    text += labText(language, LabText::SummaryAmat,
                    {amatFormula(config, summary), decimalText(summary.amat, amatDigits)}) +
            "\n";
    return text + labText(language, LabText::SummaryAmatNote, {localRates(summary)}) + "\n";
}

std::string labSummaryCsv(const LabSummary& summary) {
    std::string csv = "level";
    for (const CountColumn& column : leadingColumns) {
        appendCell(csv, column.name);
    }
    appendCell(csv, "miss_rate");
    for (const CountColumn& column : trailingColumns) {
        appendCell(csv, column.name);
    }
    csv += '\n';
    for (std::size_t index = 0; index < summary.levels.size(); ++index) {
        const LevelSummary& level = summary.levels[index];
        csv += levelName(static_cast<int>(index));
        for (const CountColumn& column : leadingColumns) {
            appendCell(csv, number(level.*column.count));
        }
        appendCell(csv, levelRate(level));
        for (const CountColumn& column : trailingColumns) {
            appendCell(csv, number(level.*column.count));
        }
        csv += '\n';
    }
    const MemorySummary& memory = summary.memory;
    csv += "memory";
    for (const std::uint64_t count : {memory.accesses, memory.reads, memory.writes}) {
        appendCell(csv, number(count));
    }
    csv += ",,,,,,,"; // hits to writebacks
    appendCell(csv, number(memory.bytesRead));
    appendCell(csv, number(memory.bytesWritten));
    csv += ",\namat";
    appendCell(csv, decimalText(summary.amat, amatDigits));
    return csv + ",,,,,,,,,,,,\n";
}

std::string labSummaryJson(const LabSummary& summary, const LabTraceFacts& trace) {
    std::string out;
    JsonWriter json(out);
    json.beginObject()
        .beginObject("trace")
        .text("name", trace.name)
        .text("format", trace.format)
        .numberText("accesses", number(summary.traceAccesses))
        .numberText("skipped", number(trace.skipped))
        .numberText("dropped_fetches", number(trace.dropped))
        .endObject()
        .beginArray("levels");
    for (std::size_t index = 0; index < summary.levels.size(); ++index) {
        const LevelSummary& level = summary.levels[index];
        json.beginObject().text("level", levelName(static_cast<int>(index)));
        for (const CountColumn& column : leadingColumns) {
            json.numberText(column.name, number(level.*column.count));
        }
        json.numberText("miss_rate", levelRate(level));
        for (const CountColumn& column : trailingColumns) {
            json.numberText(column.name, number(level.*column.count));
        }
        json.endObject();
    }
    const MemorySummary& memory = summary.memory;
    json.endArray()
        .beginObject("memory")
        .numberText("accesses", number(memory.accesses))
        .numberText("reads", number(memory.reads))
        .numberText("writes", number(memory.writes))
        .numberText("bytes_in", number(memory.bytesRead))
        .numberText("bytes_out", number(memory.bytesWritten))
        .endObject()
        .numberText("amat", decimalText(summary.amat, amatDigits))
        .endObject();
    return out + "\n";
}
