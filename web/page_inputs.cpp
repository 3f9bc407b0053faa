#include "web/page_inputs.h"

#include "config/choice_names.h"
#include "resources/resource_ids.h"

namespace {

struct NamedField {
    const char* name;
    int controlId;
    std::string DialogFields::*text;
    bool DialogControls::*enabled; // null: always enabled
};

constexpr NamedField namedFields[namedFieldCount] = {
    {"ram", IDC_RAM_SIZE, &DialogFields::ram, nullptr},
    {"cache", IDC_CACHE_SIZE, &DialogFields::cache, nullptr},
    {"block", IDC_BLOCK_SIZE, &DialogFields::block, nullptr},
    {"sets", IDC_SET_COUNT, &DialogFields::sets, &DialogControls::setCountField},
    {"iterations", IDC_ITERATION_COUNT, &DialogFields::iterations, &DialogControls::iterationField},
};

struct NamedList {
    const char* name;
    int controlId;
    std::int32_t DialogFields::*selection;
    std::span<const wchar_t* const> items;
    bool DialogControls::*enabled; // null: always enabled
};

constexpr NamedList namedLists[listCount] = {
    {"mapping", IDC_MAPPING_LIST, &DialogFields::mapping, mappingMethodTexts, nullptr},
    {"policy", IDC_POLICY_LIST, &DialogFields::policy, replacementPolicyTexts, &DialogControls::policyList},
    {"mode", IDC_WORK_MODE_LIST, &DialogFields::mode, workModeTexts, nullptr},
};

static_assert(namedLists[mappingList].controlId == IDC_MAPPING_LIST);
static_assert(namedLists[workModeList].controlId == IDC_WORK_MODE_LIST);

constexpr PageButton buttons[] = {
    {"setareMod", IDOK, [](const DialogControls&) { return true; }},
    {"exit", IDCANCEL, [](const DialogControls&) { return true; }},
    {"startSimulation", IDC_START_SIMULATION, [](const DialogControls& c) { return c.startSimulation; }},
    {"regenerateSequence", IDC_REGENERATE_SEQUENCE,
     [](const DialogControls& c) { return c.regenerateSequence; }},
};

bool isNamedField(std::int32_t field) {
    return field >= 0 && field < namedFieldCount;
}

bool isAddressField(std::int32_t field) {
    return field >= namedFieldCount && field < fieldCount;
}

std::size_t addressSlot(std::int32_t field) {
    return static_cast<std::size_t>(field - namedFieldCount);
}

const NamedField& namedField(std::int32_t field) {
    return namedFields[static_cast<std::size_t>(field)];
}

const NamedList& namedList(std::int32_t list) {
    return namedLists[static_cast<std::size_t>(list)];
}

} // namespace

std::string fieldName(std::int32_t field) {
    return isNamedField(field) ? namedField(field).name : "address" + std::to_string(addressSlot(field));
}

int fieldControlId(std::int32_t field) {
    return isNamedField(field) ? namedField(field).controlId : addressFieldIds[addressSlot(field)];
}

std::string* fieldText(DialogFields& fields, std::int32_t field) {
    if (isNamedField(field)) {
        return &(fields.*namedField(field).text);
    }
    return isAddressField(field) ? &fields.addresses[addressSlot(field)] : nullptr;
}

bool fieldEnabled(const DialogControls& controls, std::int32_t field) {
    if (isNamedField(field)) {
        const auto enabled = namedField(field).enabled;
        return enabled == nullptr || controls.*enabled;
    }
    return controls.addressFields[addressSlot(field)];
}

const char* listName(std::int32_t list) {
    return namedList(list).name;
}

int listControlId(std::int32_t list) {
    return namedList(list).controlId;
}

std::span<const wchar_t* const> listItems(std::int32_t list) {
    return namedList(list).items;
}

std::int32_t& listSelection(DialogFields& fields, std::int32_t list) {
    return fields.*namedList(list).selection;
}

bool listEnabled(const DialogControls& controls, std::int32_t list) {
    const auto enabled = namedList(list).enabled;
    return enabled == nullptr || controls.*enabled;
}

std::span<const PageButton> pageButtons() {
    return buttons;
}
