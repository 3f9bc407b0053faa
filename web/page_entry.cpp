// The page's entry into the core: a WebAssembly reactor whose exported functions do what the menu and the
// Configuration dialog do, through the same core entries as the Windows program and the text front-end, and
// hand back what the page shows: the dialog's enabled controls, the console's text and the main view as
// drawing commands. No rule of the simulator is decided here.
//
// Texts cross between the page and the module through two buffers the module owns:
//   - in: inputBuffer(units) gives room for a text of that many UTF-16 code units; the page writes the text
//     there and says which field it is for with setFieldText(field, units), or appendFieldText for the next
//     piece of a long text, or which text of the practice and sheet windows with setPageText(slot, units);
//   - out: every function that writes something for the page (describeInputs, writeScreenState, ...) puts
//     UTF-8 bytes into the output buffer and returns their count; outputPointer() gives their address, valid
//     until the next call into the module.
// Fields and lists are numbered in the order describeInputs names them. A call the dialog could not make
// (while it is closed, an unknown field, an item the list lacks, a disabled button) changes nothing and
// returns 0. The fields and lists take what the page gives them whether or not the dialog enables them, as
// the text front-end fills them; the page itself only types into enabled controls.

#include "config/choice_names.h"
#include "config/field_text.h"
#include "engine/random_source.h"
#include "language/catalogue.h"
#include "report/printed_text.h"
#include "report/status_report.h"
#include "report/utf8_text.h"
#include "view/main_scene.h"
#include "view/scene_json.h"
#include "web/page_inputs.h"
#include "web/page_json.h"
#include "web/page_link.h"
#include "web/page_practice.h"
#include "web/page_screen.h"

#include <cstdint>
#include <string>

#define PAGE_EXPORT(name) __attribute__((export_name(name)))

namespace {

// A piece of text far beyond what one call needs; longer texts arrive in pieces.
constexpr std::int32_t inputCapacityUnits = 1 << 24;

std::u16string input;
std::string output;

// The lists' selections are stored as texts in the name buffers, which exist from start-up on.
[[maybe_unused]] const bool nameBuffersAllocated = (allocateNameBuffers(), true);

std::int32_t putOutput(std::string text) {
    output = std::move(text);
    return static_cast<std::int32_t>(output.size());
}

std::int32_t done(bool accepted) {
    return accepted ? 1 : 0;
}

// The first units of the input buffer as the text, read as the dialog reads what was typed.
std::int32_t typeInto(std::string* text, std::int32_t units, bool replace) {
    if (text == nullptr || units < 0 || static_cast<std::size_t>(units) > input.size()) {
        return 0;
    }
    if (replace) {
        text->clear();
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(units); ++i) {
        text->push_back(fieldCharacter(input[i]));
    }
    return 1;
}

// The first units of the input buffer as UTF-8.
std::string narrowInput(std::int32_t units) {
    return utf8Text(input.data(), static_cast<std::size_t>(units));
}

std::int32_t typeIntoField(std::int32_t field, std::int32_t units, bool replace) {
    return pageScreen.dialog.open ? typeInto(fieldText(pageScreen.dialog.fields, field), units, replace) : 0;
}

} // namespace

namespace page_exports {

PAGE_EXPORT("inputBuffer") char16_t* inputBuffer(std::int32_t units) {
    if (units < 0 || units > inputCapacityUnits) {
        return nullptr;
    }
    input.assign(static_cast<std::size_t>(units), u'\0');
    return input.data();
}

PAGE_EXPORT("setFieldText") std::int32_t setFieldText(std::int32_t field, std::int32_t units) {
    return typeIntoField(field, units, true);
}

PAGE_EXPORT("appendFieldText") std::int32_t appendFieldText(std::int32_t field, std::int32_t units) {
    return typeIntoField(field, units, false);
}

// item -1: no selection, as in a list nothing was chosen from. The notifications follow apart, as the
// dialog's lists send them.
PAGE_EXPORT("selectListItem") std::int32_t selectListItem(std::int32_t list, std::int32_t item) {
    if (!pageScreen.dialog.open || list < 0 || list >= listCount || item < noSelection ||
        item >= static_cast<std::int32_t>(listItems(list).size())) {
        return 0;
    }
    listSelection(pageScreen.dialog.fields, list) = item;
    return 1;
}

// Any notification of the mapping list: the focus, a drop-down, a change of selection (selectionChanged 1).
PAGE_EXPORT("notifyMappingList") std::int32_t mappingListNotification(std::int32_t selectionChanged) {
    return done(notifyMappingList(selectionChanged != 0));
}

PAGE_EXPORT("notifyWorkModeSelection") std::int32_t workModeSelection() {
    return done(notifyWorkModeSelection());
}

PAGE_EXPORT("openConfigurationDialog") std::int32_t configurationInput() {
    return done(openConfigurationDialog());
}

PAGE_EXPORT("consoleStatus") void consoleStatus() {
    openConsole();
}

PAGE_EXPORT("consoleClose") void consoleClose() {
    closeConsole();
}

// 1 when the configuration validated, 2 when it did not, 0 when the dialog is closed.
PAGE_EXPORT("pressSetareMod") std::int32_t setareMod() {
    if (!pressSetareModOnPage()) {
        return 0;
    }
    return pageScreen.dialog.controls.startSimulation ? 1 : 2;
}

PAGE_EXPORT("pressStartSimulation") std::int32_t startSimulation() {
    return done(pressStartSimulationOnPage());
}

PAGE_EXPORT("pressRegenerateSequence") std::int32_t regenerateSequence() {
    return done(pressRegenerateSequenceOnPage());
}

PAGE_EXPORT("pressExit") std::int32_t exitDialog() {
    return done(pressExitOnPage());
}

// A reproducible random sequence, as the text front-end's --seed gives; without it the draws come from the
// platform's secure source (WASI random_get).
PAGE_EXPORT("seedRandom") void seedRandom(std::uint64_t seed) {
    seedDeterministicRandom(seed);
}

PAGE_EXPORT("describeInputs") std::int32_t describeInputs() {
    return putOutput(inputDescriptionJson());
}

PAGE_EXPORT("describeWindows") std::int32_t describeWindows() {
    return putOutput(windowPlacesJson());
}

PAGE_EXPORT("writeScreenState") std::int32_t writeScreenState() {
    return putOutput(screenStateJson());
}

PAGE_EXPORT("writeDialogTexts") std::int32_t writeDialogTexts() {
    return putOutput(dialogTextsJson());
}

// What the console printed when it opened; nothing while it is closed.
PAGE_EXPORT("writeConsoleText") std::int32_t writeConsoleText() {
    return putOutput(pageScreen.console.text);
}

// The status report for the records as they are now, as a console opened now would print it.
PAGE_EXPORT("writeStatusReport") std::int32_t writeStatusReport() {
    return putOutput(printedText([](std::FILE* out) { printStatusReportIn(out, pageScreen.language); }));
}

// The page in the language named by the first units of the input buffer, "ro" or "en"; 0, and nothing
// changed, for any other name.
PAGE_EXPORT("setLanguage") std::int32_t setLanguage(std::int32_t units) {
    Language language = Language::Romanian;
    if (units < 0 || static_cast<std::size_t>(units) > input.size() ||
        !languageNamed(narrowInput(units), language)) {
        return 0;
    }
    showPageInLanguage(language);
    return 1;
}

// The Romanian text in the first units of the input buffer, in the page's language: the texts of the
// resource script that the page's markup shows. -1 where the catalogue has no translation of it.
PAGE_EXPORT("translateText") std::int32_t translateText(std::int32_t units) {
    if (units < 0 || static_cast<std::size_t>(units) > input.size()) {
        return -1;
    }
    const std::string romanian = narrowInput(units);
    const char* translation = translated(pageScreen.language, romanian.c_str());
    if (pageScreen.language != Language::Romanian && translation == romanian.c_str()) {
        return -1;
    }
    return putOutput(translation);
}

// The main view for the records as they are now, laid out for the program's client area, as JSON Lines.
PAGE_EXPORT("writeScene") std::int32_t writeScene() {
    return putOutput(sceneJsonLines(recordMainViewIn(standardClient, pageScreen.language)));
}

// The practice and sheet windows: the texts typed into them, by the slots practiceDescription names.
PAGE_EXPORT("setPageText") std::int32_t setPageText(std::int32_t slot, std::int32_t units) {
    return typeInto(pageText(slot), units, true);
}

PAGE_EXPORT("describePractice") std::int32_t describePractice() {
    return putOutput(practiceDescriptionJson());
}

// A practice of the exercise whose number is in its slot, or of the open dialog's fields; 0 when it cannot
// start, with the reason in the state's line.
PAGE_EXPORT("startPracticeFromNumber") std::int32_t practiceFromNumber() {
    return done(startPracticeFromNumber());
}

PAGE_EXPORT("startPracticeFromDialog") std::int32_t practiceFromDialog() {
    return done(startPracticeFromDialog());
}

// The answers in their slots checked against the core's run; 0 unless the access asked waits for them.
PAGE_EXPORT("checkPracticeStep") std::int32_t checkPractice() {
    return done(checkPracticeStep());
}

PAGE_EXPORT("nextPracticeStep") std::int32_t nextPractice() {
    return done(nextPracticeStep());
}

PAGE_EXPORT("writePracticeState") std::int32_t writePracticeState() {
    return putOutput(practiceStateJson());
}

// The main view after the access just checked, as JSON Lines; the records stay the user's.
PAGE_EXPORT("writePracticeScene") std::int32_t writePracticeScene() {
    return putOutput(practiceSceneLines());
}

// The link in its slot opened: a new dialog filled, or an exercise's practice started; nothing runs.
PAGE_EXPORT("openLink") std::int32_t openLink() {
    return putOutput(openLinkJson());
}

// The line of the link opened last, in the page's language now.
PAGE_EXPORT("writeOpenedLinkLine") std::int32_t writeOpenedLinkLine() {
    return putOutput(openedLinkLine());
}

// What opening the link in its slot would replace of the user's, as a question to ask first.
PAGE_EXPORT("askAboutLink") std::int32_t askAboutLink() {
    return putOutput(linkQuestionJson());
}

PAGE_EXPORT("writeLink") std::int32_t writeLink() {
    return putOutput(currentLinkJson());
}

PAGE_EXPORT("readSheetRequest") std::int32_t readSheetRequest() {
    return putOutput(sheetRequestJson());
}

// tarvel_cache_text --exercise first --count count [--answers]: the same text, from the same writer. The
// records stay the user's.
PAGE_EXPORT("writeExerciseSheets")
std::int32_t writeSheets(std::uint64_t first, std::int32_t count, std::int32_t answers) {
    return putOutput(exerciseSheetsText(first, count, answers != 0));
}

PAGE_EXPORT("outputPointer") const char* outputPointer() {
    return output.data();
}

} // namespace page_exports
