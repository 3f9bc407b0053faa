#include "web/page_practice.h"

#include "exercise/exercise_sheet.h"
#include "exercise/kept_records.h"
#include "exercise/sheet_texts.h"
#include "language/catalogue.h"
#include "practice/answer_reading.h"
#include "practice/practice_texts.h"
#include "report/json_writer.h"
#include "report/printed_text.h"
#include "view/main_scene.h"
#include "view/scene_json.h"
#include "web/page_screen.h"

#include <array>
#include <vector>

PracticeSession pageSession;

namespace {

std::array<std::string, pageTextCount> texts;
LineInLanguage practiceLine; // none while empty
std::vector<Question> unanswered; // by the last check refused for them

constexpr const char* questionNames[questionCount] = {"tag", "index", "word", "outcome", "replaced"};
constexpr const char* slotNames[pageTextCount] = {"tag",      "index",    "word",       "outcome",
                                                  "replaced", "exercise", "sheetCount", "link"};

std::string& text(PageText slot) {
    return texts[static_cast<std::size_t>(slot)];
}

const char* romanianQuestionLabel(Question question) {
    switch (question) {
    case Question::Tag:
        return tagHeader;
    case Question::Index:
        return indexHeader(pageSession.exercise.mapping);
    case Question::Word:
        return wordHeader;
    case Question::Outcome:
        return outcomeHeader;
    case Question::Replaced:
        break;
    }
    return replacedHeader;
}

const char* questionLabel(Question question) {
    return translated(pageScreen.language, romanianQuestionLabel(question));
}

// A line of the window that is one text of the catalogue.
LineInLanguage pageLine(const char* romanian) {
    return [romanian](Language language) { return std::string(translated(language, romanian)); };
}

Question questionAt(std::size_t q) {
    return static_cast<Question>(q);
}

void writeQuestions(JsonWriter& json) {
    json.beginArray("questions");
    for (std::size_t q = 0; q < questionCount; ++q) {
        const bool asked = isAsked(pageSession, questionAt(q));
        json.beginObject()
            .text("name", questionNames[q])
            .text("label", asked ? questionLabel(questionAt(q)) : "")
            .boolean("asked", asked)
            .endObject();
    }
    json.endArray();
}

void writeUnanswered(JsonWriter& json) {
    json.beginArray("unanswered");
    for (const Question question : unanswered) {
        json.text(questionNames[static_cast<std::size_t>(question)]);
    }
    json.endArray();
}

void writeVerdicts(JsonWriter& json) {
    const StepVerdict& verdict = pageSession.verdict;
    json.beginArray("verdicts");
    for (std::size_t q = 0; q < questionCount; ++q) {
        const QuestionVerdict& question = verdict.questions[q];
        if (!question.asked) {
            continue;
        }
        json.beginObject()
            .text("name", questionNames[q])
            .text("label", questionLabel(questionAt(q)))
            .text("given", question.given)
            .text("right", question.right)
            .boolean("correct", question.correct)
            .endObject();
    }
    json.endArray().text("kind", verdict.kind).text("why", verdict.why);
}

void writeScores(JsonWriter& json) {
    json.beginArray("scores");
    for (std::size_t q = 0; q < questionCount; ++q) {
        if (isAsked(pageSession, questionAt(q))) {
            json.text(practice_text::scoreLine(questionLabel(questionAt(q)), pageSession.rightAnswers[q],
                                               addressFieldCount, pageScreen.language));
        }
    }
    json.endArray().text("missRate", missRateText(pageSession.key.misses, pageScreen.language));
}

void writeSession(JsonWriter& json) {
    const PracticeSession& session = pageSession;
    if (session.fromExercise) {
        json.text("exercise", std::to_string(session.exercise.seed));
    }
    json.text("summary", practice_text::configurationSummary(session))
        .number("step", session.step)
        .number("steps", addressFieldCount)
        .text("heading", practice_text::questionHeading(session));
    writeQuestions(json);
    writeUnanswered(json);
    json.boolean("checked", session.checked).boolean("finished", isFinished(session));
    if (session.checked) {
        writeVerdicts(json);
    }
    if (isFinished(session)) {
        writeScores(json);
    }
}

void writeTexts(JsonWriter& json) {
    namespace t = practice_text;
    const std::pair<const char*, const char*> named[] = {
        {"menu", t::menu},
        {"practiceItem", t::practiceItem},
        {"sheetsItem", t::sheetsItem},
        {"practiceTitle", t::practiceTitle},
        {"exerciseNumber", t::exerciseNumber},
        {"startExercise", t::startExercise},
        {"startFromDialog", t::startFromDialog},
        {"copyLink", t::copyLink},
        {"link", t::link},
        {"answerHint", t::answerHint},
        {"check", t::check},
        {"next", t::next},
        {"questionColumn", t::questionColumn},
        {"givenColumn", t::givenColumn},
        {"rightColumn", t::rightColumn},
        {"verdictColumn", t::verdictColumn},
        {"correct", t::correct},
        {"wrong", t::wrong},
        {"why", t::why},
        {"kindNotAsked", t::kindNotAsked},
        {"kindShown", t::kindShown},
        {"kind", kindHeader},
        {"results", t::results},
        {"sheetsTitle", t::sheetsTitle},
        {"firstSheet", t::firstSheet},
        {"sheetCount", t::sheetCount},
        {"print", t::print},
        {"sheetsHint", t::sheetsHint},
        {"keyTitle", t::keyTitle},
        {"linkCopied", t::linkCopied},
        {"linkQuestionTitle", t::linkQuestionTitle},
        {"yes", t::yes},
        {"no", t::no},
        {"dismiss", t::dismiss},
    };
    json.beginObject("texts");
    for (const auto& [name, value] : named) {
        json.text(name, translated(pageScreen.language, value));
    }
    json.endObject();
}

template <std::size_t N>
void writeNames(JsonWriter& json, std::string_view field, const char* const (&names)[N]) {
    json.beginArray(field);
    for (const char* name : names) {
        json.text(name);
    }
    json.endArray();
}

} // namespace

void showPageInLanguage(Language language) {
    showInLanguage(language);
    tellPracticeIn(pageSession, language);
}

std::string* pageText(std::int32_t slot) {
    return slot >= 0 && slot < pageTextCount ? &texts[static_cast<std::size_t>(slot)] : nullptr;
}

void sayOnPractice(LineInLanguage line) {
    practiceLine = std::move(line);
    unanswered.clear();
}

bool startPracticeFromNumber() {
    const std::optional<std::uint64_t> number = readExerciseNumber(text(PageText::ExerciseNumber));
    if (!number) {
        pageSession = PracticeSession{}; // the window shows the error, not an exercise it did not start
        pageSession.language = pageScreen.language;
        sayOnPractice(pageLine(practice_text::badExerciseNumber));
        return false;
    }
    startExercisePractice(pageSession, *number);
    sayOnPractice({});
    return true;
}

bool startPracticeFromDialog() {
    if (!pageScreen.dialog.open) {
        sayOnPractice(pageLine(practice_text::noDialog));
        return false;
    }
    std::string error;
    if (!startFieldsPractice(pageSession, pageScreen.dialog.fields, error)) {
        sayOnPractice([error](Language language) { return practice_text::invalidConfiguration(error, language); });
        return false;
    }
    sayOnPractice({});
    return true;
}

namespace {

// The labels of the questions left blank, "Tag, Bloc inlocuit".
std::string unansweredLabels(const std::vector<Question>& questions, Language language) {
    std::string labels;
    for (const Question question : questions) {
        labels += labels.empty() ? "" : ", ";
        labels += translated(language, romanianQuestionLabel(question));
    }
    return labels;
}

} // namespace

bool checkPracticeStep() {
    StepAnswers answers;
    for (std::size_t q = 0; q < answers.size(); ++q) {
        answers[q] = texts[q];
    }
    sayOnPractice({});
    if (!pageSession.active || pageSession.checked) {
        return false;
    }
    std::vector<Question> blank = unansweredQuestions(pageSession, answers);
    if (!blank.empty()) {
        sayOnPractice([blank](Language language) {
            return practice_text::unanswered(unansweredLabels(blank, language), language);
        });
        unanswered = std::move(blank);
        return false;
    }
    return checkStep(pageSession, answers);
}

bool nextPracticeStep() {
    if (!nextStep(pageSession)) {
        return false;
    }
    for (std::size_t q = 0; q < questionCount; ++q) {
        texts[q].clear();
    }
    sayOnPractice({});
    return true;
}

std::string practiceDescriptionJson() {
    std::string out;
    JsonWriter json(out);
    json.beginObject();
    writeTexts(json);
    json.beginObject("slots");
    for (std::int32_t slot = 0; slot < pageTextCount; ++slot) {
        json.number(slotNames[slot], slot);
    }
    json.endObject();
    writeNames(json, "questions", questionNames);
    json.beginObject("languages").text("menu", languageMenuTitle).beginArray("items");
    for (const Language language : everyLanguage) {
        json.beginObject().text("name", languageName(language)).text("text", languageOwnName(language)).endObject();
    }
    json.endArray().endObject();
    json.beginArray("outcomes");
    for (const bool hit : {true, false}) {
        json.text(outcomeText(hit));
    }
    json.endArray().endObject();
    return out;
}

std::string practiceStateJson() {
    std::string out;
    JsonWriter json(out);
    json.beginObject().boolean("active", pageSession.active);
    if (pageSession.active) {
        writeSession(json);
    }
    json.text("line", practiceLine ? practiceLine(pageScreen.language) : std::string()).endObject();
    return out;
}

std::string practiceSceneLines() {
    if (!pageSession.checked) {
        return {};
    }
    const KeptRecords kept;
    runUpToStep(pageSession);
    return sceneJsonLines(recordMainViewIn(standardClient, pageScreen.language));
}

std::string sheetRequestJson() {
    const std::optional<std::uint64_t> first = readExerciseNumber(text(PageText::ExerciseNumber));
    const std::optional<std::uint32_t> count = readSheetCount(text(PageText::SheetCount));
    const char* refusal = !first                             ? practice_text::badExerciseNumber
                          : !count                           ? practice_text::badSheetCount
                          : !sheetNumbersFit(*first, *count) ? practice_text::sheetsPastLast
                                                             : nullptr;
    std::string out;
    JsonWriter json(out);
    json.beginObject().boolean("ok", refusal == nullptr);
    if (refusal != nullptr) {
        json.text("line", translated(pageScreen.language, refusal));
    } else {
        json.text("first", std::to_string(*first)).number("count", *count);
    }
    json.endObject();
    return out;
}

std::string exerciseSheetsText(std::uint64_t first, std::int32_t count, bool answers) {
    if (count < 1 || static_cast<std::uint32_t>(count) > maxSheets) {
        return {};
    }
    const KeptRecords kept;
    return printedText([&](std::FILE* out) {
        writeExerciseSheets(out, first, static_cast<std::uint32_t>(count),
                            {answers, SheetFormat::Text, pageScreen.language});
    });
}
