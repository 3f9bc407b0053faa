#include "exercise/sheet_texts.h"

#include "config/capacities.h"

#include <cstdio>

std::string decimalAndHex(std::uint32_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%u (%x)", value, value);
    return text;
}

const char* missKindName(MissKind kind) {
    switch (kind) {
    case MissKind::Compulsory:
        return catalogueText("obligatoriu");
    case MissKind::Capacity:
        return catalogueText("capacitate");
    case MissKind::Conflict:
        return catalogueText("conflict");
    case MissKind::None:
        break;
    }
    return "-";
}

const char* indexHeader(MappingMethod method) {
    switch (method) {
    case MappingMethod::Direct:
        return catalogueText("Bloc");
    case MappingMethod::SetAssociative:
        return catalogueText("Set");
    case MappingMethod::Associative:
        break;
    }
    return nullptr;
}

const char* outcomeText(bool hit) {
    return hit ? "hit" : "miss";
}

std::string replacedBlockText(int block) {
    return block < 0 ? "-" : std::to_string(block);
}

std::string missRateText(int misses, Language language) {
    char rate[96];
    std::snprintf(rate, sizeof rate, translated(language, "Rata de pierderi = %d / %d = %.2f %%"), misses,
                  addressFieldCount, 100.0 * misses / addressFieldCount);
    return rate;
}
