#pragma once

#include "engine/replacement.h"
#include "engine/step_start.h"

// The access shared by the associative and set-associative steps, confined to a range of blocks: a hit on the
// first block of the range holding the tag, otherwise a fill of the range's first free block or of the victim
// of the replacement policy.
void accessCandidateRange(std::int32_t addressIndex, StepStart step, CandidateRange range);
