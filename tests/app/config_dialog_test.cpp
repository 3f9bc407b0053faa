#include "app_fixture.h"
#include "config/cache_config.h"
#include "config/choice_names.h"
#include "engine/simulation_state.h"
#include "resources/resource_ids.h"
#include "windows/shell_state.h"

#include <map>
#include <span>
#include <string>

namespace {

class ConfigDialog : public Application {
  protected:
    void SetUp() override {
        Application::SetUp();
        openConfigurationDialog();
    }
};

// Which controls can be edited, by id.
std::map<int, bool> enabledControls() {
    std::map<int, bool> enabled;
    for (int id : {IDOK, IDCANCEL, IDC_START_SIMULATION, IDC_REGENERATE_SEQUENCE, IDC_RAM_SIZE,
                   IDC_CACHE_SIZE, IDC_BLOCK_SIZE, IDC_SET_COUNT, IDC_ITERATION_COUNT, IDC_MAPPING_LIST,
                   IDC_POLICY_LIST, IDC_WORK_MODE_LIST}) {
        enabled[id] = isEnabled(id);
    }
    for (int id : addressFieldIds) {
        enabled[id] = isEnabled(id);
    }
    return enabled;
}

TEST_F(ConfigDialog, NewDialogEnablesOnlySizesListsAndItsTwoButtons) {
    std::map<int, bool> expected;
    for (const auto& [id, enabled] : enabledControls()) {
        expected[id] = false;
    }
    for (int id : {IDOK, IDCANCEL, IDC_RAM_SIZE, IDC_CACHE_SIZE, IDC_BLOCK_SIZE, IDC_MAPPING_LIST,
                   IDC_WORK_MODE_LIST}) {
        expected[id] = true;
    }
    EXPECT_EQ(enabledControls(), expected);
    for (int id : {IDC_RAM_SIZE, IDC_CACHE_SIZE, IDC_BLOCK_SIZE, IDC_SET_COUNT, IDC_ITERATION_COUNT,
                   IDC_ADDRESS_0, IDC_ADDRESS_9}) {
        EXPECT_EQ(fieldText(id), L"0") << id;
    }
}

TEST_F(ConfigDialog, ListsOfferTheirItemsSortedWithoutASelection) {
    const auto item = [](int listId, int index) {
        wchar_t text[32] = {};
        SendDlgItemMessageW(configDialog, listId, CB_GETLBTEXT, static_cast<WPARAM>(index),
                            reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    EXPECT_EQ(item(IDC_MAPPING_LIST, toInt(MappingMethod::Associative)), L"asociativa");
    EXPECT_EQ(item(IDC_MAPPING_LIST, toInt(MappingMethod::SetAssociative)), L"asociativa pe seturi");
    EXPECT_EQ(item(IDC_MAPPING_LIST, toInt(MappingMethod::Direct)), L"directa");
    EXPECT_EQ(item(IDC_POLICY_LIST, 1), L"LRU");
    EXPECT_EQ(item(IDC_WORK_MODE_LIST, toInt(WorkMode::RandomSequence)), L"secventa aleatoare");
    EXPECT_EQ(item(IDC_WORK_MODE_LIST, toInt(WorkMode::GivenSequence)), L"secventa data");
    for (int list : {IDC_MAPPING_LIST, IDC_POLICY_LIST, IDC_WORK_MODE_LIST}) {
        EXPECT_EQ(SendDlgItemMessageW(configDialog, list, CB_GETCURSEL, 0, 0), CB_ERR);
    }
}

TEST_F(ConfigDialog, MappingListSwitchesThePolicyListAndTheSetsField) {
    focusList(IDC_MAPPING_LIST);
    EXPECT_TRUE(isEnabled(IDC_POLICY_LIST)) << "merely focusing the list enables the policy list";
    EXPECT_FALSE(isEnabled(IDC_SET_COUNT));
    choose(IDC_MAPPING_LIST, toInt(MappingMethod::Direct));
    EXPECT_FALSE(isEnabled(IDC_POLICY_LIST));
    EXPECT_FALSE(isEnabled(IDC_SET_COUNT));
    choose(IDC_MAPPING_LIST, toInt(MappingMethod::SetAssociative));
    EXPECT_TRUE(isEnabled(IDC_POLICY_LIST));
    EXPECT_TRUE(isEnabled(IDC_SET_COUNT));
    choose(IDC_MAPPING_LIST, toInt(MappingMethod::Associative));
    EXPECT_TRUE(isEnabled(IDC_POLICY_LIST));
    EXPECT_FALSE(isEnabled(IDC_SET_COUNT));
}

TEST_F(ConfigDialog, WorkModeListSwitchesTheAddressAndIterationFields) {
    struct Expected {
        int mode;
        bool firstAddress, otherAddresses, iterations;
    };
    for (const Expected& e : {Expected{toInt(WorkMode::GivenSequence), true, true, true},
                              Expected{toInt(WorkMode::Individual), true, false, false},
                              Expected{toInt(WorkMode::RandomSequence), false, false, true}}) {
        choose(IDC_WORK_MODE_LIST, e.mode);
        EXPECT_EQ(isEnabled(IDC_ADDRESS_0), e.firstAddress) << e.mode;
        for (int id : std::span(addressFieldIds).subspan(1)) {
            EXPECT_EQ(isEnabled(id), e.otherAddresses) << e.mode << " field " << id;
        }
        EXPECT_EQ(isEnabled(IDC_ITERATION_COUNT), e.iterations) << e.mode;
        EXPECT_FALSE(isEnabled(IDC_REGENERATE_SEQUENCE));
    }
}

TEST_F(ConfigDialog, ChoosingIndividualClearsTheIterationCountButSetareModReadsTheField) {
    choose(IDC_WORK_MODE_LIST, toInt(WorkMode::GivenSequence));
    typeInto(IDC_ITERATION_COUNT, L"7");
    press(IDOK);
    EXPECT_EQ(cacheConfig.iterationCount, 7);
    choose(IDC_WORK_MODE_LIST, toInt(WorkMode::Individual));
    EXPECT_EQ(cacheConfig.iterationCount, 0);
    press(IDOK);
    EXPECT_EQ(cacheConfig.iterationCount, 7);
}

TEST_F(ConfigDialog, SetareModOnANewDialogReportsFiveErrors) {
    press(IDOK);
    EXPECT_EQ(cacheConfig.configErrors, 0x4Fu);
    EXPECT_EQ(cacheConfig.mappingMethod, MappingMethod{noSelection});
    EXPECT_EQ(cacheConfig.workMode, WorkMode{noSelection});
    EXPECT_FALSE(isEnabled(IDC_START_SIMULATION));
    EXPECT_EQ(simulationStarted, 0);
    EXPECT_EQ(resultsReady, 0);
    const std::vector<std::string> lines = consoleLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "Configurare nevalida");
    EXPECT_EQ(lines, reportLines());
}

TEST_F(ConfigDialog, StartIsEnabledOnlyBetweenAValidSetareModAndTheRun) {
    typeWorkedExample();
    press(IDOK);
    EXPECT_EQ(cacheConfig.configErrors, 0u);
    EXPECT_TRUE(isEnabled(IDC_START_SIMULATION));
    EXPECT_FALSE(isEnabled(IDC_REGENERATE_SEQUENCE));
    EXPECT_EQ(consoleLines(), (std::vector<std::string>{"Configurare valida", "Apasa START SIMULARE"}));

    press(IDC_START_SIMULATION);
    EXPECT_FALSE(isEnabled(IDC_START_SIMULATION));
    EXPECT_EQ(simulationStarted, 1);
    EXPECT_EQ(resultsReady, 1);
    EXPECT_EQ(simulationState.simulationStep, 1);
    EXPECT_EQ(consoleLines(), reportLines());
    EXPECT_EQ(consoleLines().back(), "Cache miss !");

    press(IDOK);
    EXPECT_TRUE(isEnabled(IDC_START_SIMULATION));
    press(IDC_START_SIMULATION);
    EXPECT_EQ(consoleLines().back(), "Cache hit !");

    typeInto(IDC_RAM_SIZE, L"3");
    press(IDOK);
    EXPECT_FALSE(isEnabled(IDC_START_SIMULATION));
    EXPECT_EQ(cacheConfig.configErrors, 0x1u);
}

TEST_F(ConfigDialog, SetareModStoresTheSelectedTextsAndUnreadableAddresses) {
    typeWorkedExample();
    choose(IDC_MAPPING_LIST, toInt(MappingMethod::SetAssociative));
    choose(IDC_POLICY_LIST, 1);
    typeInto(IDC_ADDRESS_4, L"");
    typeInto(IDC_RAM_SIZE, L"4294967295");
    press(IDOK);
    EXPECT_STREQ(mappingMethodName, L"asociativa pe seturi");
    EXPECT_STREQ(replacementPolicyName, L"LRU");
    EXPECT_STREQ(workModeName, L"individual");
    EXPECT_EQ(cacheConfig.ramSizeMb, -1);
    EXPECT_EQ(cacheConfig.addressEntered[4], 0);
    EXPECT_EQ(cacheConfig.addressEntered[3], 1);
    EXPECT_TRUE(cacheConfig.configErrors & 0x200000u);
}

TEST_F(ConfigDialog, SetareModReadsEachFieldsWholeTextHoweverLong) {
    typeWorkedExample();
    typeInto(IDC_RAM_SIZE, (std::wstring(63, L'0') + L"5").c_str());
    typeInto(IDC_ADDRESS_0, (std::wstring(60, L'0') + L"4294967296").c_str());
    press(IDOK);
    EXPECT_EQ(cacheConfig.ramSizeMb, 5);
    EXPECT_EQ(cacheConfig.addressEntered[0], 0) << "4294967296 is above the largest address";
    EXPECT_EQ(cacheConfig.addressSequence[0], 0u);
    EXPECT_TRUE(cacheConfig.configErrors & 0x200000u);
}

TEST_F(ConfigDialog, RegenerateButtonFollowsAValidRandomSetareMod) {
    typeWorkedExample();
    choose(IDC_WORK_MODE_LIST, toInt(WorkMode::RandomSequence));
    typeInto(IDC_ITERATION_COUNT, L"50");
    press(IDOK);
    EXPECT_TRUE(isEnabled(IDC_REGENERATE_SEQUENCE));
    press(IDC_START_SIMULATION);
    EXPECT_EQ(simulationState.regenerateRandomSequence, 0);
    press(IDC_REGENERATE_SEQUENCE);
    EXPECT_EQ(simulationState.regenerateRandomSequence, 1);
    EXPECT_FALSE(isEnabled(IDC_REGENERATE_SEQUENCE));

    press(IDOK);
    EXPECT_TRUE(isEnabled(IDC_REGENERATE_SEQUENCE));
    choose(IDC_WORK_MODE_LIST, toInt(WorkMode::RandomSequence));
    EXPECT_FALSE(isEnabled(IDC_REGENERATE_SEQUENCE)) << "any later choice of work mode disables it";
    typeInto(IDC_RAM_SIZE, L"0");
    press(IDOK);
    EXPECT_FALSE(isEnabled(IDC_REGENERATE_SEQUENCE));
}

} // namespace

void typeWorkedExample() {
    typeInto(IDC_RAM_SIZE, L"1");
    typeInto(IDC_CACHE_SIZE, L"16");
    typeInto(IDC_BLOCK_SIZE, L"1024");
    choose(IDC_MAPPING_LIST, toInt(MappingMethod::Direct));
    choose(IDC_WORK_MODE_LIST, toInt(WorkMode::Individual));
    typeInto(IDC_ADDRESS_0, L"74565");
}
