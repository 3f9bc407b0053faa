#include "exercise/exercise_sheet.h"

#include "config/choice_names.h"
#include "config/list_text.h"
#include "exercise/sheet_texts.h"

#include <cinttypes>
#include <string>

namespace {

const char* const separatorLine = "=====================================";

// Writes one sheet; the parts differ between text and Markdown only in how they are marked.
class SheetWriter {
  public:
    SheetWriter(std::FILE* out, const Exercise& exercise, const ExerciseKey& key, SheetOptions options)
        : out_(out), exercise_(exercise), key_(key), options_(options) {}

    void write() {
        writeTitle();
        writeConfiguration();
        writeWidths();
        writeAccesses();
        writeFinalCache();
        writeMissRate();
    }

  private:
    bool markdown() const { return options_.format == SheetFormat::Markdown; }

    void line(const std::string& text) { std::fprintf(out_, "%s\n", text.c_str()); }

    void heading(const std::string& text) {
        line("");
        std::fprintf(out_, "%s%s\n", markdown() ? "### " : "", text.c_str());
        line("");
    }

    // A line of the configuration: label, value and unit.
    void item(const char* label, std::int64_t value, const char* unit = "") {
        std::fprintf(out_, "%s%s%" PRId64 "%s\n", markdown() ? "- " : "", label, value, unit);
    }
    void item(const char* label, const wchar_t* choice) {
        std::fprintf(out_, "%s%s%s\n", markdown() ? "- " : "", label, narrowText(choice).c_str());
    }

    void table(SheetTable& table) {
        table.answersShown = options_.answers;
        writeSheetTable(out_, table, options_.format);
    }

    void writeTitle() {
        const char* solved = options_.answers ? " - rezolvare" : "";
        if (markdown()) {
            std::fprintf(out_, "## Exercitiul %" PRIu64 "%s\n\nMaparea memoriei cache.\n\n", exercise_.seed,
                         solved);
            return;
        }
        line(separatorLine);
        std::fprintf(out_, "Exercitiul %" PRIu64 "%s\n", exercise_.seed, solved);
        line("Maparea memoriei cache");
        line(separatorLine);
    }

    void writeConfiguration() {
        item("Dimensiune RAM: ", exercise_.ramSizeMb, " (Mo)");
        item("Dimensiune Cache: ", exercise_.cacheSizeKb, " (ko)");
        item("Dimensiune Bloc: ", exercise_.blockSizeBytes, " (o)");
        item("Metoda de mapare: ", mappingMethodTexts[slot(toInt(exercise_.mapping))]);
        if (exercise_.mapping == MappingMethod::SetAssociative) {
            item("Numar de seturi: ", exercise_.setCount);
        }
        if (exercise_.policy != noSelection) {
            item("Metoda de reamplasare: ", replacementPolicyTexts[slot(exercise_.policy)]);
        }
        item("Numar de blocuri in cache: ", exercise_.cacheBlockCount);
        if (!markdown()) {
            line(separatorLine);
        }
        if (markdown()) {
            line("");
        }
        line("Cache-ul este gol la inceput. Cele 10 adrese RAM de mai jos sunt accesate in");
        line("ordine, o singura data (secventa data, 1 iteratie). Adresele si raspunsurile");
        line("sunt scrise in zecimal, cu hexazecimalul in paranteze.");
    }

    static SheetColumn answer(const char* header) { return SheetColumn{header, false, true}; }

    void writeWidths() {
        heading("1. Numarul de biti ai adresei si ai fiecarui camp");
        SheetTable widths;
        widths.columns = {answer("Adresa"), answer(tagHeader)};
        std::vector<std::string> row{std::to_string(key_.addressBits), std::to_string(key_.tagBits)};
        if (const char* index = indexHeader(exercise_.mapping)) {
            widths.columns.push_back(answer(index));
            row.push_back(std::to_string(key_.indexBits));
        }
        widths.columns.push_back(answer(wordHeader));
        row.push_back(std::to_string(key_.wordBits));
        widths.rows.push_back(row);
        table(widths);
    }

    std::vector<std::string> accessRow(std::size_t i) const {
        const ExerciseAccess& access = key_.accesses[i];
        std::vector<std::string> row{std::to_string(i + 1), decimalAndHex(access.address),
                                     decimalAndHex(access.tag)};
        if (indexHeader(exercise_.mapping) != nullptr) {
            row.push_back(decimalAndHex(access.index));
        }
        row.push_back(decimalAndHex(access.word));
        row.push_back(outcomeText(access.hit));
        row.push_back(replacedBlockText(access.replacedBlock));
        if (options_.answers) {
            row.push_back(missKindName(access.kind));
        }
        return row;
    }

    void writeAccesses() {
        heading("2. Fiecare acces: campurile adresei, hit sau miss, blocul inlocuit");
        line("La un miss care scoate un bloc RAM din cache se scrie numarul blocului din");
        line("cache in care a stat; altfel \"-\".");
        line("");
        SheetTable accesses;
        accesses.columns = {{"Nr", true, false}, {"Adresa RAM", false, false}, answer(tagHeader)};
        if (const char* index = indexHeader(exercise_.mapping)) {
            accesses.columns.push_back(answer(index));
        }
        accesses.columns.push_back(answer(wordHeader));
        accesses.columns.push_back(answer(outcomeHeader));
        accesses.columns.push_back(answer(replacedHeader));
        if (options_.answers) {
            accesses.columns.push_back(answer(kindHeader));
        }
        for (std::size_t i = 0; i < key_.accesses.size(); ++i) {
            accesses.rows.push_back(accessRow(i));
        }
        table(accesses);
        if (options_.answers) {
            writeKindLegend();
        }
    }

    void writeKindLegend() {
        line("");
        line("Tip miss: obligatoriu - primul acces la blocul RAM de cand cache-ul e gol;");
        std::fprintf(out_, "capacitate - ar fi miss si intr-un cache asociativ LRU de %d blocuri,\n",
                     key_.cacheBlockCount);
        line("cu aceleasi accese; conflict - un astfel de cache l-ar fi pastrat (de vina e");
        line("plasarea sau politica de reamplasare).");
    }

    void writeFinalCache() {
        heading("3. Continutul cache-ului dupa ultimul acces");
        line("Tag-ul blocului RAM din fiecare bloc al cache-ului, \"-\" pentru un bloc gol.");
        line("");
        SheetTable cache;
        cache.columns = {{"Bloc cache", true, false}};
        const bool sets = exercise_.mapping == MappingMethod::SetAssociative;
        if (sets) {
            cache.columns.push_back({"Set", true, false});
        }
        cache.columns.push_back(answer(tagHeader));
        for (int b = 0; b < key_.cacheBlockCount; ++b) {
            const ExerciseBlock& block = key_.finalCache[slot(b)];
            std::vector<std::string> row{std::to_string(b)};
            if (sets) {
                row.push_back(std::to_string(b / key_.blocksPerSet));
            }
            row.push_back(block.filled ? decimalAndHex(block.tag) : "-");
            cache.rows.push_back(row);
        }
        table(cache);
    }

    void writeMissRate() {
        heading("4. Rata de pierderi dupa cele 10 accese");
        if (!options_.answers) {
            line("Rata de pierderi = ____________");
            return;
        }
        line(missRateText(key_.misses));
    }

    std::FILE* out_;
    const Exercise& exercise_;
    const ExerciseKey& key_;
    SheetOptions options_;
};

} // namespace

void writeExerciseSheet(std::FILE* out, const Exercise& exercise, const ExerciseKey& key,
                        SheetOptions options) {
    SheetWriter(out, exercise, key, options).write();
}

bool sheetNumbersFit(std::uint64_t firstSeed, std::uint32_t count) {
    return count == 0 || count - 1 <= lastExerciseNumber - firstSeed;
}

bool writeExerciseSheets(std::FILE* out, std::uint64_t firstSeed, std::uint32_t count, SheetOptions options) {
    if (!sheetNumbersFit(firstSeed, count)) {
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        const Exercise exercise = drawExercise(firstSeed + i);
        const ExerciseKey key = solveExercise(exercise);
        if (!key.valid) {
            return false;
        }
        if (i > 0) {
            std::fputs(options.format == SheetFormat::Markdown ? "\n---\n\n" : "\n", out);
        }
        writeExerciseSheet(out, exercise, key, options);
    }
    return true;
}
