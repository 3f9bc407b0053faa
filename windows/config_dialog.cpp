#include "windows/config_dialog.h"

#include "config/cache_config.h"
#include "config/choice_names.h"
#include "config/field_text.h"
#include "dialog/dialog_buttons.h"
#include "dialog/dialog_controls.h"
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

bool isEnabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

// The controls are the dialog's only memory of which of them can be used.
DialogControls readControls(HWND dialog) {
    DialogControls controls;
    controls.setCountField = isEnabled(dialog, IDC_SET_COUNT);
    controls.policyList = isEnabled(dialog, IDC_POLICY_LIST);
    controls.iterationField = isEnabled(dialog, IDC_ITERATION_COUNT);
    for (int field = 0; field < addressFieldCount; ++field) {
        controls.addressFields[slot(field)] = isEnabled(dialog, addressFieldIds[field]);
    }
    controls.startSimulation = isEnabled(dialog, IDC_START_SIMULATION);
    controls.regenerateSequence = isEnabled(dialog, IDC_REGENERATE_SEQUENCE);
    return controls;
}

// The address fields first, then "Reinit. secv.aleatoare", then the iteration field, as the work mode's rule
// switches them.
void applyControls(HWND dialog, const DialogControls& controls) {
    for (int field = 0; field < addressFieldCount; ++field) {
        enableControl(dialog, addressFieldIds[field], controls.addressFields[slot(field)]);
    }
    enableControl(dialog, IDC_REGENERATE_SEQUENCE, controls.regenerateSequence);
    enableControl(dialog, IDC_ITERATION_COUNT, controls.iterationField);
    enableControl(dialog, IDC_SET_COUNT, controls.setCountField);
    enableControl(dialog, IDC_POLICY_LIST, controls.policyList);
    enableControl(dialog, IDC_START_SIMULATION, controls.startSimulation);
}

void initialiseDialog(HWND dialog) {
    for (int id : {IDC_RAM_SIZE, IDC_CACHE_SIZE, IDC_BLOCK_SIZE, IDC_SET_COUNT, IDC_ITERATION_COUNT}) {
        SetDlgItemInt(dialog, id, 0, FALSE);
    }
    for (int id : addressFieldIds) {
        SetDlgItemInt(dialog, id, 0, FALSE);
    }
    addItems(dialog, IDC_MAPPING_LIST, mappingMethodTexts); // the lists sort their items
    addItems(dialog, IDC_POLICY_LIST, replacementPolicyTexts);
    addItems(dialog, IDC_WORK_MODE_LIST, workModeTexts);
    applyControls(dialog, dialogOpened());
    repaintMainWindow();
}

void onMappingListNotification(HWND dialog, unsigned code) {
    applyControls(dialog, afterMappingNotification(readControls(dialog), selectionOf(dialog, IDC_MAPPING_LIST),
                                                   code == CBN_SELCHANGE));
}

void onWorkModeSelected(HWND dialog) {
    const std::int32_t selection = selectionOf(dialog, IDC_WORK_MODE_LIST);
    applyControls(dialog, afterWorkModeSelection(readControls(dialog), selection));
    selectWorkMode(selection);
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

// The buttons' effects on the dialog whose handle is their context, the console and the main window.
void showValidity(void* dialog, bool valid, bool randomSequence) {
    const auto window = static_cast<HWND>(dialog);
    applyControls(window, afterSetareMod(readControls(window), valid, randomSequence));
}

void showRunFinished(void* dialog) {
    const auto window = static_cast<HWND>(dialog);
    applyControls(window, afterStartSimulation(readControls(window)));
}

ButtonEffects dialogEffects(HWND dialog) {
    return ButtonEffects{.showValidity = showValidity,
                         .showRunFinished = showRunFinished,
                         .reopenConsole = [](void*) { reopenConsole(); },
                         .repaint = [](void*) { repaintMainWindow(); },
                         .context = dialog};
}

void onRegenerateSequence(HWND dialog) {
    pressRegenerateSequence();
    applyControls(dialog, afterRegenerateSequence(readControls(dialog)));
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
        pressSetareMod(readFields(dialog), dialogEffects(dialog));
        break;
    case IDC_START_SIMULATION:
        pressStartSimulation(dialogEffects(dialog));
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
