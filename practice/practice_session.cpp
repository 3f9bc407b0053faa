#include "practice/practice_session.h"

#include "config/cache_config.h"
#include "dialog/dialog_buttons.h"
#include "engine/simulation_state.h"
#include "exercise/kept_records.h"
#include "exercise/sheet_texts.h"
#include "language/catalogue.h"
#include "practice/answer_reading.h"
#include "practice/step_explanation.h"
#include "practice/step_facts.h"
#include "report/error_line.h"

#include <algorithm>

namespace {

constexpr std::size_t longestGivenAnswer = 24;

std::size_t at(Question question) {
    return static_cast<std::size_t>(question);
}

// Solves the exercise, reads why each access came out as it did, and starts at the first access, in the
// session's language.
void prepare(PracticeSession& session, const Exercise& exercise, bool fromExercise) {
    const KeptRecords kept;
    const Language language = session.language;
    session = PracticeSession{};
    session.language = language;
    session.exercise = exercise;
    session.fromExercise = fromExercise;
    session.key = solveExercise(exercise);
    const std::array<StepFacts, addressFieldCount> facts = readStepFacts();
    const ExplainedCache cache{exercise.mapping, cacheConfig.replacementPolicy, session.key.cacheBlockCount,
                               language};
    for (std::size_t t = 0; t < facts.size(); ++t) {
        session.explanations[t] = explainStep(cache, session.key.accesses[t], facts[t]);
    }
    session.active = session.key.valid;
}

// The exercise of fields that validated just now, read from what "Setare mod" stored.
Exercise exerciseOfStoredFields(const DialogFields& fields) {
    const CacheConfig& config = cacheConfig;
    Exercise exercise;
    exercise.ramSizeMb = config.ramSizeMb;
    exercise.cacheSizeKb = config.cacheSizeKb;
    exercise.blockSizeBytes = config.blockSizeBytes;
    exercise.cacheBlockCount = blocksInCache(config);
    exercise.mapping = config.mappingMethod;
    exercise.policy =
        config.mappingMethod == MappingMethod::Direct ? noSelection : toInt(config.replacementPolicy);
    exercise.setCount = config.mappingMethod == MappingMethod::SetAssociative ? config.setCount : 0;
    std::copy_n(config.addressSequence.begin(), addressFieldCount, exercise.addresses.begin());
    exercise.fields = fields;
    return exercise;
}

std::string cut(const std::string& text) {
    return text.size() <= longestGivenAnswer ? text : text.substr(0, longestGivenAnswer) + "...";
}

QuestionVerdict numberVerdict(const std::string& answer, std::uint32_t right) {
    const std::optional<std::uint32_t> value = readAnswerNumber(answer);
    return {true, cut(answer), decimalAndHex(right), value && *value == right};
}

QuestionVerdict outcomeVerdict(const std::string& answer, bool hit) {
    return {true, cut(answer), outcomeText(hit), answer == outcomeText(hit)};
}

QuestionVerdict replacedVerdict(const std::string& answer, int right) {
    const std::optional<int> block = readReplacedAnswer(answer);
    return {true, cut(answer), replacedBlockText(right), block && *block == right};
}

} // namespace

void startExercisePractice(PracticeSession& session, std::uint64_t seed) {
    prepare(session, drawExercise(seed), true);
}

bool startFieldsPractice(PracticeSession& session, const DialogFields& fields, std::string& error) {
    DialogFields sequence = fields;
    sequence.mode = toInt(WorkMode::GivenSequence);
    // assign(count, char): GCC 12 at -O3 warns falsely (-Wrestrict) on assigning a literal to a copied string
    sequence.iterations.assign(1, '1');
    Exercise exercise;
    {
        const KeptRecords kept;
        pressSetareMod(sequence);
        if (cacheConfig.configErrors != 0) {
            error = firstErrorMessage(session.language);
            return false;
        }
        exercise = exerciseOfStoredFields(sequence);
    }
    prepare(session, exercise, false);
    return session.active;
}

void tellPracticeIn(PracticeSession& session, Language language) {
    if (!session.active) {
        session.language = language;
        return;
    }
    PracticeSession told = session;
    told.language = language;
    prepare(told, session.exercise, session.fromExercise);
    told.step = session.step;
    told.checked = session.checked;
    told.rightAnswers = session.rightAnswers;
    told.verdict = session.verdict;
    if (told.checked) {
        told.verdict.kind = translated(language, missKindName(told.key.accesses[slot(told.step)].kind));
        told.verdict.why = told.explanations[slot(told.step)];
    }
    session = told;
}

bool isAsked(const PracticeSession& session, Question question) {
    return question != Question::Index || session.exercise.mapping != MappingMethod::Associative;
}

std::vector<Question> unansweredQuestions(const PracticeSession& session, const StepAnswers& answers) {
    std::vector<Question> blank;
    for (std::size_t q = 0; q < answers.size(); ++q) {
        const Question question = static_cast<Question>(q);
        if (isAsked(session, question) && isBlankAnswer(answers[q])) {
            blank.push_back(question);
        }
    }
    return blank;
}

bool checkStep(PracticeSession& session, const StepAnswers& answers) {
    if (!session.active || session.checked || !unansweredQuestions(session, answers).empty()) {
        return false;
    }
    const ExerciseAccess& access = session.key.accesses[slot(session.step)];
    StepVerdict& verdict = session.verdict;
    verdict = StepVerdict{};
    verdict.questions[at(Question::Tag)] = numberVerdict(answers[at(Question::Tag)], access.tag);
    if (isAsked(session, Question::Index)) {
        verdict.questions[at(Question::Index)] = numberVerdict(answers[at(Question::Index)], access.index);
    }
    verdict.questions[at(Question::Word)] = numberVerdict(answers[at(Question::Word)], access.word);
    verdict.questions[at(Question::Outcome)] = outcomeVerdict(answers[at(Question::Outcome)], access.hit);
    verdict.questions[at(Question::Replaced)] =
        replacedVerdict(answers[at(Question::Replaced)], access.replacedBlock);
    verdict.kind = translated(session.language, missKindName(access.kind));
    verdict.why = session.explanations[slot(session.step)];
    for (std::size_t q = 0; q < verdict.questions.size(); ++q) {
        session.rightAnswers[q] += verdict.questions[q].correct ? 1 : 0;
    }
    session.checked = true;
    return true;
}

bool nextStep(PracticeSession& session) {
    if (!session.active || !session.checked || isFinished(session)) {
        return false;
    }
    ++session.step;
    session.checked = false;
    return true;
}

bool isFinished(const PracticeSession& session) {
    return session.active && session.checked && session.step == addressFieldCount - 1;
}

void runUpToStep(const PracticeSession& session) {
    DialogFields individual = session.exercise.fields;
    individual.mode = toInt(WorkMode::Individual);
    forgetLastReset();
    for (int t = 0; t <= session.step; ++t) {
        individual.addresses[0] = std::to_string(session.exercise.addresses[slot(t)]);
        pressSetareMod(individual);
        pressStartSimulation();
    }
}
