#include "config/config_dialog.h"

#include "app/menu_command.h"
#include "app/shell_state.h"
#include "config/cache_config.h"
#include "config/choice_names.h"
#include "config/field_text.h"
#include "config/validation.h"
#include "engine/simulation_driver.h"
#include "engine/simulation_state.h"
#include "resources/resource_ids.h"

#include <algorithm>
#include <span>
#include <string>

namespace {

void enableControl(HWND dialog, int id, bool enabled) {
    EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

int addressFieldId(int field) {
    return IDC_ADDRESS_FIRST + field;
}

std::int32_t selectionOf(HWND dialog, int listId) {
    return static_cast<std::int32_t>(SendDlgItemMessageW(dialog, listId, CB_GETCURSEL, 0, 0));
}

void addItems(HWND dialog, int listId, std::span<const wchar_t* const> items) {
    for (const wchar_t* item : items) {
        SendDlgItemMessageW(dialog, listId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
}

void sendToMainWindow(MenuCommand command) {
    SendMessageW(mainWindow, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

// A fresh console shows the report for the records as they are now.
void reopenConsole() {
    sendToMainWindow(MenuCommand::ConsoleClose);
    sendToMainWindow(MenuCommand::ConsoleStatus);
}

void initialiseDialog(HWND dialog) {
    for (int id : {IDC_RAM_SIZE, IDC_CACHE_SIZE, IDC_BLOCK_SIZE, IDC_SET_COUNT}) {
        SetDlgItemInt(dialog, id, 0, FALSE);
    }
    enableControl(dialog, IDC_SET_COUNT, false);
    SetDlgItemInt(dialog, IDC_ITERATION_COUNT, 0, FALSE);
    enableControl(dialog, IDC_ITERATION_COUNT, false);
    for (int field = 0; field < addressFieldCount; ++field) {
        SetDlgItemInt(dialog, addressFieldId(field), 0, FALSE);
    }
    for (int field = 0; field < addressFieldCount; ++field) {
        enableControl(dialog, addressFieldId(field), false);
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
        enableControl(dialog, addressFieldId(0), !random);
        for (int field = 1; field < addressFieldCount; ++field) {
            enableControl(dialog, addressFieldId(field), given);
        }
        enableControl(dialog, IDC_REGENERATE_SEQUENCE, false);
        enableControl(dialog, IDC_ITERATION_COUNT, !individual);
    }
    if (individual) {
        cacheConfig.iterationCount = 0;
    }
}

// A field's whole text, however long: a digit typed after the first 63 still counts.
std::wstring fieldText(HWND dialog, int id) {
    const HWND field = GetDlgItem(dialog, id);
    std::wstring text(static_cast<std::size_t>(std::max(GetWindowTextLengthW(field), 0)) + 1, L'\0');
    const int copied = GetWindowTextW(field, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

// A field's text as a number. The platform's own conversion is not used: some implementations refuse
// 4294967295 or accept a number followed by other characters, and every field must read the same everywhere.
FieldNumber readField(HWND dialog, int id) {
    std::string narrow;
    for (const wchar_t c : fieldText(dialog, id)) {
        narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return readFieldNumber(narrow);
}

std::int32_t readNumber(HWND dialog, int id) {
    // Read unsigned; above 2147483647 the number is kept as a negative value.
    return static_cast<std::int32_t>(readField(dialog, id).value);
}

// The list's selection (-1 when none), with the selected item's text copied into its name buffer.
std::int32_t readSelection(HWND dialog, int listId, wchar_t* name) {
    const std::int32_t selection = selectionOf(dialog, listId);
    if (selection >= 0) {
        wchar_t text[nameBufferChars * 4] = {};
        const auto item = static_cast<WPARAM>(selection);
        const auto length = SendDlgItemMessageW(dialog, listId, CB_GETLBTEXTLEN, item, 0);
        if (length >= 0 && length < static_cast<LRESULT>(std::size(text))) {
            SendDlgItemMessageW(dialog, listId, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
        }
        storeName(name, text);
    }
    return selection;
}

void readFields(HWND dialog) {
    CacheConfig& config = cacheConfig;
    config.ramSizeMb = readNumber(dialog, IDC_RAM_SIZE);
    config.cacheSizeKb = readNumber(dialog, IDC_CACHE_SIZE);
    config.blockSizeBytes = readNumber(dialog, IDC_BLOCK_SIZE);
    config.setCount = readNumber(dialog, IDC_SET_COUNT);
    config.iterationCount = readNumber(dialog, IDC_ITERATION_COUNT);
    for (int field = 0; field < addressFieldCount; ++field) {
        const FieldNumber address = readField(dialog, addressFieldId(field));
        const auto k = static_cast<std::size_t>(field);
        config.addressSequence[k] = address.value;
        config.addressEntered[k] = address.entered ? 1 : 0;
    }
    config.mappingMethod = MappingMethod{readSelection(dialog, IDC_MAPPING_LIST, mappingMethodName)};
    config.replacementPolicy =
        ReplacementPolicy{readSelection(dialog, IDC_POLICY_LIST, replacementPolicyName)};
    config.workMode = WorkMode{readSelection(dialog, IDC_WORK_MODE_LIST, workModeName)};
}

void onSetMode(HWND dialog) {
    readFields(dialog);
    validateConfiguration();
    const bool valid = cacheConfig.configErrors == 0;
    enableControl(dialog, IDC_START_SIMULATION, valid);
    if (valid && cacheConfig.workMode == WorkMode::RandomSequence) {
        enableControl(dialog, IDC_REGENERATE_SEQUENCE, true);
    }
    simulationStarted = 0;
    reopenConsole();
    resultsReady = 0;
    repaintMainWindow();
}

void onStartSimulation(HWND dialog) {
    simulationStarted = 1;
    runSimulation();
    enableControl(dialog, IDC_START_SIMULATION, false); // another run needs another "Setare mod"
    reopenConsole();
    resultsReady = 1;
    repaintMainWindow();
}

void onRegenerateSequence(HWND dialog) {
    simulationState.regenerateRandomSequence = 1;
    enableControl(dialog, IDC_REGENERATE_SEQUENCE, false);
}

// Closing forgets the choices of the last reset, so the next run after reopening starts from an empty cache
// and a new random sequence.
void onExit(HWND dialog) {
    DestroyWindow(dialog); // a modeless dialog is destroyed, not ended: ending it would only hide it
    configDialog = nullptr;
    configDialogCreated = 0;
    forgetLastReset();
}

INT_PTR onCommand(HWND dialog, int id, unsigned code) {
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
        onSetMode(dialog);
        break;
    case IDC_START_SIMULATION:
        onStartSimulation(dialog);
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

INT_PTR CALLBACK configDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        initialiseDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        return onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    default:
        return FALSE;
    }
}
