#include "web/page_inputs.h"

#include "dialog/dialog_field_names.h"
#include "resources/resource_ids.h"

#include <iterator>

namespace {

// The controls of the fields and lists named in dialog/dialog_field_names.h, in the same order.
struct FieldControl {
    int controlId;
    bool DialogControls::*enabled; // null: always enabled
};

constexpr FieldControl namedFieldControls[namedFieldCount] = {
    {IDC_RAM_SIZE, nullptr},
    {IDC_CACHE_SIZE, nullptr},
    {IDC_BLOCK_SIZE, nullptr},
    {IDC_SET_COUNT, &DialogControls::setCountField},
    {IDC_ITERATION_COUNT, &DialogControls::iterationField},
};
static_assert(std::size(namedTextFields) == namedFieldCount);

constexpr FieldControl listControls[listCount] = {
    {IDC_MAPPING_LIST, nullptr},
    {IDC_POLICY_LIST, &DialogControls::policyList},
    {IDC_WORK_MODE_LIST, nullptr},
};
static_assert(std::size(namedChoiceLists) == listCount);
static_assert(listControls[mappingList].controlId == IDC_MAPPING_LIST);
static_assert(listControls[workModeList].controlId == IDC_WORK_MODE_LIST);

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

std::size_t at(std::int32_t index) {
    return static_cast<std::size_t>(index);
}

bool isEnabled(const DialogControls& controls, const FieldControl& control) {
    return control.enabled == nullptr || controls.*control.enabled;
}

} // namespace

std::string fieldName(std::int32_t field) {
    return isNamedField(field) ? namedTextFields[at(field)].name : addressFieldName(addressSlot(field));
}

int fieldControlId(std::int32_t field) {
    return isNamedField(field) ? namedFieldControls[at(field)].controlId
                               : addressFieldIds[addressSlot(field)];
}

std::string* fieldText(DialogFields& fields, std::int32_t field) {
    if (isNamedField(field)) {
        return &(fields.*namedTextFields[at(field)].text);
    }
    return isAddressField(field) ? &fields.addresses[addressSlot(field)] : nullptr;
}

bool fieldEnabled(const DialogControls& controls, std::int32_t field) {
    if (isNamedField(field)) {
        return isEnabled(controls, namedFieldControls[at(field)]);
    }
    return controls.addressFields[addressSlot(field)];
}

const char* listName(std::int32_t list) {
    return namedChoiceLists[at(list)].name;
}

int listControlId(std::int32_t list) {
    return listControls[at(list)].controlId;
}

std::span<const wchar_t* const> listItems(std::int32_t list) {
    return namedChoiceLists[at(list)].items;
}

std::int32_t& listSelection(DialogFields& fields, std::int32_t list) {
    return fields.*namedChoiceLists[at(list)].selection;
}

bool listEnabled(const DialogControls& controls, std::int32_t list) {
    return isEnabled(controls, listControls[at(list)]);
}

std::span<const PageButton> pageButtons() {
    return buttons;
}
