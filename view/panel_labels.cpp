#include "view/panel_labels.h"

#include "config/capacities.h"
#include "view/label_text.h"

// An empty block shows no tag, whatever its slot still holds.
std::wstring cacheCellLabel(const CacheSnapshot& cache, int block) {
    const std::wstring tag =
        cache.blockState[slot(block)] == BlockState::Empty ? L"NA" : numberText(cache.blockTag[slot(block)]);
    return numberText(static_cast<std::uint32_t>(block)) + L": " + tag;
}

std::wstring ramBlockLabel(const StepRecord& step) {
    return L"B=" + numberText(step.ramBlock);
}

std::wstring tagLabel(const StepRecord& step) {
    return L"T=" + numberText(step.tag);
}

std::wstring loadStepLabel(const CacheSnapshot& cache, int block) {
    return L"in = " + numberText(cache.loadStep[slot(block)]);
}

std::wstring lruRowLabel(const CacheSnapshot& cache, int block) {
    return L"cnt = " + numberText(cache.lruRow[slot(block)], 16);
}
