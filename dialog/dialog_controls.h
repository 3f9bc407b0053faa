#pragma once

#include "config/capacities.h"

#include <array>
#include <cstdint>

// Which of the Configuration dialog's controls can be used. The RAM, cache and block fields, the mapping and
// work-mode lists, "Setare mod" and Exit are always enabled; the rules below switch the others. Every
// front-end with a dialog keeps one of these and applies it to its controls after each user action.
struct DialogControls {
    bool setCountField = false;
    bool policyList = false;
    bool iterationField = false;
    std::array<bool, addressFieldCount> addressFields{};
    bool startSimulation = false;
    bool regenerateSequence = false;

    bool operator==(const DialogControls&) const = default;
};

// A new dialog: only the always-enabled controls.
DialogControls dialogOpened();

// Any notification of the mapping list, even only gaining the focus, enables the policy list unless direct
// mapping is selected (nothing selected counts as not direct); the sets field follows only a change of
// selection, enabled for set-associative mapping alone.
DialogControls afterMappingNotification(const DialogControls& controls, std::int32_t mappingSelection,
                                        bool selectionChanged);

// A change of the work mode's selection: only the fields that mode uses can be edited, and
// "Reinit. secv.aleatoare" is disabled. The fields keep their texts. A selection outside the list changes
// nothing. (What the choice does to the records is selectWorkMode's, in dialog_buttons.h.)
DialogControls afterWorkModeSelection(const DialogControls& controls, std::int32_t modeSelection);

// "Setare mod" has validated: START SIMULARE follows the outcome; "Reinit. secv.aleatoare" is enabled by a
// valid random-sequence configuration and otherwise keeps its state.
DialogControls afterSetareMod(const DialogControls& controls, bool valid, bool randomSequence);

// START SIMULARE has run: another run needs another "Setare mod".
DialogControls afterStartSimulation(const DialogControls& controls);

// "Reinit. secv.aleatoare" has asked for a new sequence.
DialogControls afterRegenerateSequence(const DialogControls& controls);
