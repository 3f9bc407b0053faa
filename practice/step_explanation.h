#pragma once

#include "config/cache_config.h"
#include "exercise/exercise_key.h"
#include "language/language.h"
#include "practice/step_facts.h"

#include <string>

// What an explanation needs besides the access: the method, the policy and the cache's blocks, and the
// language it is told in.
struct ExplainedCache {
    MappingMethod method = MappingMethod::Direct;
    ReplacementPolicy policy = ReplacementPolicy::Fifo; // not used by direct mapping
    int blocks = 0;
    Language language = Language::Romanian;
};

// One short sentence, in Romanian without diacritics or translated, that says why the access came out as it did: where its
// tag was looked for and what those blocks held, hit or miss, the block a miss filled (a free one, or the one
// FIFO order or LRU age chose), and the kind of the miss, as in:
//   "Tag-ul 5 nu e in cache (blocurile 0-3 tin 1, 2, 3, 4), care e plin: FIFO inlocuieste blocul 0, incarcat
//    cel mai demult (la pasul 1): miss obligatoriu (primul acces la blocul RAM 5)."
std::string explainStep(const ExplainedCache& cache, const ExerciseAccess& access, const StepFacts& facts);
