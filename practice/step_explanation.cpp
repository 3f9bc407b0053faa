#include "practice/step_explanation.h"

#include "language/catalogue.h"
#include "language/formatted_text.h"

// Each sentence and clause is one pattern of the catalogue, its numbers in decimal, so that a translator
// words the whole of it.

namespace {

int lastBlock(const StepFacts& facts) {
    return facts.firstBlock + facts.blockCount - 1;
}

// "setul 1 (blocurile 2-3 tin 7, -)" or "cache (blocurile 0-3 sunt goale)": where the tag was looked for and
// the tags found there, "-" for an empty block.
std::string place(const ExplainedCache& cache, const ExerciseAccess& access, const StepFacts& facts) {
    bool anyFilled = false;
    std::string tags;
    for (int b = facts.firstBlock; b <= lastBlock(facts); ++b) {
        const BlockBefore& block = facts.before[slot(b)];
        anyFilled = anyFilled || block.filled;
        tags += b == facts.firstBlock ? "" : ", ";
        tags += block.filled ? std::to_string(block.tag) : "-";
    }
    const Language language = cache.language;
    const int first = facts.firstBlock;
    const int last = lastBlock(facts);
    if (cache.method == MappingMethod::SetAssociative) {
        return anyFilled ? formattedText(translated(language, "setul %u (blocurile %d-%d tin %s)"),
                                         access.index, first, last, tags.c_str())
                         : formattedText(translated(language, "setul %u (blocurile %d-%d sunt goale)"),
                                         access.index, first, last);
    }
    return anyFilled ? formattedText(translated(language, "cache (blocurile %d-%d tin %s)"), first, last,
                                     tags.c_str())
                     : formattedText(translated(language, "cache (blocurile %d-%d sunt goale)"), first, last);
}

std::string kind(const ExplainedCache& cache, const ExerciseAccess& access, const StepFacts& facts) {
    switch (access.kind) {
    case MissKind::Compulsory:
        return formattedText(translated(cache.language, "miss obligatoriu (primul acces la blocul RAM %u)"),
                             facts.ramBlock);
    case MissKind::Capacity:
        return formattedText(
            translated(cache.language,
                       "miss de capacitate (ar fi miss si intr-un cache asociativ LRU de %d blocuri)"),
            cache.blocks);
    case MissKind::Conflict:
        return formattedText(
            translated(cache.language,
                       "miss de conflict (un cache asociativ LRU de %d blocuri l-ar fi pastrat)"),
            cache.blocks);
    case MissKind::None:
        break;
    }
    return translated(cache.language, "miss");
}

// Direct mapping: the one block of the address holds its tag, another or nothing.
std::string explainDirect(const ExplainedCache& cache, const ExerciseAccess& access, const StepFacts& facts) {
    const BlockBefore& block = facts.before[slot(facts.firstBlock)];
    const Language language = cache.language;
    if (access.hit) {
        return formattedText(translated(language, "Blocul %u tine tag-ul %u: hit."), access.index,
                             access.tag);
    }
    if (block.filled) {
        return formattedText(
            translated(language, "Blocul %u tine tag-ul %u, nu %u: %s; blocul RAM %u ii ia locul."),
            access.index, block.tag, access.tag, kind(cache, access, facts).c_str(), facts.ramBlock);
    }
    return formattedText(translated(language, "Blocul %u e gol: %s."), access.index,
                         kind(cache, access, facts).c_str());
}

// Why the policy chose the block it replaced: the step that loaded it (FIFO) or last used it (LRU).
std::string victim(const ExplainedCache& cache, const StepFacts& facts, int replaced) {
    if (cache.policy == ReplacementPolicy::Lru) {
        return formattedText(
            translated(cache.language, "LRU inlocuieste blocul %d, folosit cel mai demult (la pasul %u)"),
            replaced, facts.leastRecentUse);
    }
    return formattedText(
        translated(cache.language, "FIFO inlocuieste blocul %d, incarcat cel mai demult (la pasul %u)"),
        replaced, facts.before[slot(replaced)].loadStep);
}

// Associative and set-associative mapping: the tag is looked for in a range of blocks.
std::string explainRange(const ExplainedCache& cache, const ExerciseAccess& access, const StepFacts& facts) {
    const Language language = cache.language;
    const std::string where = place(cache, access, facts);
    if (access.hit) {
        return formattedText(translated(language, "Tag-ul %u e in %s, in blocul %d: hit."), access.tag,
                             where.c_str(), facts.usedBlock);
    }
    const std::string why = kind(cache, access, facts);
    if (access.replacedBlock >= 0) {
        return formattedText(translated(language, "Tag-ul %u nu e in %s, care e plin: %s: %s."), access.tag,
                             where.c_str(), victim(cache, facts, access.replacedBlock).c_str(), why.c_str());
    }
    return formattedText(translated(language, "Tag-ul %u nu e in %s; blocul %d e liber si il primeste: %s."),
                         access.tag, where.c_str(), facts.usedBlock, why.c_str());
}

} // namespace

std::string explainStep(const ExplainedCache& cache, const ExerciseAccess& access, const StepFacts& facts) {
    if (facts.blockCount <= 0 || lastBlock(facts) >= cacheBlockCapacity) {
        // only a configuration that did not validate gets here
        return translated(cache.language, access.hit ? "Hit." : "Miss.");
    }
    if (cache.method == MappingMethod::Direct) {
        return explainDirect(cache, access, facts);
    }
    return explainRange(cache, access, facts);
}
