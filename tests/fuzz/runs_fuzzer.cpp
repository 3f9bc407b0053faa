// Fuzz target "runs": the input is a session at the Configuration dialog, one user action a line, applied
// through the core entries the dialog uses, with the dialog's rules deciding which controls are enabled.
// After every action the invariants a user relies on must hold; the whole session, run twice from start-up,
// must write the same bytes.
//
// The actions (anything else on a line is skipped, as are actions on a control the rules leave disabled):
//   ram|cache|block|sets|iterations|address0..address9 TEXT   the field's text becomes TEXT (\xHH is a byte)
//   FIELD+ TEXT                                              TEXT is typed at the end of the field
//   FIELD* N                                                 the field's text repeated N times (up to 256 KB)
//   mapping|policy|mode N        the list's selection becomes N: -1 none, any 32-bit number
//   focus                        the mapping list gains the focus
//   setare | start | regenerate | exit | status              the buttons, and Console > Status
// After Exit the next action opens a new dialog (Configuration > Input).

#include "fuzz_support.h"

#include "cli/step_table.h"
#include "config/cache_config.h"
#include "dialog/dialog_buttons.h"
#include "dialog/dialog_controls.h"
#include "dialog/dialog_fields.h"
#include "engine/simulation_state.h"
#include "report/printed_text.h"
#include "report/status_report.h"
#include "view/main_scene.h"
#include "view/scene_json.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t maxActions = 300;
constexpr std::size_t maxFieldText = 256 * 1024;

// The admissible values as the Help dialog and the README list them, written out apart from the code under
// test.
constexpr std::array<std::int32_t, 13> ramSizes{1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096};
constexpr std::array<std::int32_t, 7> cacheSizes{16, 32, 64, 128, 256, 512, 1024};
constexpr std::array<std::int32_t, 10> blockSizes{128, 256, 512, 1024, 2048, 4096, 8192, 16384, 32768, 65536};
constexpr std::array<std::int32_t, 4> setCounts{1, 2, 4, 8};
constexpr std::array<std::int32_t, 4> blockCounts{2, 4, 8, 16};

template <std::size_t N> bool within(std::int32_t value, const std::array<std::int32_t, N>& list) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

std::uint32_t log2Of(std::int32_t powerOfTwo) {
    std::uint32_t bits = 0;
    while ((std::int64_t{1} << (bits + 1)) <= powerOfTwo) {
        ++bits;
    }
    return bits;
}

std::uint32_t ones(std::uint32_t width) {
    return width >= 32 ? 0xffffffffu : (std::uint32_t{1} << width) - 1;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string decodeText(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' && isHexDigit(text[i + 2]) &&
            isHexDigit(text[i + 3])) {
            decoded.push_back(static_cast<char>(std::stoi(std::string(text.substr(i + 2, 2)), nullptr, 16)));
            i += 3;
        } else {
            decoded.push_back(text[i]);
        }
    }
    return decoded;
}

// A decimal number of the input, wrapped into 32 bits as a list's index; none when the text holds none.
std::optional<std::int32_t> decodeNumber(std::string_view text) {
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint32_t>(text[i] - '0');
    }
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

// The last reset as the README describes it: successive individual runs with the same method, policy and
// mode continue only on a cache of the same size, block size and (set-associative) set count.
struct ResetChoices {
    std::int32_t mapping, policy, mode, cache, block, sets;
    bool operator==(const ResetChoices&) const = default;
};

class Session {
  public:
    Session() : stream_(openTextStream()) {
        if (stream_.file == nullptr) {
            invariantBroken("a memory stream could be opened");
        }
    }

    // Applies every action of the input and returns every byte the session wrote.
    std::string perform(std::string_view input) {
        steps_.emplace(stream_.file);
        std::size_t actions = 0;
        while (!input.empty() && actions < maxActions) {
            const std::size_t end = std::min(input.find('\n'), input.size());
            apply(input.substr(0, end));
            input.remove_prefix(std::min(end + 1, input.size()));
            ++actions;
        }
        return closeTextStream(stream_);
    }

  private:
    // The button effects act on the session that is their context.
    static Session& sessionOf(void* context) { return *static_cast<Session*>(context); }
    static void showValidity(void* context, bool valid, bool randomSequence) {
        Session& session = sessionOf(context);
        session.controls_ = afterSetareMod(session.controls_, valid, randomSequence);
    }
    static void showRunFinished(void* context) {
        Session& session = sessionOf(context);
        session.controls_ = afterStartSimulation(session.controls_);
    }
    static void reopenConsole(void* context) { sessionOf(context).printReport(); }
    static void repaint(void* context) {
        if (resultsReady == 1) { // after a run: the results; otherwise the title picture, nothing to write
            std::fputs(sceneJsonLines(recordMainView(standardClient)).c_str(),
                       sessionOf(context).stream_.file);
        }
    }
    ButtonEffects effects() { return {showValidity, showRunFinished, reopenConsole, repaint, this}; }

    void printReport() {
        std::fflush(stream_.file);
        const std::size_t before = stream_.memorySize;
        printStatusReport(stream_.file);
        std::fflush(stream_.file);
        lastReport_.assign(stream_.memory + before, stream_.memorySize - before);
    }

    std::string* field(std::string_view name) {
        if (name == "ram") {
            return &fields_.ram;
        }
        if (name == "cache") {
            return &fields_.cache;
        }
        if (name == "block") {
            return &fields_.block;
        }
        if (name == "sets") {
            return controls_.setCountField ? &fields_.sets : nullptr;
        }
        if (name == "iterations") {
            return controls_.iterationField ? &fields_.iterations : nullptr;
        }
        if (name.size() == 8 && name.starts_with("address") && name[7] >= '0' && name[7] <= '9') {
            const auto index = static_cast<std::size_t>(name[7] - '0');
            return controls_.addressFields[index] ? &fields_.addresses[index] : nullptr;
        }
        return nullptr;
    }

    void apply(std::string_view line) {
        const std::size_t blank = line.find(' ');
        std::string_view word = line.substr(0, blank);
        const std::string_view argument = blank == std::string_view::npos ? "" : line.substr(blank + 1);
        if (!dialogOpen_) { // Configuration > Input: a new dialog
            fields_ = DialogFields{};
            controls_ = dialogOpened();
            dialogOpen_ = true;
        }
        char edit = '\0';
        if (!word.empty() && (word.back() == '+' || word.back() == '*')) {
            edit = word.back();
            word.remove_suffix(1);
        }
        if (std::string* text = field(word); text != nullptr) {
            type(*text, edit, argument);
        } else if (word == "mapping" || word == "policy" || word == "mode") {
            select(word, argument);
        } else if (word == "focus") {
            controls_ = afterMappingNotification(controls_, fields_.mapping, false);
        } else if (word == "setare") {
            pressSetareMod(fields_, effects());
            checkSetareMod();
        } else if (word == "start" && controls_.startSimulation) {
            startSimulation();
        } else if (word == "regenerate" && controls_.regenerateSequence) {
            pressRegenerateSequence();
            controls_ = afterRegenerateSequence(controls_);
        } else if (word == "exit") {
            pressExit();
            dialogOpen_ = false;
            lastReset_.reset();
        } else if (word == "status") {
            printReport();
        }
    }

    static void type(std::string& text, char edit, std::string_view argument) {
        if (edit == '*') {
            const std::optional<std::int32_t> times = decodeNumber(argument);
            if (!times || *times < 0) {
                return;
            }
            const std::string once = text;
            text.clear();
            for (std::int32_t i = 0; i < *times && text.size() + once.size() <= maxFieldText; ++i) {
                text += once;
            }
            return;
        }
        if (edit != '+') {
            text.clear();
        }
        text += decodeText(argument);
        text.resize(std::min(text.size(), maxFieldText));
    }

    void select(std::string_view list, std::string_view argument) {
        const std::optional<std::int32_t> selection = decodeNumber(argument);
        if (!selection) {
            return;
        }
        if (list == "mapping") {
            fields_.mapping = *selection;
            controls_ = afterMappingNotification(controls_, *selection, true);
        } else if (list == "policy") {
            if (controls_.policyList) {
                fields_.policy = *selection;
            }
        } else {
            fields_.mode = *selection;
            controls_ = afterWorkModeSelection(controls_, *selection);
            selectWorkMode(*selection);
        }
    }

    // "Setare mod": the console says valid exactly when configErrors is 0, and then every value is one the
    // lists admit; START SIMULARE follows the outcome.
    void checkSetareMod() const {
        const CacheConfig& c = cacheConfig;
        const bool valid = c.configErrors == 0;
        const bool reportedValid = lastReport_ == "Configurare valida\nApasa START SIMULARE\n";
        FUZZ_CHECK(reportedValid == valid, lastReport_);
        FUZZ_CHECK(lastReport_.starts_with("=====================================\nConfigurare nevalida\n") ==
                       !valid,
                   lastReport_);
        FUZZ_CHECK(controls_.startSimulation == valid, "");
        if (!valid) {
            return;
        }
        const std::string values =
            "ram " + std::to_string(c.ramSizeMb) + " cache " + std::to_string(c.cacheSizeKb) + " block " +
            std::to_string(c.blockSizeBytes) + " mapping " + std::to_string(toInt(c.mappingMethod)) +
            " policy " + std::to_string(toInt(c.replacementPolicy)) + " mode " +
            std::to_string(toInt(c.workMode)) + " sets " + std::to_string(c.setCount) + " iterations " +
            std::to_string(c.iterationCount);
        FUZZ_CHECK(within(c.ramSizeMb, ramSizes), values);
        FUZZ_CHECK(within(c.cacheSizeKb, cacheSizes), values);
        FUZZ_CHECK(within(c.blockSizeBytes, blockSizes), values);
        const std::int32_t mapping = toInt(c.mappingMethod);
        const std::int32_t mode = toInt(c.workMode);
        FUZZ_CHECK(mapping >= 0 && mapping <= 2, values);
        FUZZ_CHECK(mode >= 0 && mode <= 2, values);
        if (c.mappingMethod != MappingMethod::Direct) {
            FUZZ_CHECK(toInt(c.replacementPolicy) >= 0 && toInt(c.replacementPolicy) <= 1, values);
        }
        const std::int32_t blocks = c.cacheSizeKb * 1024 / c.blockSizeBytes;
        FUZZ_CHECK(within(blocks, blockCounts), values);
        FUZZ_CHECK(blocks >= c.setCount, values);
        if (c.mappingMethod == MappingMethod::SetAssociative) {
            FUZZ_CHECK(within(c.setCount, setCounts), values);
        }
        if (c.workMode == WorkMode::RandomSequence) {
            FUZZ_CHECK(c.iterationCount >= 10 && c.iterationCount <= 100, values);
        } else if (c.workMode == WorkMode::GivenSequence) {
            FUZZ_CHECK(c.iterationCount >= 1 && c.iterationCount <= 10, values);
        }
        FUZZ_CHECK(std::int64_t{c.ramSizeMb} * 1024 >= std::int64_t{16} * c.cacheSizeKb, values);
        FUZZ_CHECK(std::int64_t{c.ramSizeMb} * 1048576 / c.blockSizeBytes <= 524288, values);
        const std::int64_t lastAddress = std::int64_t{c.ramSizeMb} * 1048576 - 1;
        const int tested = c.workMode == WorkMode::GivenSequence ? 10
                           : c.workMode == WorkMode::Individual  ? 1
                                                                 : 0;
        for (int i = 0; i < 10; ++i) {
            FUZZ_CHECK(c.addressEntered[static_cast<std::size_t>(i)] == 1, values);
            if (i < tested) {
                FUZZ_CHECK(c.addressSequence[static_cast<std::size_t>(i)] <= lastAddress, values);
            }
        }
    }

    void startSimulation() {
        const CacheConfig& c = cacheConfig;
        FUZZ_CHECK(c.configErrors == 0, "START SIMULARE enabled on an invalid configuration");
        const bool setsMatter = c.mappingMethod == MappingMethod::SetAssociative;
        const ResetChoices choices{toInt(c.mappingMethod), toInt(c.replacementPolicy),
                                   toInt(c.workMode),      c.cacheSizeKb,
                                   c.blockSizeBytes,       setsMatter ? c.setCount : 0};
        const bool continues = c.workMode == WorkMode::Individual && lastReset_ == choices;
        if (!continues) {
            lastReset_ = choices;
            loadedBlocks_.clear();
            individualRuns_ = 0;
        }
        pressStartSimulation(effects());
        FUZZ_CHECK(!controls_.startSimulation, "START SIMULARE still enabled after the run");
        FUZZ_CHECK(
            lastReport_.starts_with("=====================================\nSimulator metode de mapare\n"),
            lastReport_);
        FUZZ_CHECK(c.cacheBlockCount == c.cacheSizeKb * 1024 / c.blockSizeBytes, "");

        std::fflush(stream_.file);
        const std::size_t before = stream_.memorySize;
        steps_->writeLastRun();
        std::fflush(stream_.file);
        checkRun(std::string_view(stream_.memory + before, stream_.memorySize - before));
    }

    // The widths of the run, its steps in the records and its rows of --steps.
    void checkRun(std::string_view rows) {
        const CacheConfig& c = cacheConfig;
        const SimulationState& s = simulationState;
        const std::uint32_t wordBits = log2Of(c.blockSizeBytes);
        std::uint32_t indexBits = 0;
        if (c.mappingMethod == MappingMethod::Direct) {
            indexBits = log2Of(c.cacheBlockCount);
            FUZZ_CHECK(s.blockBits == indexBits, "");
        } else if (c.mappingMethod == MappingMethod::SetAssociative) {
            indexBits = log2Of(c.setCount);
            FUZZ_CHECK(s.setBits == indexBits, "");
        }
        FUZZ_CHECK(s.addressBits == log2Of(c.ramSizeMb) + 20, "");
        FUZZ_CHECK(s.wordBits == wordBits, "");
        FUZZ_CHECK(s.tagBits == s.addressBits - wordBits - indexBits, "");

        const bool individual = c.workMode == WorkMode::Individual;
        // Choosing "individual" between "Setare mod" and START SIMULARE stores 0 iterations at once (as the
        // dialog does); a given sequence then runs as one pass, and its chart and rows show at least one
        // access.
        int simulated = 100;
        if (individual) {
            simulated = 1;
        } else if (c.workMode == WorkMode::GivenSequence && std::clamp(c.iterationCount, 1, 10) == 1) {
            simulated = 10;
        }
        individualRuns_ = individual ? individualRuns_ + 1 : 0;
        FUZZ_CHECK(s.simulationStep == (individual ? individualRuns_ : simulated),
                   "simulationStep " + std::to_string(s.simulationStep));
        for (int step = 0; step < simulated; ++step) {
            const auto trace = static_cast<std::size_t>(individual ? 1 : step);
            const auto outcome = static_cast<std::size_t>(step);
            const std::uint32_t address = c.addressSequence[outcome];
            const std::uint32_t index = c.mappingMethod == MappingMethod::Direct ? s.blockIndex[trace]
                                        : c.mappingMethod == MappingMethod::SetAssociative ? s.setIndex[trace]
                                                                                           : 0;
            checkFields(address, s.tagValue[trace], index, s.wordOffset[trace], s.stepRecords[trace].ramBlock,
                        indexBits);
            FUZZ_CHECK(s.stepRecords[trace].tag == s.tagValue[trace], "");
            const double flag = s.missFlag[outcome];
            FUZZ_CHECK(flag == 0.0 || flag == 1.0, std::to_string(flag));
            const std::uint64_t block = (address & ones(s.addressBits)) >> wordBits;
            FUZZ_CHECK(flag == 1.0 || loadedBlocks_.count(block) == 1,
                       "a hit at step " + std::to_string(step) + " on RAM block " + std::to_string(block) +
                           " never loaded since the last reset");
            loadedBlocks_.insert(block);
        }
        checkRows(rows, indexBits);
    }

    void checkFields(std::uint32_t address, std::uint32_t tag, std::uint32_t index, std::uint32_t word,
                     std::uint32_t ramBlock, std::uint32_t indexBits) const {
        const SimulationState& s = simulationState;
        const std::string detail = "address " + std::to_string(address) + " tag " + std::to_string(tag) +
                                   " index " + std::to_string(index) + " word " + std::to_string(word);
        FUZZ_CHECK(word <= ones(s.wordBits) && index <= ones(indexBits) && tag <= ones(s.tagBits), detail);
        const std::uint64_t recomposed =
            (std::uint64_t{tag} << (s.wordBits + indexBits)) | (std::uint64_t{index} << s.wordBits) | word;
        FUZZ_CHECK(recomposed == (address & ones(s.addressBits)), detail);
        FUZZ_CHECK(ramBlock == (s.wordBits >= 32 ? 0 : address >> s.wordBits), detail);
    }

    // run,step,address,tag,index,word,ram_block,outcome,miss_rate_percent,miss_kind
    void checkRows(std::string_view rows, std::uint32_t indexBits) const {
        const CacheConfig& c = cacheConfig;
        if (rows.starts_with("run,")) {
            rows.remove_prefix(rows.find('\n') + 1);
        }
        int expected = 1;
        if (c.workMode == WorkMode::GivenSequence) {
            expected = std::clamp(c.iterationCount * 10, 1, 100);
        } else if (c.workMode == WorkMode::RandomSequence) {
            expected = std::clamp(c.iterationCount, 1, 100);
        }
        int count = 0;
        while (!rows.empty()) {
            const std::size_t end = rows.find('\n');
            FUZZ_CHECK(end != std::string_view::npos, std::string(rows));
            const std::string row(rows.substr(0, end));
            rows.remove_prefix(end + 1);
            int run = 0;
            int step = 0;
            unsigned address = 0;
            unsigned tag = 0;
            unsigned index = 0;
            unsigned word = 0;
            unsigned ramBlock = 0;
            char outcome[8] = {};
            double percent = -1.0;
            int read = std::sscanf(row.c_str(), "%d,%d,%u,%u,%u,%u,%u,%7[a-z],%lf", &run, &step, &address,
                                   &tag, &index, &word, &ramBlock, outcome, &percent);
            if (c.mappingMethod == MappingMethod::Associative) {
                read = std::sscanf(row.c_str(), "%d,%d,%u,%u,,%u,%u,%7[a-z],%lf", &run, &step, &address, &tag,
                                   &word, &ramBlock, outcome, &percent);
                read += 1;
            }
            FUZZ_CHECK(read == 9, row);
            checkFields(address, tag, index, word, ramBlock, indexBits);
            const std::string_view hitOrMiss(outcome);
            FUZZ_CHECK(hitOrMiss == "hit" || hitOrMiss == "miss", row);
            FUZZ_CHECK(percent >= 0.0 && percent <= 100.0, row);
            if (!individual()) {
                FUZZ_CHECK(step == count + 1, row);
                const double flag = simulationState.missFlag[static_cast<std::size_t>(count)];
                FUZZ_CHECK((hitOrMiss == "miss") == (flag == 1.0), row);
                const double rate = simulationState.missRate[static_cast<std::size_t>(count)];
                FUZZ_CHECK(rate >= 0.0 && rate <= 1.0, row);
            }
            ++count;
        }
        FUZZ_CHECK(count == expected,
                   "rows " + std::to_string(count) + ", expected " + std::to_string(expected));
    }

    static bool individual() { return cacheConfig.workMode == WorkMode::Individual; }

    TextStream stream_;
    std::optional<StepTable> steps_;
    std::string lastReport_;
    bool dialogOpen_ = false;
    DialogFields fields_{};
    DialogControls controls_ = dialogOpened();
    std::optional<ResetChoices> lastReset_;
    std::set<std::uint64_t> loadedBlocks_;
    std::int32_t individualRuns_ = 0;
};

std::string runSession(std::string_view input, std::uint64_t seed) {
    startFromStartup(seed);
    Session session;
    return session.perform(input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::uint64_t seed = inputSeed(data, size);
    const std::string first = runSession(input, seed);
    const std::string second = runSession(input, seed);
    if (first != second) {
        const auto difference = std::mismatch(first.begin(), first.end(), second.begin(), second.end());
        invariantBroken("the same actions write the same bytes twice",
                        "they differ from byte " + std::to_string(difference.first - first.begin()));
    }
    return 0;
}
