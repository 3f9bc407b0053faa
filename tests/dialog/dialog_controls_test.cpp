#include "config/cache_config.h"
#include "dialog/dialog_controls.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int32_t associative = toInt(MappingMethod::Associative);
constexpr std::int32_t setAssociative = toInt(MappingMethod::SetAssociative);
constexpr std::int32_t direct = toInt(MappingMethod::Direct);
constexpr std::int32_t individual = toInt(WorkMode::Individual);
constexpr std::int32_t randomSequence = toInt(WorkMode::RandomSequence);
constexpr std::int32_t givenSequence = toInt(WorkMode::GivenSequence);

int enabledAddressFields(const DialogControls& controls) {
    int enabled = 0;
    for (bool field : controls.addressFields) {
        enabled += field ? 1 : 0;
    }
    return enabled;
}

TEST(DialogControls, ANewDialogEnablesOnlyTheControlsThatAreAlwaysEnabled) {
    const DialogControls opened = dialogOpened();
    EXPECT_FALSE(opened.setCountField || opened.policyList || opened.iterationField ||
                 opened.startSimulation || opened.regenerateSequence);
    EXPECT_EQ(enabledAddressFields(opened), 0);
}

// Merely giving the mapping list the focus enables the policy list; only a change of selection moves the sets
// field.
TEST(DialogControls, MappingListNotifications) {
    const DialogControls focused = afterMappingNotification(dialogOpened(), noSelection, false);
    EXPECT_TRUE(focused.policyList);
    EXPECT_FALSE(focused.setCountField);

    const DialogControls directChosen = afterMappingNotification(focused, direct, true);
    EXPECT_FALSE(directChosen.policyList);
    const DialogControls setsChosen = afterMappingNotification(directChosen, setAssociative, true);
    EXPECT_TRUE(setsChosen.setCountField);
    EXPECT_TRUE(setsChosen.policyList);
    // A focus notification with another item shown leaves the sets field; a change of selection disables it.
    EXPECT_TRUE(afterMappingNotification(setsChosen, associative, false).setCountField);
    EXPECT_FALSE(afterMappingNotification(setsChosen, associative, true).setCountField);
    EXPECT_FALSE(afterMappingNotification(setsChosen, direct, false).policyList);
}

TEST(DialogControls, WorkModeSelectionEnablesTheFieldsTheModeUses) {
    DialogControls start = dialogOpened();
    start.regenerateSequence = true;
    start.startSimulation = true;

    const DialogControls one = afterWorkModeSelection(start, individual);
    EXPECT_TRUE(one.addressFields[0]);
    EXPECT_EQ(enabledAddressFields(one), 1);
    EXPECT_FALSE(one.iterationField);
    EXPECT_FALSE(one.regenerateSequence);
    EXPECT_TRUE(one.startSimulation); // untouched

    const DialogControls random = afterWorkModeSelection(one, randomSequence);
    EXPECT_EQ(enabledAddressFields(random), 0);
    EXPECT_TRUE(random.iterationField);

    const DialogControls given = afterWorkModeSelection(random, givenSequence);
    EXPECT_EQ(enabledAddressFields(given), 10);
    EXPECT_TRUE(given.iterationField);

    EXPECT_EQ(afterWorkModeSelection(given, noSelection), given);
}

// START SIMULARE follows validation; "Reinit. secv.aleatoare" only comes on with a valid random sequence and
// a failure leaves it as it was.
TEST(DialogControls, SetareModStartAndRegenerate) {
    const DialogControls invalid = afterSetareMod(dialogOpened(), false, true);
    EXPECT_FALSE(invalid.startSimulation);
    EXPECT_FALSE(invalid.regenerateSequence);

    const DialogControls validRandom = afterSetareMod(invalid, true, true);
    EXPECT_TRUE(validRandom.startSimulation);
    EXPECT_TRUE(validRandom.regenerateSequence);
    EXPECT_TRUE(afterSetareMod(validRandom, false, false).regenerateSequence);
    EXPECT_FALSE(afterSetareMod(validRandom, false, false).startSimulation);
    EXPECT_FALSE(afterSetareMod(dialogOpened(), true, false).regenerateSequence);

    const DialogControls ran = afterStartSimulation(validRandom);
    EXPECT_FALSE(ran.startSimulation);
    EXPECT_TRUE(ran.regenerateSequence);
    EXPECT_FALSE(afterRegenerateSequence(ran).regenerateSequence);
    EXPECT_TRUE(afterSetareMod(ran, true, false).startSimulation); // the same values again enable it again
}

} // namespace
