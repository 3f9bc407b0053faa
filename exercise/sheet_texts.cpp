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
        return "obligatoriu";
    case MissKind::Capacity:
        return "capacitate";
    case MissKind::Conflict:
        return "conflict";
    case MissKind::None:
        break;
    }
    return "-";
}

const char* indexHeader(MappingMethod method) {
    switch (method) {
    case MappingMethod::Direct:
        return "Bloc";
    case MappingMethod::SetAssociative:
        return "Set";
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

std::string missRateText(int misses) {
    char rate[64];
    std::snprintf(rate, sizeof rate, "Rata de pierderi = %d / %d = %.2f %%", misses, addressFieldCount,
                  100.0 * misses / addressFieldCount);
    return rate;
}
