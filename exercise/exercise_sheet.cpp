#include "exercise/exercise_sheet.h"

#include "config/choice_names.h"
#include "config/list_text.h"
#include "exercise/sheet_texts.h"
#include "language/catalogue.h"

#include <cinttypes>
#include <string>

namespace {

const char* const separatorLine = "=====================================";

// Writes one sheet; the parts differ between text and Markdown only in how they are marked.
class SheetWriter {
  public:
    SheetWriter(std::FILE* out, const Exercise& exercise, const ExerciseKey& key, SheetOptions options)
        : out_(out), exercise_(exercise), key_(key), options_(options), language_(options.language) {}

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
    void line(const char* text) { std::fprintf(out_, "%s\n", text); }

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
        std::fprintf(out_, "%s%s%s\n", markdown() ? "- " : "", label,
                     translated(language_, narrowText(choice).c_str()));
    }

    // A column of answers under a header of sheet_texts.h.
    SheetColumn answer(const char* header) const {
        return SheetColumn{translated(language_, header), false, true};
    }

    void table(SheetTable& table) {
        table.answersShown = options_.answers;
        writeSheetTable(out_, table, options_.format);
    }

    void writeTitle() {
        const char* solved = options_.answers ? translated(language_, " - rezolvare") : "";
        const std::string number = std::to_string(exercise_.seed);
        if (markdown()) {
            std::fprintf(out_, translated(language_, "## Exercitiul %s%s\n\nMaparea memoriei cache.\n\n"),
                         number.c_str(), solved);
            return;
        }
        line(separatorLine);
        std::fprintf(out_, translated(language_, "Exercitiul %s%s\n"), number.c_str(), solved);
        line(translated(language_, "Maparea memoriei cache"));
        line(separatorLine);
    }

    void writeConfiguration() {
        item(translated(language_, "Dimensiune RAM: "), exercise_.ramSizeMb, translated(language_, " (Mo)"));
        item(translated(language_, "Dimensiune Cache: "), exercise_.cacheSizeKb,
             translated(language_, " (ko)"));
        item(translated(language_, "Dimensiune Bloc: "), exercise_.blockSizeBytes,
             translated(language_, " (o)"));
        item(translated(language_, "Metoda de mapare: "), mappingMethodTexts[slot(toInt(exercise_.mapping))]);
        if (exercise_.mapping == MappingMethod::SetAssociative) {
            item(translated(language_, "Numar de seturi: "), exercise_.setCount);
        }
        if (exercise_.policy != noSelection) {
            item(translated(language_, "Metoda de reamplasare: "),
                 replacementPolicyTexts[slot(exercise_.policy)]);
        }
        item(translated(language_, "Numar de blocuri in cache: "), exercise_.cacheBlockCount);
        if (!markdown()) {
            line(separatorLine);
        }
        if (markdown()) {
            line("");
        }
        line(translated(language_,
                        "Cache-ul este gol la inceput. Cele 10 adrese RAM de mai jos sunt accesate in\n"
                        "ordine, o singura data (secventa data, 1 iteratie). Adresele si raspunsurile\n"
                        "sunt scrise in zecimal, cu hexazecimalul in paranteze."));
    }

    void writeWidths() {
        heading(translated(language_, "1. Numarul de biti ai adresei si ai fiecarui camp"));
        SheetTable widths;
        widths.columns = {answer(catalogueText("Adresa")), answer(tagHeader)};
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
            row.push_back(translated(language_, missKindName(access.kind)));
        }
        return row;
    }

    void writeAccesses() {
        heading(translated(language_, "2. Fiecare acces: campurile adresei, hit sau miss, blocul inlocuit"));
        line(translated(language_,
                        "La un miss care scoate un bloc RAM din cache se scrie numarul blocului din\n"
                        "cache in care a stat; altfel \"-\"."));
        line("");
        SheetTable accesses;
        accesses.columns = {{translated(language_, "Nr"), true, false},
                            {translated(language_, "Adresa RAM"), false, false},
                            answer(tagHeader)};
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
        std::fprintf(
            out_,
            translated(language_,
                       "Tip miss: obligatoriu - primul acces la blocul RAM de cand cache-ul e gol;\n"
                       "capacitate - ar fi miss si intr-un cache asociativ LRU de %d blocuri,\n"
                       "cu aceleasi accese; conflict - un astfel de cache l-ar fi pastrat (de vina e\n"
                       "plasarea sau politica de reamplasare).\n"),
            key_.cacheBlockCount);
    }

    void writeFinalCache() {
        heading(translated(language_, "3. Continutul cache-ului dupa ultimul acces"));
        line(translated(language_,
                        "Tag-ul blocului RAM din fiecare bloc al cache-ului, \"-\" pentru un bloc gol."));
        line("");
        SheetTable cache;
        cache.columns = {{translated(language_, "Bloc cache"), true, false}};
        const bool sets = exercise_.mapping == MappingMethod::SetAssociative;
        if (sets) {
            cache.columns.push_back({translated(language_, "Set"), true, false});
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
        heading(translated(language_, "4. Rata de pierderi dupa cele 10 accese"));
        if (!options_.answers) {
            line(translated(language_, "Rata de pierderi = ____________"));
            return;
        }
        line(missRateText(key_.misses, language_));
    }

    std::FILE* out_;
    const Exercise& exercise_;
    const ExerciseKey& key_;
    SheetOptions options_;
    Language language_;
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
