#include "exercise/kept_records.h"

#include "config/choice_names.h"
#include "core_state.h"
#include "dialog/dialog_buttons.h"
#include "engine/miss_kinds.h"
#include "engine/simulation_state.h"
#include "exercise/exercise_sheet.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <memory>

namespace {

class KeptRecordsTest : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

// Everything a run through the dialog's buttons writes, as it stands.
struct Records {
    CacheConfig config = cacheConfig;
    std::int32_t started = simulationStarted;
    std::int32_t ready = resultsReady;
    SimulationState state = simulationState;
    std::array<MissKind, stepCapacity> kinds = missKinds.kind;
    std::vector<std::uint32_t> accessedBlocks = missKinds.history.accessedBlocks;
    std::wstring names = std::wstring(mappingMethodName) + L"|" + replacementPolicyName + L"|" + workModeName;

    bool operator==(const Records&) const = default;
};

// A user's individual run continues on its cache after exercises ran in between, and the report, the name
// buffers and every flag are as the user's run left them.
TEST_F(KeptRecordsTest, ExercisesRunBesideTheUsersRunLeaveItsRecordsAsTheyWere) {
    runWith({.mapping = MappingMethod::SetAssociative, .policy = ReplacementPolicy::Lru, .sets = 2}, {74565});
    const auto before = std::make_unique<Records>();
    const std::string report = reportText();
    {
        const KeptRecords kept;
        printedText([](std::FILE* out) { writeExerciseSheets(out, 7, 5, {true, SheetFormat::Text}); });
        EXPECT_NE(*before, Records{}) << "the sheets ran in the records";
    }
    EXPECT_EQ(*before, Records{});
    EXPECT_EQ(reportText(), report);

    pressSetareMod(dialogFieldsFor(
        {.mapping = MappingMethod::SetAssociative, .policy = ReplacementPolicy::Lru, .sets = 2}));
    pressStartSimulation();
    EXPECT_EQ(simulationState.simulationStep, 2) << "the user's next run continues on the same cache";
}

} // namespace
