#include "view/panel_labels.h"

#include "config/capacities.h"
#include "view/label_text.h"

// An empty block shows no tag, whatever its slot still holds.
std::string cacheCellLabel(const CacheSnapshot& cache, int block) {
    const std::string tag =
        cache.blockState[slot(block)] == BlockState::Empty ? "NA" : numberText(cache.blockTag[slot(block)]);
    return numberText(static_cast<std::uint32_t>(block)) + ": " + tag;
}

std::string ramBlockLabel(const StepRecord& step) {
    return "B=" + numberText(step.ramBlock);
}

std::string tagLabel(const StepRecord& step) {
    return "T=" + numberText(step.tag);
}

std::string loadStepLabel(const CacheSnapshot& cache, int block) {
    return "in = " + numberText(cache.loadStep[slot(block)]);
}

std::string lruRowLabel(const CacheSnapshot& cache, int block) {
    return "cnt = " + numberText(cache.lruRow[slot(block)], 16);
}
