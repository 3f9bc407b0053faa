#include "dialog/dialog_controls.h"

#include "config/cache_config.h"

DialogControls dialogOpened() {
    return DialogControls{};
}

DialogControls afterMappingNotification(const DialogControls& controls, std::int32_t mappingSelection,
                                        bool selectionChanged) {
    DialogControls next = controls;
    if (selectionChanged) {
        next.setCountField = mappingSelection == toInt(MappingMethod::SetAssociative);
    }
    next.policyList = mappingSelection != toInt(MappingMethod::Direct);
    return next;
}

DialogControls afterWorkModeSelection(const DialogControls& controls, std::int32_t modeSelection) {
    const bool individual = modeSelection == toInt(WorkMode::Individual);
    const bool random = modeSelection == toInt(WorkMode::RandomSequence);
    const bool given = modeSelection == toInt(WorkMode::GivenSequence);
    DialogControls next = controls;
    if (individual || random || given) {
        next.addressFields[0] = !random;
        for (std::size_t field = 1; field < next.addressFields.size(); ++field) {
            next.addressFields[field] = given;
        }
        next.regenerateSequence = false;
        next.iterationField = !individual;
    }
    return next;
}

DialogControls afterSetareMod(const DialogControls& controls, bool valid, bool randomSequence) {
    DialogControls next = controls;
    next.startSimulation = valid;
    if (valid && randomSequence) {
        next.regenerateSequence = true;
    }
    return next;
}

DialogControls afterStartSimulation(const DialogControls& controls) {
    DialogControls next = controls;
    next.startSimulation = false;
    return next;
}

DialogControls afterRegenerateSequence(const DialogControls& controls) {
    DialogControls next = controls;
    next.regenerateSequence = false;
    return next;
}
