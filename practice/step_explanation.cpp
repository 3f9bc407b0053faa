#include "practice/step_explanation.h"

namespace {

// A sentence built piece by piece; numbers are written in decimal.
class Sentence {
  public:
    Sentence& operator<<(const char* text) {
        text_ += text;
        return *this;
    }
    Sentence& operator<<(const std::string& text) {
        text_ += text;
        return *this;
    }
    Sentence& operator<<(std::uint32_t value) {
        text_ += std::to_string(value);
        return *this;
    }
    Sentence& operator<<(int value) {
        text_ += std::to_string(value);
        return *this;
    }
    std::string text() const { return text_; }

  private:
    std::string text_;
};

int lastBlock(const StepFacts& facts) {
    return facts.firstBlock + facts.blockCount - 1;
}

// "setul 1 (blocurile 2-3 tin 7, -)" or "cache (blocurile 0-3 sunt goale)": where the tag was looked for and
// the tags found there, "-" for an empty block.
void writePlace(Sentence& out, const ExplainedCache& cache, const ExerciseAccess& access,
                const StepFacts& facts) {
    if (cache.method == MappingMethod::SetAssociative) {
        out << "setul " << access.index << " ";
    } else {
        out << "cache ";
    }
    out << "(blocurile " << facts.firstBlock << "-" << lastBlock(facts);
    bool anyFilled = false;
    std::string tags;
    for (int b = facts.firstBlock; b <= lastBlock(facts); ++b) {
        const BlockBefore& block = facts.before[slot(b)];
        anyFilled = anyFilled || block.filled;
        tags += b == facts.firstBlock ? "" : ", ";
        tags += block.filled ? std::to_string(block.tag) : "-";
    }
    if (anyFilled) {
        out << " tin " << tags << ")";
    } else {
        out << " sunt goale)";
    }
}

void writeKind(Sentence& out, const ExplainedCache& cache, const ExerciseAccess& access,
               const StepFacts& facts) {
    switch (access.kind) {
    case MissKind::Compulsory:
        out << "miss obligatoriu (primul acces la blocul RAM " << facts.ramBlock << ")";
        return;
    case MissKind::Capacity:
        out << "miss de capacitate (ar fi miss si intr-un cache asociativ LRU de " << cache.blocks
            << " blocuri)";
        return;
    case MissKind::Conflict:
        out << "miss de conflict (un cache asociativ LRU de " << cache.blocks << " blocuri l-ar fi pastrat)";
        return;
    case MissKind::None:
        break;
    }
    out << "miss";
}

// Direct mapping: the one block of the address holds its tag, another or nothing.
void explainDirect(Sentence& out, const ExplainedCache& cache, const ExerciseAccess& access,
                   const StepFacts& facts) {
    const BlockBefore& block = facts.before[slot(facts.firstBlock)];
    out << "Blocul " << access.index;
    if (access.hit) {
        out << " tine tag-ul " << access.tag << ": hit.";
        return;
    }
    if (block.filled) {
        out << " tine tag-ul " << block.tag << ", nu " << access.tag << ": ";
        writeKind(out, cache, access, facts);
        out << "; blocul RAM " << facts.ramBlock << " ii ia locul.";
        return;
    }
    out << " e gol: ";
    writeKind(out, cache, access, facts);
    out << ".";
}

// Why the policy chose the block it replaced: the step that loaded it (FIFO) or last used it (LRU).
void writeVictim(Sentence& out, const ExplainedCache& cache, const StepFacts& facts, int victim) {
    const BlockBefore& block = facts.before[slot(victim)];
    if (cache.policy == ReplacementPolicy::Lru) {
        out << "LRU inlocuieste blocul " << victim << ", folosit cel mai demult (la pasul "
            << facts.leastRecentUse << ")";
    } else {
        out << "FIFO inlocuieste blocul " << victim << ", incarcat cel mai demult (la pasul "
            << block.loadStep << ")";
    }
}

// Associative and set-associative mapping: the tag is looked for in a range of blocks.
void explainRange(Sentence& out, const ExplainedCache& cache, const ExerciseAccess& access,
                  const StepFacts& facts) {
    out << "Tag-ul " << access.tag;
    if (access.hit) {
        out << " e in ";
        writePlace(out, cache, access, facts);
        out << ", in blocul " << facts.usedBlock << ": hit.";
        return;
    }
    out << " nu e in ";
    writePlace(out, cache, access, facts);
    if (access.replacedBlock >= 0) {
        out << ", care e plin: ";
        writeVictim(out, cache, facts, access.replacedBlock);
    } else {
        out << "; blocul " << facts.usedBlock << " e liber si il primeste";
    }
    out << ": ";
    writeKind(out, cache, access, facts);
    out << ".";
}

} // namespace

std::string explainStep(const ExplainedCache& cache, const ExerciseAccess& access, const StepFacts& facts) {
    Sentence out;
    if (facts.blockCount <= 0 || lastBlock(facts) >= cacheBlockCapacity) {
        return access.hit ? "Hit." : "Miss."; // only a configuration that did not validate gets here
    }
    if (cache.method == MappingMethod::Direct) {
        explainDirect(out, cache, access, facts);
    } else {
        explainRange(out, cache, access, facts);
    }
    return out.text();
}
