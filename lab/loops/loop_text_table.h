#pragma once

#include "lab/loops/loop_texts.h"

#include <cstddef>

// The Romanian table of the loops' texts: every key once, in the keys' order, which the table's file checks as
// it compiles. Each text is named for the catalogues, which translate it.
struct LoopTextEntry {
    LoopText key;
    std::string_view text;
};

inline constexpr std::size_t loopTextCount = static_cast<std::size_t>(LoopText::Count);

template <std::size_t size> constexpr bool holdsEveryLoopTextInOrder(const LoopTextEntry (&table)[size]) {
    if (size != loopTextCount) {
        return false;
    }
    for (std::size_t i = 0; i < size; ++i) {
        if (static_cast<std::size_t>(table[i].key) != i) {
            return false;
        }
    }
    return true;
}

extern const LoopTextEntry romanianLoopTexts[loopTextCount];
