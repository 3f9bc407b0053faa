#pragma once

#include "config/choice_names.h"
#include "dialog/dialog_fields.h"

#include <cstdint>
#include <span>
#include <string>

// The names by which programs outside the dialog call its fields and lists: the page's module and the page's
// links. The address fields are "address0" to "address9".
struct NamedTextField {
    const char* name;
    std::string DialogFields::*text;
};

inline constexpr NamedTextField namedTextFields[] = {
    {"ram", &DialogFields::ram},   {"cache", &DialogFields::cache},           {"block", &DialogFields::block},
    {"sets", &DialogFields::sets}, {"iterations", &DialogFields::iterations},
};

inline constexpr const char* addressFieldPrefix = "address";

inline std::string addressFieldName(std::size_t slot) {
    std::string name = addressFieldPrefix;
    name += std::to_string(slot);
    return name;
}

struct NamedChoiceList {
    const char* name;
    std::int32_t DialogFields::*selection;
    std::span<const wchar_t* const> items;
};

inline constexpr NamedChoiceList namedChoiceLists[] = {
    {"mapping", &DialogFields::mapping, mappingMethodTexts},
    {"policy", &DialogFields::policy, replacementPolicyTexts},
    {"mode", &DialogFields::mode, workModeTexts},
};
