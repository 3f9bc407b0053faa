#pragma once

#include "dialog/dialog_fields.h"
#include "exercise/exercise_draw.h"
#include "exercise/exercise_key.h"
#include "language/language.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A practice: the student predicts, access by access, what the core does with a given sequence of ten
// addresses, and the core's own run says what was right. Every answer, and the sentence of why, comes from
// the records of that run; the session only keeps them and counts what the student got right. A session runs
// the simulator beside the user's own configuration and puts the records back after every run
// (exercise/kept_records.h).

// The questions of every access, in the order they are asked.
enum class Question : std::int32_t { Tag = 0, Index = 1, Word = 2, Outcome = 3, Replaced = 4 };
inline constexpr int questionCount = 5;

struct QuestionVerdict {
    bool asked = false; // associative mapping has no block or set field to ask for
    std::string given;  // what the student answered, cut short
    std::string right;  // as the sheets print it: "24580 (6004)", "hit", "-"
    bool correct = false;
};

struct StepVerdict {
    std::array<QuestionVerdict, questionCount> questions{};
    std::string kind; // of the miss, as the key names it; "-" for a hit
    std::string why;
};

struct PracticeSession {
    Language language =
        Language::Romanian; // of the sentences of why, the kinds and the errors; kept by a start
    bool active = false;
    bool fromExercise = false; // drawn from its number, exercise.seed
    Exercise exercise{}; // the configuration, the ten addresses and the fields of a given sequence run once
    ExerciseKey key{};
    std::array<std::string, addressFieldCount> explanations{};
    int step = 0;         // the access asked, from 0
    bool checked = false; // its answers have been checked
    StepVerdict verdict{};
    std::array<int, questionCount> rightAnswers{};
};

// Starts the practice of exercise number seed, as --exercise draws it.
void startExercisePractice(PracticeSession& session, std::uint64_t seed);

// Starts the practice of the dialog's fields and lists, its ten addresses run as a given sequence once
// whatever its work mode and iterations say. When they do not validate, the session stays as it was and
// error holds the first message of the configuration's error list.
bool startFieldsPractice(PracticeSession& session, const DialogFields& fields, std::string& error);

// The session told in language from now on: its sentences of why and the kind of a checked access told
// again, its access, answers and scores kept.
void tellPracticeIn(PracticeSession& session, Language language);

bool isAsked(const PracticeSession& session, Question question);

using StepAnswers = std::array<std::string, questionCount>;

// The questions asked of the access that the answers leave blank, in the order they are asked.
std::vector<Question> unansweredQuestions(const PracticeSession& session, const StepAnswers& answers);

// Checks the student's answers to the access asked, one text per question ("hit" or "miss" for the outcome;
// "-" for no replaced block); false, and nothing done or scored, unless the access waits for them and every
// question asked has an answer.
bool checkStep(PracticeSession& session, const StepAnswers& answers);

// Asks the next access once the last one is checked; false after the last access.
bool nextStep(PracticeSession& session);

bool isFinished(const PracticeSession& session);

// Makes the run that shows the cache after the access asked: individual runs of the addresses up to it, from
// an empty cache, as a user who typed them into address field 0 one by one would see them. The caller keeps
// the records (KeptRecords) and reads them before putting them back.
void runUpToStep(const PracticeSession& session);
