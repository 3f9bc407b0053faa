#include "web/page_practice.h"

#include "exercise/exercise_sheet.h"
#include "exercise/kept_records.h"
#include "exercise/sheet_texts.h"
#include "practice/answer_reading.h"
#include "practice/practice_texts.h"
#include "report/json_text.h"
#include "report/printed_text.h"
#include "view/main_scene.h"
#include "view/scene_json.h"
#include "web/page_screen.h"

#include <array>
#include <vector>

PracticeSession pageSession;

namespace {

std::array<std::string, pageTextCount> texts;
std::string practiceLine;
std::vector<Question> unanswered; // by the last check refused for them

constexpr const char* questionNames[questionCount] = {"tag", "index", "word", "outcome", "replaced"};
constexpr const char* slotNames[pageTextCount] = {"tag",      "index",    "word",       "outcome",
                                                  "replaced", "exercise", "sheetCount", "link"};

std::string& text(PageText slot) {
    return texts[static_cast<std::size_t>(slot)];
}

const char* questionLabel(Question question) {
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

Question questionAt(std::size_t q) {
    return static_cast<Question>(q);
}

void appendText(std::string& out, std::string_view name, std::string_view value) {
    out += ',';
    appendJsonField(out, name, value);
}

void appendQuestions(std::string& out) {
    out += ",\"questions\":[";
    JsonItems items{out};
    for (std::size_t q = 0; q < questionCount; ++q) {
        const bool asked = isAsked(pageSession, questionAt(q));
        items.next() += '{';
        appendJsonField(out, "name", questionNames[q]);
        appendText(out, "label", asked ? questionLabel(questionAt(q)) : "");
        out += ',';
        appendJsonBool(out, "asked", asked);
        out += '}';
    }
    out += ']';
}

void appendUnanswered(std::string& out) {
    out += ",\"unanswered\":[";
    JsonItems items{out};
    for (const Question question : unanswered) {
        appendJsonString(items.next(), questionNames[static_cast<std::size_t>(question)]);
    }
    out += ']';
}

void appendVerdicts(std::string& out) {
    const StepVerdict& verdict = pageSession.verdict;
    out += ",\"verdicts\":[";
    JsonItems items{out};
    for (std::size_t q = 0; q < questionCount; ++q) {
        const QuestionVerdict& question = verdict.questions[q];
        if (!question.asked) {
            continue;
        }
        items.next() += '{';
        appendJsonField(out, "name", questionNames[q]);
        appendText(out, "label", questionLabel(questionAt(q)));
        appendText(out, "given", question.given);
        appendText(out, "right", question.right);
        out += ',';
        appendJsonBool(out, "correct", question.correct);
        out += '}';
    }
    out += ']';
    appendText(out, "kind", verdict.kind);
    appendText(out, "why", verdict.why);
}

void appendScores(std::string& out) {
    out += ",\"scores\":[";
    JsonItems items{out};
    for (std::size_t q = 0; q < questionCount; ++q) {
        if (isAsked(pageSession, questionAt(q))) {
            appendJsonString(items.next(),
                             practice_text::scoreLine(questionLabel(questionAt(q)),
                                                      pageSession.rightAnswers[q], addressFieldCount));
        }
    }
    out += ']';
    appendText(out, "missRate", missRateText(pageSession.key.misses));
}

void appendSession(std::string& out) {
    const PracticeSession& session = pageSession;
    if (session.fromExercise) {
        appendText(out, "exercise", std::to_string(session.exercise.seed));
    }
    appendText(out, "summary", practice_text::configurationSummary(session));
    out += ',';
    appendJsonField(out, "step", session.step);
    out += ',';
    appendJsonField(out, "steps", addressFieldCount);
    appendText(out, "heading", practice_text::questionHeading(session));
    appendQuestions(out);
    appendUnanswered(out);
    out += ',';
    appendJsonBool(out, "checked", session.checked);
    out += ',';
    appendJsonBool(out, "finished", isFinished(session));
    if (session.checked) {
        appendVerdicts(out);
    }
    if (isFinished(session)) {
        appendScores(out);
    }
}

void appendTexts(std::string& out) {
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
    out += "\"texts\":{";
    JsonItems items{out};
    for (const auto& [name, value] : named) {
        appendJsonField(items.next(), name, value);
    }
    out += '}';
}

template <std::size_t N> void appendNames(std::string& out, const char* const (&names)[N]) {
    out += '[';
    JsonItems items{out};
    for (const char* name : names) {
        appendJsonString(items.next(), name);
    }
    out += ']';
}

} // namespace

std::string* pageText(std::int32_t slot) {
    return slot >= 0 && slot < pageTextCount ? &texts[static_cast<std::size_t>(slot)] : nullptr;
}

void sayOnPractice(std::string line) {
    practiceLine = std::move(line);
    unanswered.clear();
}

bool startPracticeFromNumber() {
    const std::optional<std::uint64_t> number = readExerciseNumber(text(PageText::ExerciseNumber));
    if (!number) {
        pageSession = PracticeSession{}; // the window shows the error, not an exercise it did not start
        sayOnPractice(practice_text::badExerciseNumber);
        return false;
    }
    startExercisePractice(pageSession, *number);
    sayOnPractice({});
    return true;
}

bool startPracticeFromDialog() {
    if (!pageScreen.dialog.open) {
        sayOnPractice(practice_text::noDialog);
        return false;
    }
    std::string error;
    if (!startFieldsPractice(pageSession, pageScreen.dialog.fields, error)) {
        sayOnPractice(practice_text::invalidConfiguration(error));
        return false;
    }
    sayOnPractice({});
    return true;
}

namespace {

// The labels of the questions left blank, "Tag, Bloc inlocuit".
std::string unansweredLabels(const std::vector<Question>& questions) {
    std::string labels;
    for (const Question question : questions) {
        labels += labels.empty() ? "" : ", ";
        labels += questionLabel(question);
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
        sayOnPractice(practice_text::unanswered(unansweredLabels(blank)));
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
    std::string json = "{";
    appendTexts(json);
    json += ",\"slots\":{";
    JsonItems slots{json};
    for (std::int32_t slot = 0; slot < pageTextCount; ++slot) {
        appendJsonField(slots.next(), slotNames[slot], slot);
    }
    json += "},\"questions\":";
    appendNames(json, questionNames);
    json += ",\"outcomes\":[";
    JsonItems outcomes{json};
    for (const bool hit : {true, false}) {
        appendJsonString(outcomes.next(), outcomeText(hit));
    }
    return json + "]}";
}

std::string practiceStateJson() {
    std::string json = "{";
    appendJsonBool(json, "active", pageSession.active);
    if (pageSession.active) {
        appendSession(json);
    }
    appendText(json, "line", practiceLine);
    return json + "}";
}

std::string practiceSceneLines() {
    if (!pageSession.checked) {
        return {};
    }
    const KeptRecords kept;
    runUpToStep(pageSession);
    return sceneJsonLines(recordMainView(standardClient));
}

std::string sheetRequestJson() {
    const std::optional<std::uint64_t> first = readExerciseNumber(text(PageText::ExerciseNumber));
    const std::optional<std::uint32_t> count = readSheetCount(text(PageText::SheetCount));
    const char* refusal = !first                             ? practice_text::badExerciseNumber
                          : !count                           ? practice_text::badSheetCount
                          : !sheetNumbersFit(*first, *count) ? practice_text::sheetsPastLast
                                                             : nullptr;
    std::string json = "{";
    appendJsonBool(json, "ok", refusal == nullptr);
    if (refusal != nullptr) {
        appendText(json, "line", refusal);
        return json + "}";
    }
    appendText(json, "first", std::to_string(*first));
    json += ',';
    appendJsonField(json, "count", static_cast<int>(*count));
    return json + "}";
}

std::string exerciseSheetsText(std::uint64_t first, std::int32_t count, bool answers) {
    if (count < 1 || static_cast<std::uint32_t>(count) > maxSheets) {
        return {};
    }
    const KeptRecords kept;
    return printedText([&](std::FILE* out) {
        writeExerciseSheets(out, first, static_cast<std::uint32_t>(count), {answers, SheetFormat::Text});
    });
}
