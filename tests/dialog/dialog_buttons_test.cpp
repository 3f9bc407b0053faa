// What the dialog's buttons do to the records, and when the window's effects see them: every front-end goes
// through these entries, so their order is the dialog's order.

#include "dialog/dialog_buttons.h"

#include "config/cache_config.h"
#include "config/choice_names.h"
#include "core_state.h"
#include "engine/simulation_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Each effect notes its name and the run-control flags it found, in the list its context names.
std::vector<std::string> effectsSeen;

void note(void* context, const std::string& effect) {
    static_cast<std::vector<std::string>*>(context)->push_back(
        effect + " started=" + std::to_string(simulationStarted) + " ready=" + std::to_string(resultsReady));
}

const ButtonEffects notingEffects{
    [](void* context, bool valid, bool random) {
        note(context, std::string("validity ") + (valid ? "valid" : "invalid") + (random ? " random" : ""));
    },
    [](void* context) { note(context, "run finished"); }, [](void* context) { note(context, "console"); },
    [](void* context) { note(context, "repaint"); }, &effectsSeen};

class DialogButtons : public ::testing::Test {
  protected:
    void SetUp() override {
        startFromStartup();
        effectsSeen.clear();
    }
};

const DialogFields workedExample{.ram = "1",
                                 .cache = "16",
                                 .block = "1024",
                                 .addresses = {"74565", "0", "0", "0", "0", "0", "0", "0", "0", "0"},
                                 .mapping = toInt(MappingMethod::Direct),
                                 .mode = toInt(WorkMode::Individual)};

TEST_F(DialogButtons, SetareModStoresEveryFieldAndTheSelectedTexts) {
    DialogFields fields = workedExample;
    fields.ram = " 4294967295 ";
    fields.sets = "8";
    fields.addresses[3] = "";
    fields.addresses[9] = "4294967296";
    fields.policy = toInt(ReplacementPolicy::Lru);
    pressSetareMod(fields);
    EXPECT_EQ(cacheConfig.ramSizeMb, -1);
    EXPECT_EQ(cacheConfig.setCount, 8);
    EXPECT_EQ(cacheConfig.addressSequence[0], 74565u);
    EXPECT_EQ(cacheConfig.addressEntered[3], 0);
    EXPECT_EQ(cacheConfig.addressEntered[9], 0);
    EXPECT_EQ(cacheConfig.addressEntered[8], 1);
    EXPECT_EQ(cacheConfig.mappingMethod, MappingMethod::Direct);
    EXPECT_STREQ(mappingMethodName, L"directa");
    EXPECT_STREQ(replacementPolicyName, L"LRU");
    EXPECT_STREQ(workModeName, L"individual");
    EXPECT_EQ(cacheConfig.configErrors & 0x200001u, 0x200001u); // the RAM size and the unread addresses
}

TEST_F(DialogButtons, AListWithoutSelectionStoresMinusOneAndKeepsItsText) {
    pressSetareMod(workedExample);
    DialogFields unchosen = workedExample;
    unchosen.mapping = -1;
    pressSetareMod(unchosen);
    EXPECT_EQ(static_cast<int>(cacheConfig.mappingMethod), -1);
    EXPECT_STREQ(mappingMethodName, L"directa");
    EXPECT_TRUE(cacheConfig.configErrors & 0x8u);
}

// Found by the fuzz target "runs": work mode 7 validated, and START SIMULARE then ran no step at all.
TEST_F(DialogButtons, ASelectionOutsideItsListStoresNoneAndIsReportedMissing) {
    pressSetareMod(workedExample);
    DialogFields outside = workedExample;
    outside.mapping = 3;
    outside.policy = 2;
    outside.mode = 7;
    pressSetareMod(outside);
    EXPECT_EQ(static_cast<int>(cacheConfig.mappingMethod), -1);
    EXPECT_EQ(static_cast<int>(cacheConfig.replacementPolicy), -1);
    EXPECT_EQ(static_cast<int>(cacheConfig.workMode), -1);
    EXPECT_STREQ(mappingMethodName, L"directa");
    EXPECT_STREQ(workModeName, L"individual");
    EXPECT_EQ(cacheConfig.configErrors & 0x48u, 0x48u); // mapping and work mode missing

    outside.mapping = 2147483647;
    outside.mode = -2147483647 - 1;
    pressSetareMod(outside);
    EXPECT_EQ(cacheConfig.configErrors & 0x48u, 0x48u);
    EXPECT_EQ(reportText().find("Configurare valida"), std::string::npos);
}

TEST_F(DialogButtons, SetareModClearsTheFlagsBetweenTheWindowsEffects) {
    pressSetareMod(workedExample);
    pressStartSimulation();
    pressSetareMod(workedExample, notingEffects);
    EXPECT_EQ(effectsSeen,
              (std::vector<std::string>{"validity valid started=1 ready=1", "console started=0 ready=1",
                                        "repaint started=0 ready=0"}));
}

TEST_F(DialogButtons, StartSimulationRunsAndSetsTheFlagsBetweenTheWindowsEffects) {
    DialogFields random = workedExample;
    random.mode = toInt(WorkMode::RandomSequence);
    random.iterations = "50";
    pressSetareMod(random);
    EXPECT_EQ(cacheConfig.configErrors, 0u);
    pressStartSimulation(notingEffects);
    EXPECT_EQ(simulationState.simulationStep, 100);
    EXPECT_EQ(effectsSeen,
              (std::vector<std::string>{"run finished started=1 ready=0", "console started=1 ready=0",
                                        "repaint started=1 ready=1"}));
    effectsSeen.clear();
    pressSetareMod(random, notingEffects);
    EXPECT_EQ(effectsSeen.front(), "validity valid random started=1 ready=1");
}

TEST_F(DialogButtons, InvalidFieldsAreShownAsInvalid) {
    pressSetareMod(DialogFields{}, notingEffects);
    EXPECT_EQ(cacheConfig.configErrors, 0x4fu);
    EXPECT_EQ(effectsSeen.front(), "validity invalid started=0 ready=0");
}

TEST_F(DialogButtons, RegenerateAndExitForgetWhatTheNextRunWouldKeep) {
    pressSetareMod(workedExample);
    pressStartSimulation();
    pressStartSimulation();
    EXPECT_EQ(simulationState.simulationStep, 2);
    EXPECT_EQ(simulationState.regenerateRandomSequence, 1); // no random sequence drawn yet
    pressExit();
    pressStartSimulation();
    EXPECT_EQ(simulationState.simulationStep, 1);
    simulationState.regenerateRandomSequence = 0;
    pressRegenerateSequence();
    EXPECT_EQ(simulationState.regenerateRandomSequence, 1);
}

// Choosing "individual" clears the stored iteration count at once; the next "Setare mod" reads the field
// again.
TEST_F(DialogButtons, ChoosingIndividualClearsTheStoredIterationCount) {
    pressSetareMod(DialogFields{.iterations = "7", .mode = toInt(WorkMode::GivenSequence)});
    ASSERT_EQ(cacheConfig.iterationCount, 7);
    selectWorkMode(toInt(WorkMode::RandomSequence));
    selectWorkMode(noSelection);
    EXPECT_EQ(cacheConfig.iterationCount, 7);
    selectWorkMode(toInt(WorkMode::Individual));
    EXPECT_EQ(cacheConfig.iterationCount, 0);
    pressSetareMod(DialogFields{.iterations = "7", .mode = toInt(WorkMode::Individual)});
    EXPECT_EQ(cacheConfig.iterationCount, 7);
}

} // namespace
