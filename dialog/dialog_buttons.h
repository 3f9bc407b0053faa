#pragma once

#include "dialog/dialog_fields.h"

// What the two buttons of the Configuration dialog do to the records, once for every front-end: the dialog,
// the text front-end, the tests and the benchmarks. The dialog's window work happens between the steps on the
// records, in its own order, through these effects; a front-end without windows leaves them null. Each
// effect receives the context the caller gave, its own record of the windows it keeps.
struct ButtonEffects {
    void (*showValidity)(void* context, bool valid, bool randomSequence) = nullptr; // "Setare mod" validated
    void (*showRunFinished)(void* context) = nullptr;                               // START SIMULARE has run
    void (*reopenConsole)(void* context) = nullptr;                                 // a fresh report is due
    void (*repaint)(void* context) = nullptr; // the main view must show the records
    void* context = nullptr;
};

// "Setare mod": reads every field and selection into cacheConfig (a selection outside its list as none, -1),
// copies the selected items' texts into their name buffers and validates; then, between the effects, clears
// simulationStarted and resultsReady.
void pressSetareMod(const DialogFields& fields, const ButtonEffects& effects = {});

// START SIMULARE, after a "Setare mod" that validated: sets simulationStarted, runs the simulation on the
// stored configuration, classifies its misses (missKinds) and, between the effects, sets resultsReady.
void pressStartSimulation(const ButtonEffects& effects = {});

// A change of the work mode list's selection: choosing "individual" sets the stored iteration count to 0 at
// once, although the iterations field keeps its text and the next "Setare mod" reads it again.
void selectWorkMode(std::int32_t modeSelection);

// "Reinit. secv.aleatoare": the next random-sequence run draws a new sequence.
void pressRegenerateSequence();

// "Exit": the next run starts from an empty cache and, in random-sequence mode, from a new sequence. The
// records keep everything else.
void pressExit();
