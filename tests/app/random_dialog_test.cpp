// Thousands of random user actions on the Configuration dialog and the menu. After each one the dialog's
// invariants must hold, and after each "Setare mod" and START SIMULARE the console shows the report of the
// records at that moment.

#include "app_fixture.h"
#include "config/cache_config.h"
#include "resources/resource_ids.h"
#include "windows/shell_state.h"

#include <array>
#include <random>
#include <string>

namespace {

using RandomDialog = Application;

class RandomUser {
  public:
    explicit RandomUser(std::uint32_t seed) : generator_(seed) {}

    std::uint32_t below(std::uint32_t limit) { return static_cast<std::uint32_t>(generator_() % limit); }

    // Texts a user could type or paste: empty, not digits, huge, at the limits, and the admissible values.
    std::wstring fieldText() {
        static const std::array<const wchar_t*, 24> texts{
            L"",     L"0",          L"1",          L"2",          L"4",          L"8",
            L"10",   L"16",         L"64",         L"100",        L"128",        L"1024",
            L"4096", L"65536",      L"101",        L"12a",        L"-1",         L" 7",
            L"abc",  L"2147483647", L"2147483648", L"4294967295", L"4294967296", L"99999999999999999999"};
        if (below(4) == 0) {
            return std::to_wstring(generator_());
        }
        return texts[below(static_cast<std::uint32_t>(texts.size()))];
    }

  private:
    std::mt19937 generator_;
};

int randomField(RandomUser& user) {
    static const std::array<int, 15> fields{
        IDC_RAM_SIZE,  IDC_CACHE_SIZE, IDC_BLOCK_SIZE, IDC_SET_COUNT, IDC_ITERATION_COUNT,
        IDC_ADDRESS_0, IDC_ADDRESS_1,  IDC_ADDRESS_2,  IDC_ADDRESS_3, IDC_ADDRESS_4,
        IDC_ADDRESS_5, IDC_ADDRESS_6,  IDC_ADDRESS_7,  IDC_ADDRESS_8, IDC_ADDRESS_9};
    return fields[user.below(static_cast<std::uint32_t>(fields.size()))];
}

int randomList(RandomUser& user) {
    static const std::array<int, 3> lists{IDC_MAPPING_LIST, IDC_POLICY_LIST, IDC_WORK_MODE_LIST};
    return lists[user.below(3)];
}

TEST_F(RandomDialog, InvariantsHoldUnderRandomActions) {
    RandomUser user(20261208);
    bool startExpected = false; // the last "Setare mod" validated and no run has followed
    int checkedReports = 0;
    for (int action = 0; action < 3000; ++action) {
        if (configDialogCreated == 0) {
            openConfigurationDialog();
            startExpected = false;
        }
        switch (user.below(16)) {
        case 0:
        case 1:
        case 2:
        case 3:
            if (const int field = randomField(user); isEnabled(field)) {
                typeInto(field, user.fieldText().c_str());
            }
            break;
        case 4:
        case 5:
        case 6:
            choose(randomList(user), static_cast<int>(user.below(4)) - 1);
            break;
        case 7:
            focusList(IDC_MAPPING_LIST);
            break;
        case 8:
        case 9:
            press(IDOK);
            startExpected = cacheConfig.configErrors == 0;
            ASSERT_EQ(consoleLines(), reportLines()) << "after Setare mod, action " << action;
            ++checkedReports;
            break;
        case 10:
        case 11:
            if (isEnabled(IDC_START_SIMULATION)) {
                press(IDC_START_SIMULATION);
                startExpected = false;
                ASSERT_EQ(consoleLines(), reportLines()) << "after START SIMULARE, action " << action;
                ++checkedReports;
            }
            break;
        case 12:
            if (isEnabled(IDC_REGENERATE_SEQUENCE)) {
                press(IDC_REGENERATE_SEQUENCE);
            }
            break;
        case 13:
            sendCommand(user.below(2) == 0 ? IDM_CONSOLE_STATUS : IDM_CONSOLE_CLOSE);
            break;
        case 14:
            sendCommand(user.below(2) == 0 ? IDM_HELP : IDM_CONFIGURATION_INPUT);
            break;
        default:
            if (user.below(8) == 0) {
                press(IDCANCEL);
                continue;
            }
            break;
        }
        ASSERT_EQ(isEnabled(IDC_START_SIMULATION), startExpected) << "action " << action;
        ASSERT_TRUE(cacheConfig.cacheBlockCount >= 0 && cacheConfig.cacheBlockCount <= 16);
    }
    EXPECT_GT(checkedReports, 300);
}

} // namespace
