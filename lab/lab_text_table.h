#pragma once

#include "lab/lab_texts.h"

#include <cstddef>

// The Romanian table: every key once, in the keys' order, which the table's file checks as it compiles. Each
// text is named for the catalogues, which translate it.
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
