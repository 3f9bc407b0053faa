#include "cli/method_comparison.h"

#include "config/cache_config.h"
#include "config/choice_names.h"
#include "config/list_text.h"
#include "dialog/dialog_buttons.h"
#include "engine/miss_kinds.h"
#include "engine/miss_rate.h"
#include "engine/simulation_state.h"
#include "language/catalogue.h"
#include "report/error_line.h"

#include <string>

namespace {

struct Combination {
    MappingMethod mapping;
    std::int32_t policy; // noSelection for direct mapping, which has none
};

constexpr Combination combinations[] = {
    {MappingMethod::Direct, noSelection},
    {MappingMethod::Associative, toInt(ReplacementPolicy::Fifo)},
    {MappingMethod::Associative, toInt(ReplacementPolicy::Lru)},
    {MappingMethod::SetAssociative, toInt(ReplacementPolicy::Fifo)},
    {MappingMethod::SetAssociative, toInt(ReplacementPolicy::Lru)},
};

// What one combination gave: its figures, or the error its configuration did not validate with.
struct CombinationOutcome {
    std::string mapping; // the list's text, in Romanian
    std::string policy;  // empty for direct mapping
    bool valid = false;
    int accesses = 0;
    int misses = 0;
    double missRatePercent = 0.0;
    int compulsory = 0;
    int capacity = 0;
    int conflict = 0;
    std::string error;
};

int missesAmong(int accesses) {
    int misses = 0;
    for (int s = 0; s < accesses; ++s) {
        misses += simulationState.missFlag[slot(s)] == missOutcome ? 1 : 0;
    }
    return misses;
}

int missesOfKindAmong(int accesses, MissKind kind) {
    int misses = 0;
    for (int s = 0; s < accesses; ++s) {
        misses += missKinds.kind[slot(s)] == kind ? 1 : 0;
    }
    return misses;
}

// What the sets field of the direct and associative rows holds. Validation holds the set count against the
// cache's blocks under every method: a field these methods do not use must not fail them.
const std::string unusedSetsText = "0";

// The run's fields with the combination's choices.
DialogFields combinationFields(const DialogFields& runFields, const Combination& combination) {
    DialogFields fields = runFields;
    fields.mapping = toInt(combination.mapping);
    fields.policy = combination.policy;
    if (combination.mapping != MappingMethod::SetAssociative) {
        fields.sets = unusedSetsText;
    }
    return fields;
}

CombinationOutcome runCombination(const DialogFields& runFields, const Combination& combination,
                                  Language language) {
    CombinationOutcome outcome;
    outcome.mapping = narrowText(mappingMethodTexts[slot(toInt(combination.mapping))]);
    if (combination.policy != noSelection) {
        outcome.policy = narrowText(replacementPolicyTexts[slot(combination.policy)]);
    }
    pressSetareMod(combinationFields(runFields, combination));
    if (cacheConfig.configErrors != 0) {
        outcome.error = firstErrorMessage(language);
        return outcome;
    }
    pressStartSimulation();
    computeMissRate();
    outcome.valid = true;
    outcome.accesses = chartedAccessCount();
    outcome.misses = missesAmong(outcome.accesses);
    outcome.missRatePercent = simulationState.missRate[slot(outcome.accesses - 1)] * 100.0;
    outcome.compulsory = missesOfKindAmong(outcome.accesses, MissKind::Compulsory);
    outcome.capacity = missesOfKindAmong(outcome.accesses, MissKind::Capacity);
    outcome.conflict = missesOfKindAmong(outcome.accesses, MissKind::Conflict);
    return outcome;
}

void writeRunStart(ComparisonFormat format, Language language, std::FILE* out, std::int32_t run) {
    if (format == ComparisonFormat::Csv) {
        if (run == 1) {
            std::fputs("run,mapping,policy,steps,misses,miss_rate_percent,compulsory,capacity,conflict\n",
                       out);
        }
        return;
    }
    if (run > 1) {
        std::fputs("\n", out);
    }
    std::fprintf(out, "%-24s%-10s%6s  %4s  %16s  %11s  %10s  %8s\n", translated(language, "metoda de mapare"),
                 translated(language, "politica"), translated(language, "accese"),
                 translated(language, "miss"), translated(language, "rata de pierderi"),
                 translated(language, "obligatorii"), translated(language, "capacitate"),
                 translated(language, "conflict"));
}

void writeTableLine(std::FILE* out, Language language, const CombinationOutcome& outcome) {
    const char* mapping = translated(language, outcome.mapping.c_str());
    const char* policy = outcome.policy.empty() ? "-" : outcome.policy.c_str();
    if (!outcome.valid) {
        std::fprintf(out, "%-24s%-10s%s\n", mapping, policy, outcome.error.c_str());
        return;
    }
    std::fprintf(out, "%-24s%-10s%6d  %4d  %14.2f %%  %11d  %10d  %8d\n", mapping, policy, outcome.accesses,
                 outcome.misses, outcome.missRatePercent, outcome.compulsory, outcome.capacity,
                 outcome.conflict);
}

// A row without figures keeps the CSV clean: its error goes to err, on one line.
void writeCsvLine(std::FILE* out, std::FILE* err, std::int32_t run, const CombinationOutcome& outcome) {
    std::fprintf(out, "%d,%s,%s,", run, outcome.mapping.c_str(), outcome.policy.c_str());
    if (!outcome.valid) {
        std::fputs(",,,,,\n", out);
        const std::string combination =
            outcome.mapping + (outcome.policy.empty() ? "" : " " + outcome.policy);
        std::fprintf(err, "tarvel_cache_text: run %d, %s: %s\n", run, combination.c_str(),
                     outcome.error.c_str());
        return;
    }
    std::fprintf(out, "%d,%d,%.2f,%d,%d,%d\n", outcome.accesses, outcome.misses, outcome.missRatePercent,
                 outcome.compulsory, outcome.capacity, outcome.conflict);
}

} // namespace

bool MethodComparison::compareRun(const DialogFields& fields) {
    ++run_;
    writeRunStart(format_, language_, out_, run_);
    bool everyValid = true;
    for (const Combination& combination : combinations) {
        const CombinationOutcome outcome = runCombination(fields, combination, language_);
        if (format_ == ComparisonFormat::Csv) {
            writeCsvLine(out_, err_, run_, outcome);
        } else {
            writeTableLine(out_, language_, outcome);
        }
        everyValid = everyValid && outcome.valid;
    }
    return everyValid;
}
