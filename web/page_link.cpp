#include "web/page_link.h"

#include "config/cache_config.h"
#include "language/catalogue.h"
#include "practice/configuration_link.h"
#include "practice/practice_texts.h"
#include "report/json_writer.h"
#include "web/page_practice.h"
#include "web/page_screen.h"

#include <vector>

namespace {

// A new dialog holding the link's contents, with the notifications a user's choice of each list sends.
void fillNewDialog(const DialogFields& fields) {
    pressExitOnPage();
    openConfigurationDialog();
    pageScreen.dialog.fields = fields;
    if (fields.mapping != noSelection) {
        notifyMappingList(false); // the list gets the focus,
        notifyMappingList(true);  // its selection changes,
        notifyMappingList(false); // and it loses the focus
    }
    if (fields.mode != noSelection) {
        notifyWorkModeSelection();
    }
}

// The last link opened, whose line the page shows again in another language.
LinkReading shownReading;

std::string linkOfFields(const DialogFields& fields, std::string& line) {
    std::vector<std::string> leftOut;
    std::string fragment = writeConfigurationLink(fields, leftOut);
    std::string names;
    for (const std::string& name : leftOut) {
        names += names.empty() ? "" : ", ";
        names += name;
    }
    if (!names.empty()) {
        line = practice_text::fieldsLeftOut(names, pageScreen.language);
    }
    return fragment;
}

} // namespace

std::string openLinkJson() {
    const LinkReading reading = readConfigurationLink(*pageText(static_cast<std::int32_t>(PageText::Link)));
    shownReading = reading;
    if (reading.language) {
        showPageInLanguage(*reading.language);
    }
    if (reading.exercise) {
        startExercisePractice(pageSession, *reading.exercise);
        sayOnPractice({});
    } else if (reading.hasFields) {
        fillNewDialog(reading.fields);
    }
    std::string out;
    JsonWriter json(out);
    json.beginObject()
        .boolean("exercise", reading.exercise.has_value())
        .boolean("dialog", !reading.exercise && reading.hasFields)
        .text("line", unreadLinkMessage(reading, pageScreen.language));
    if (reading.language) {
        json.text("language", languageName(*reading.language)); // the page shows itself in it
    }
    json.endObject();
    return out;
}

std::string openedLinkLine() { return unreadLinkMessage(shownReading, pageScreen.language); }

std::string linkQuestionJson() {
    const LinkReading reading = readConfigurationLink(*pageText(static_cast<std::int32_t>(PageText::Link)));
    shownReading = reading;
    const PageDialog& dialog = pageScreen.dialog;
    const char* question = "";
    if (reading.exercise) {
        question = pageSession.active && !isFinished(pageSession)
                       ? translated(pageScreen.language, practice_text::replacePractice)
                       : "";
    } else if (reading.hasFields && dialog.open && dialog.fields != DialogFields{} &&
               dialog.fields != reading.fields) {
        question = translated(pageScreen.language, practice_text::replaceDialog);
    }
    std::string out;
    JsonWriter(out).beginObject().text("question", question).endObject();
    return out;
}

std::string currentLinkJson() {
    std::string fragment;
    std::string line;
    if (pageSession.active && pageSession.fromExercise) {
        fragment = writeExerciseLink(pageSession.exercise.seed);
    } else if (pageSession.active) {
        fragment = linkOfFields(pageSession.exercise.fields, line);
    } else if (pageScreen.dialog.open) {
        fragment = linkOfFields(pageScreen.dialog.fields, line);
    } else {
        line = translated(pageScreen.language, practice_text::nothingToLink);
    }
    if (!fragment.empty()) {
        fragment = linkInLanguage(fragment, pageScreen.language);
    }
    std::string out;
    JsonWriter(out).beginObject().text("fragment", fragment).text("line", line).endObject();
    return out;
}
