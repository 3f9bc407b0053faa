#pragma once

#include "dialog/dialog_controls.h"
#include "dialog/dialog_fields.h"

#include <cstdint>
#include <span>
#include <string>

// The Configuration dialog's controls as the page names them: the fields (the five named ones, then the ten
// address fields), the lists and the buttons, each with the id of its control in the dialog's template, so
// that the page joins the template's layout and the module's controls by id.

inline constexpr std::int32_t namedFieldCount = 5;
inline constexpr std::int32_t fieldCount = namedFieldCount + addressFieldCount;
inline constexpr std::int32_t listCount = 3;

std::string fieldName(std::int32_t field);
int fieldControlId(std::int32_t field);
// The field's text in the dialog's contents; null for a field the dialog lacks.
std::string* fieldText(DialogFields& fields, std::int32_t field);
bool fieldEnabled(const DialogControls& controls, std::int32_t field);

const char* listName(std::int32_t list);
int listControlId(std::int32_t list);
std::span<const wchar_t* const> listItems(std::int32_t list);
std::int32_t& listSelection(DialogFields& fields, std::int32_t list);
bool listEnabled(const DialogControls& controls, std::int32_t list);
inline constexpr std::int32_t mappingList = 0;
inline constexpr std::int32_t workModeList = 2;

struct PageButton {
    const char* name;
    int controlId;
    bool (*enabled)(const DialogControls& controls);
};
std::span<const PageButton> pageButtons();
