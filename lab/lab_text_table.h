#pragma once

#include "lab/lab_texts.h"

#include <cstddef>

// A language's table: every key once, in the keys' order, which each table's file checks as it compiles.
struct LabTextEntry {
    LabText key;
    std::string_view text;
};

inline constexpr std::size_t labTextCount = static_cast<std::size_t>(LabText::Count);

template <std::size_t size> constexpr bool holdsEveryTextInOrder(const LabTextEntry (&table)[size]) {
    if (size != labTextCount) {
        return false;
    }
    for (std::size_t i = 0; i < size; ++i) {
        if (static_cast<std::size_t>(table[i].key) != i) {
            return false;
        }
    }
    return true;
}

extern const LabTextEntry romanianLabTexts[labTextCount];
extern const LabTextEntry englishLabTexts[labTextCount];
