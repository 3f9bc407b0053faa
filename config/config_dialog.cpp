#include "config/config_dialog.h"

#include "config/cache_config.h"
#include "config/choice_names.h"
#include "config/dialog_buttons.h"
#include "config/field_text.h"
#include "resources/resource_ids.h"
#include "windows/dialog_command.h"
#include "windows/shell_state.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string>

namespace {

void enableControl(HWND dialog, int id, bool enabled) {
    EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

static_assert(std::size(addressFieldIds) == addressFieldCount);

std::int32_t selectionOf(HWND dialog, int listId) {
    return static_cast<std::int32_t>(SendDlgItemMessageW(dialog, listId, CB_GETCURSEL, 0, 0));
}

void addItems(HWND dialog, int listId, std::span<const wchar_t* const> items) {
    for (const wchar_t* item : items) {
        SendDlgItemMessageW(dialog, listId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
}

void sendToMainWindow(unsigned commandId) {
    SendMessageW(mainWindow, WM_COMMAND, commandId, 0);
}

// A fresh console shows the report for the records as they are now.
void reopenConsole() {
    sendToMainWindow(IDM_CONSOLE_CLOSE);
    sendToMainWindow(IDM_CONSOLE_STATUS);
}

void initialiseDialog(HWND dialog) {
    for (int id : {IDC_RAM_SIZE, IDC_CACHE_SIZE, IDC_BLOCK_SIZE, IDC_SET_COUNT}) {
        SetDlgItemInt(dialog, id, 0, FALSE);
    }
    enableControl(dialog, IDC_SET_COUNT, false);
    SetDlgItemInt(dialog, IDC_ITERATION_COUNT, 0, FALSE);
    enableControl(dialog, IDC_ITERATION_COUNT, false);
    for (int id : addressFieldIds) {
        SetDlgItemInt(dialog, id, 0, FALSE);
    }
    for (int id : addressFieldIds) {
        enableControl(dialog, id, false);
    }
    enableControl(dialog, IDC_START_SIMULATION, false);
    enableControl(dialog, IDC_REGENERATE_SEQUENCE, false);
    addItems(dialog, IDC_MAPPING_LIST, mappingMethodTexts); // the lists sort their items
    addItems(dialog, IDC_POLICY_LIST, replacementPolicyTexts);
    addItems(dialog, IDC_WORK_MODE_LIST, workModeTexts);
    enableControl(dialog, IDC_POLICY_LIST, false);
    repaintMainWindow();
}

// Any notification of the mapping list, even only gaining the focus, re-enables the policy list unless direct
// mapping is selected; the sets field follows only a change of selection.
void onMappingListNotification(HWND dialog, unsigned code) {
    const std::int32_t selection = selectionOf(dialog, IDC_MAPPING_LIST);
    if (code == CBN_SELCHANGE) {
        enableControl(dialog, IDC_SET_COUNT, selection == toInt(MappingMethod::SetAssociative));
    }
    enableControl(dialog, IDC_POLICY_LIST, selection != toInt(MappingMethod::Direct));
}

// Only the fields the work mode uses can be edited; their texts stay as they are.
void onWorkModeSelected(HWND dialog) {
    const std::int32_t selection = selectionOf(dialog, IDC_WORK_MODE_LIST);
    const bool individual = selection == toInt(WorkMode::Individual);
    const bool given = selection == toInt(WorkMode::GivenSequence);
    const bool random = selection == toInt(WorkMode::RandomSequence);
    if (individual || random || given) {
        enableControl(dialog, addressFieldIds[0], !random);
        for (int field = 1; field < addressFieldCount; ++field) {
            enableControl(dialog, addressFieldIds[field], given);
        }
        enableControl(dialog, IDC_REGENERATE_SEQUENCE, false);
        enableControl(dialog, IDC_ITERATION_COUNT, !individual);
    }
    if (individual) {
        cacheConfig.iterationCount = 0;
    }
}

// A field's whole text, however long: a digit typed after the first 63 still counts. The fields take digits
// only; anything else the platform lets through reads as a character that is not a digit.
std::string fieldText(HWND dialog, int id) {
    const HWND field = GetDlgItem(dialog, id);
    std::wstring text(static_cast<std::size_t>(std::max(GetWindowTextLengthW(field), 0)) + 1, L'\0');
    const int copied = GetWindowTextW(field, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    std::string narrow;
    for (const wchar_t c : text) {
        narrow.push_back(fieldCharacter(static_cast<std::uint32_t>(c)));
    }
    return narrow;
}

// What the user left in the controls, disabled ones included.
DialogFields readFields(HWND dialog) {
    DialogFields fields;
    fields.ram = fieldText(dialog, IDC_RAM_SIZE);
    fields.cache = fieldText(dialog, IDC_CACHE_SIZE);
    fields.block = fieldText(dialog, IDC_BLOCK_SIZE);
    fields.sets = fieldText(dialog, IDC_SET_COUNT);
    fields.iterations = fieldText(dialog, IDC_ITERATION_COUNT);
    for (int field = 0; field < addressFieldCount; ++field) {
        fields.addresses[static_cast<std::size_t>(field)] = fieldText(dialog, addressFieldIds[field]);
    }
    fields.mapping = selectionOf(dialog, IDC_MAPPING_LIST);
    fields.policy = selectionOf(dialog, IDC_POLICY_LIST);
    fields.mode = selectionOf(dialog, IDC_WORK_MODE_LIST);
    return fields;
}

// A failed validation leaves "Reinit. secv.aleatoare" as it was.
void showValidity(bool valid, bool randomSequence) {
    enableControl(configDialog, IDC_START_SIMULATION, valid);
    if (valid && randomSequence) {
        enableControl(configDialog, IDC_REGENERATE_SEQUENCE, true);
    }
}

// Another run needs another "Setare mod".
void showRunFinished() {
    enableControl(configDialog, IDC_START_SIMULATION, false);
}

constexpr ButtonEffects dialogEffects{showValidity, showRunFinished, reopenConsole, repaintMainWindow};

void onRegenerateSequence(HWND dialog) {
    pressRegenerateSequence();
    enableControl(dialog, IDC_REGENERATE_SEQUENCE, false);
}

// Closing forgets the choices of the last reset, so the next run after reopening starts from an empty cache
// and a new random sequence.
void onExit(HWND dialog) {
    DestroyWindow(dialog); // a modeless dialog is destroyed, not ended: ending it would only hide it
    configDialog = nullptr;
    configDialogCreated = 0;
    pressExit();
}

// True only for Exit: every other command, handled or not, leaves the rest to the system.
BOOL onCommand(HWND dialog, int id, HWND, UINT code) {
    switch (id) {
    case IDC_MAPPING_LIST:
        onMappingListNotification(dialog, code);
        break;
    case IDC_WORK_MODE_LIST:
        if (code == CBN_SELCHANGE) {
            onWorkModeSelected(dialog);
        }
        break;
    case IDOK:
        pressSetareMod(readFields(dialog), dialogEffects);
        break;
    case IDC_START_SIMULATION:
        pressStartSimulation(dialogEffects);
        break;
    case IDC_REGENERATE_SEQUENCE:
        onRegenerateSequence(dialog);
        break;
    case IDCANCEL:
        onExit(dialog);
        return TRUE;
    default:
        break;
    }
    return FALSE;
}

} // namespace

INT_PTR CALLBACK configDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        initialiseDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        return crackDialogCommand(dialog, wParam, lParam, onCommand);
    default:
        return FALSE;
    }
}
