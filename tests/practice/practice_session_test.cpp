#include "practice/practice_session.h"

#include "cli/step_table.h"
#include "cli/text_lines.h"
#include "core_state.h"
#include "dialog/dialog_buttons.h"
#include "engine/miss_kinds.h"
#include "engine/replacement.h"
#include "engine/simulation_state.h"
#include "exercise/kept_records.h"
#include "exercise/sheet_texts.h"
#include "language/language_checks.h"
#include "practice/configuration_link.h"
#include "practice/practice_texts.h"
#include "practice/answer_reading.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

class PracticeSessionTest : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

// One row of --steps: run,step,address,tag,index,word,ram_block,outcome,miss_rate_percent,miss_kind
struct StepRow {
    std::string tag, index, word, outcome, kind;
};

std::vector<StepRow> stepRows(const DialogFields& fields) {
    const std::string csv = printedText([&](std::FILE* out) {
        StepTable table(out);
        pressSetareMod(fields);
        pressStartSimulation();
        table.writeLastRun();
    });
    std::vector<StepRow> rows;
    for (const std::string& line : linesOf(csv)) {
        std::vector<std::string> cells;
        std::stringstream stream(line + ",");
        for (std::string cell; std::getline(stream, cell, ',');) {
            cells.push_back(cell);
        }
        if (cells[0] != "run") {
            rows.push_back({cells[3], cells[4], cells[5], cells[7], cells.size() > 9 ? cells[9] : ""});
        }
    }
    return rows;
}

// The block the last individual run evicted: the one it left light pink.
int evictedByIndividualRun(int blocks) {
    for (int b = 0; b < blocks; ++b) {
        if (snapshotAt(1).blockColor[slot(b)] == evictedBlockColor) {
            return b;
        }
    }
    return -1;
}

std::uint32_t number(const std::string& decimal) {
    return static_cast<std::uint32_t>(std::stoul(decimal));
}

std::string hexText(const std::string& decimal) {
    std::ostringstream hex;
    hex << "0x" << std::hex << std::stoul(decimal);
    return hex.str();
}

std::string otherNumber(const std::string& decimal) {
    return std::to_string(std::stoul(decimal) + 1);
}

const std::map<std::string, std::string> kindOfSteps{
    {"compulsory", "obligatoriu"}, {"capacity", "capacitate"}, {"conflict", "conflict"}, {"", "-"}};

// Answered from the text front-end's --steps for the exercise's own fields, and the replaced block from the
// individual runs that draw each step: every answer right, then every answer wrong, in a hundred exercises.
// The verdicts, the right answers shown and the scores follow.
TEST_F(PracticeSessionTest, AnswersFromTheStepTableAreRightAndAllOthersWrong) {
    for (std::uint64_t seed = 0; seed < 100; ++seed) {
        const Exercise exercise = drawExercise(seed);
        const std::vector<StepRow> rows = stepRows(exercise.fields);
        ASSERT_EQ(rows.size(), 10u);
        for (const bool right : {true, false}) {
            PracticeSession session;
            startExercisePractice(session, seed);
            ASSERT_TRUE(session.active);
            const bool associative = exercise.mapping == MappingMethod::Associative;
            for (std::size_t t = 0; t < rows.size(); ++t) {
                int replaced = -1;
                {
                    const KeptRecords kept;
                    runUpToStep(session);
                    replaced = evictedByIndividualRun(exercise.cacheBlockCount);
                }
                const StepRow& row = rows[t];
                const std::array<std::string, questionCount> answers =
                    right
                        ? std::array<std::string, questionCount>{hexText(row.tag), row.index, " " + row.word,
                                                                 row.outcome, replacedBlockText(replaced)}
                        : std::array<std::string, questionCount>{
                              otherNumber(row.tag), "x" + row.index, otherNumber(row.word),
                              row.outcome == "hit" ? "miss" : "hit", replacedBlockText(replaced + 1)};
                ASSERT_TRUE(checkStep(session, answers));
                EXPECT_FALSE(checkStep(session, answers)) << "an access is checked once";
                const StepVerdict& verdict = session.verdict;
                for (std::size_t q = 0; q < verdict.questions.size(); ++q) {
                    const bool asked = q != static_cast<std::size_t>(Question::Index) || !associative;
                    EXPECT_EQ(verdict.questions[q].asked, asked);
                    EXPECT_EQ(verdict.questions[q].correct, asked && right) << seed << " " << t << " " << q;
                }
                EXPECT_EQ(verdict.questions[0].right, decimalAndHex(number(row.tag)));
                if (!associative) {
                    EXPECT_EQ(verdict.questions[1].right, decimalAndHex(number(row.index)));
                }
                EXPECT_EQ(verdict.questions[2].right, decimalAndHex(number(row.word)));
                EXPECT_EQ(verdict.questions[3].right, row.outcome);
                EXPECT_EQ(verdict.questions[4].right, replacedBlockText(replaced));
                EXPECT_EQ(verdict.kind, kindOfSteps.at(row.kind));
                EXPECT_EQ(verdict.why, session.explanations[t]);
                EXPECT_EQ(isFinished(session), t + 1 == rows.size());
                EXPECT_EQ(nextStep(session), t + 1 < rows.size());
            }
            const int asked = right ? 10 : 0;
            EXPECT_EQ(session.rightAnswers,
                      (std::array<int, questionCount>{asked, associative ? 0 : asked, asked, asked, asked}));
        }
    }
}

// The drawing after an access comes from individual runs of the addresses up to it: each must find what the
// sequence found at that access, from an empty cache at the first.
TEST_F(PracticeSessionTest, TheIndividualRunsUpToAnAccessFindWhatTheSequenceFoundThere) {
    for (std::uint64_t seed = 300; seed < 400; ++seed) {
        PracticeSession session;
        startExercisePractice(session, seed);
        for (int t = 0; t < addressFieldCount; ++t) {
            const KeptRecords kept;
            runUpToStep(session);
            const ExerciseAccess& access = session.key.accesses[slot(t)];
            EXPECT_EQ(simulationState.simulationStep, t + 1);
            EXPECT_EQ(simulationState.tagValue[1], access.tag);
            EXPECT_EQ(simulationState.wordOffset[1], access.word);
            if (session.exercise.mapping == MappingMethod::Direct) {
                EXPECT_EQ(simulationState.blockIndex[1], access.index);
            } else if (session.exercise.mapping == MappingMethod::SetAssociative) {
                EXPECT_EQ(simulationState.setIndex[1], access.index);
            }
            EXPECT_EQ(simulationState.missFlag[0] == hitOutcome, access.hit) << seed << " " << t;
            EXPECT_EQ(evictedByIndividualRun(session.key.cacheBlockCount), access.replacedBlock) << seed;
            EXPECT_EQ(missKinds.kind[0], access.kind) << seed << " " << t;
            checkStep(session, {"0", "0", "0", "hit", "-"});
            nextStep(session);
        }
    }
}

// The dialog's fields in any work mode are practised as their ten addresses run once; fields that do not
// validate start nothing and give the first message of the error list.
TEST_F(PracticeSessionTest, TheDialogsFieldsArePractisedAsAGivenSequenceRunOnce) {
    DialogFields fields = dialogFieldsFor(ConfigSetup{.blockBytes = 4096,
                                                      .mapping = MappingMethod::SetAssociative,
                                                      .policy = ReplacementPolicy::Lru,
                                                      .mode = WorkMode::RandomSequence,
                                                      .sets = 2,
                                                      .iterations = 50});
    const std::uint32_t blocks[] = {6, 2, 3, 7, 3, 5, 6, 2, 6, 3};
    for (std::size_t i = 0; i < fields.addresses.size(); ++i) {
        fields.addresses[i] = std::to_string(blocks[i] * 4096 + 4 * (i + 1));
    }
    PracticeSession session;
    std::string error;
    ASSERT_TRUE(startFieldsPractice(session, fields, error));
    EXPECT_FALSE(session.fromExercise);
    EXPECT_EQ(session.exercise.setCount, 2);
    EXPECT_EQ(session.exercise.cacheBlockCount, 4);
    EXPECT_EQ(session.exercise.addresses[5], 20504u);
    EXPECT_EQ(session.key.misses, 5) << "the README's sequence misses 5 times in 2 sets under LRU";

    const PracticeSession before = session;
    fields.ram = "3";
    fields.addresses[4] = "abc";
    EXPECT_FALSE(startFieldsPractice(session, fields, error));
    EXPECT_EQ(error, "Dimensiune RAM = 3 Mo incorecta");
    EXPECT_EQ(session.exercise.addresses, before.exercise.addresses) << "the session stays as it was";
    EXPECT_TRUE(session.active);

    // A message of two lines reads as one, its break folded into the blank before it.
    fields.ram = "1";
    fields.addresses[4] = "0";
    fields.cache = "16";
    fields.block = "8192";
    fields.sets = "4";
    EXPECT_FALSE(startFieldsPractice(session, fields, error));
    EXPECT_EQ(error, "Numar de blocuri in cache mai mic decit numarul de seturi");
}

TEST_F(PracticeSessionTest, NothingIsCheckedOrAskedOutOfTurn) {
    PracticeSession session;
    const StepAnswers answered{"1", "2", "3", "hit", "-"};
    EXPECT_FALSE(checkStep(session, answered));
    startExercisePractice(session, 7);
    EXPECT_FALSE(nextStep(session)) << "the first access is not answered yet";
    const std::pair<StepAnswers, std::vector<Question>> blanks[] = {
        {{}, {Question::Tag, Question::Index, Question::Word, Question::Outcome, Question::Replaced}},
        {{"1", " ", "3", "hit", ""}, {Question::Index, Question::Replaced}},
        {{"1", "2", "3", "", "\t"}, {Question::Outcome, Question::Replaced}},
    };
    for (const auto& [answers, unanswered] : blanks) {
        EXPECT_EQ(unansweredQuestions(session, answers), unanswered);
        EXPECT_FALSE(checkStep(session, answers)) << "a blank is no answer, not \"-\"";
    }
    EXPECT_EQ(session.rightAnswers, (std::array<int, questionCount>{})) << "nothing scored";
    EXPECT_TRUE(checkStep(session, answered));
    EXPECT_EQ(session.rightAnswers[4], 1) << "the first access replaces nothing, which \"-\" says";
    EXPECT_TRUE(nextStep(session));
    EXPECT_EQ(session.step, 1);
    EXPECT_TRUE(checkStep(session, {std::string(1000, '9'), "0x", "0x1x", "Hit", "--"}));
    for (const QuestionVerdict& question : session.verdict.questions) {
        EXPECT_FALSE(question.correct) << question.given;
        EXPECT_LE(question.given.size(), 27u) << "a long answer is shown cut short";
    }
}

// What a practice says, in each language: English tells every access's why, the configuration, the question
// and the kind with the Romanian's numbers in their order, and no Romanian word.
TEST_F(PracticeSessionTest, EachLanguageTellsTheSameFactsOfEveryAccess) {
    const auto said = [](const PracticeSession& session) {
        std::vector<std::string> texts{practice_text::configurationSummary(session)};
        for (const std::string& why : session.explanations) {
            texts.push_back(why);
        }
        return texts;
    };
    for (std::uint64_t seed = 0; seed < 60; ++seed) {
        std::map<Language, std::vector<std::string>> texts;
        for (const Language language : {Language::Romanian, Language::English}) {
            PracticeSession session;
            session.language = language;
            startExercisePractice(session, seed);
            ASSERT_TRUE(session.active) << seed;
            texts[language] = said(session);
            session.step = static_cast<int>(seed % addressFieldCount);
            texts[language].push_back(practice_text::questionHeading(session));
            checkStep(session, StepAnswers{"1", "1", "1", "miss", "-"});
            texts[language].push_back(session.verdict.kind);
        }
        for (std::size_t t = 0; t < texts[Language::Romanian].size(); ++t) {
            const std::string& english = texts[Language::English][t];
            EXPECT_EQ(numbersOf(english), numbersOf(texts[Language::Romanian][t])) << seed << ": " << english;
            EXPECT_EQ(romanianWordIn(english), "") << seed << ": " << english;
        }
    }
    LinkReading reading = readConfigurationLink("ram=x&cache=1&" + std::string(20, 'q'));
    const std::string line = unreadLinkMessage(reading, Language::English);
    EXPECT_EQ(numbersOf(line), numbersOf(unreadLinkMessage(reading)));
    EXPECT_EQ(romanianWordIn(line), "") << line;
}

TEST(AnswerReadingTest, NumbersAreDecimalOrHexadecimalAfter0x) {
    EXPECT_EQ(readAnswerNumber("24580"), 24580u);
    EXPECT_EQ(readAnswerNumber(" 0x6004\t"), 0x6004u);
    EXPECT_EQ(readAnswerNumber("0X6004"), 0x6004u);
    EXPECT_EQ(readAnswerNumber("0xffffffff"), 0xffffffffu);
    EXPECT_EQ(readAnswerNumber("4294967295"), 4294967295u);
    EXPECT_EQ(readAnswerNumber("007"), 7u);
    for (const char* text :
         {"", " ", "4294967296", "0x100000000", "6004h", "0x", "-1", "+1", "1 2", "1e3", "x1"}) {
        EXPECT_EQ(readAnswerNumber(text), std::nullopt) << text;
    }
    EXPECT_EQ(readReplacedAnswer(""), std::nullopt);
    EXPECT_EQ(readReplacedAnswer(" - "), -1);
    EXPECT_EQ(readReplacedAnswer("3"), 3);
    EXPECT_EQ(readReplacedAnswer("0x3"), 3);
    EXPECT_EQ(readReplacedAnswer("--"), std::nullopt);
    EXPECT_EQ(readReplacedAnswer("3000000000"), std::nullopt);
}

TEST(AnswerReadingTest, ExerciseNumbersAndSheetCountsHaveTheirBounds) {
    EXPECT_EQ(readExerciseNumber("0"), 0u);
    EXPECT_EQ(readExerciseNumber(" 18446744073709551615 "), 18446744073709551615u);
    EXPECT_EQ(readExerciseNumber("18446744073709551616"), std::nullopt);
    EXPECT_EQ(readExerciseNumber("-7"), std::nullopt);
    EXPECT_EQ(readExerciseNumber("7a"), std::nullopt);
    EXPECT_EQ(readSheetCount("1"), 1u);
    EXPECT_EQ(readSheetCount("100"), 100u);
    EXPECT_EQ(readSheetCount("0"), std::nullopt);
    EXPECT_EQ(readSheetCount("101"), std::nullopt);
    EXPECT_EQ(readSheetCount(""), std::nullopt);
}

} // namespace
