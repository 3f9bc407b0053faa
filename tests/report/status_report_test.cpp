#include "report/status_report.h"

#include "config/choice_names.h"
#include "config/validation.h"
#include "core_state.h"
#include "engine/simulation_state.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class StatusReport : public ::testing::Test {
  protected:
    void SetUp() override { startFromStartup(); }
};

const std::string separator = "=====================================\n";

std::string workedReport(int step, const char* outcome) {
    return separator + "Simulator metode de mapare\na memoriei cache\n" + separator +
           "Dimensiune RAM: 1 (Mo)\n"
           "Dimensiune Cache: 16 (ko)\n"
           "Dimensiune Bloc: 1024 (o)\n"
           "Metoda de mapare: directa\n"
           "Mod de lucru: individual\n"
           "Adresa RAM :\n"
           "74565 (12345) \n" +
           separator +
           "START SIMULARE\n"
           "Numar de blocuri in cache: 16\n"
           "Mapare directa\n"
           "Pas simulare = " +
           std::to_string(step) +
           "\n"
           "Numar de biti adresa virtuala: 20\n"
           "Numar de biti cuvint: 10\n"
           "Numar de biti bloc: 4\n"
           "Numar de biti tag: 6\n"
           "Cuvint = 837 (345)\n"
           "Bloc = 8 (8)\n"
           "Tag = 4 (4)\n"
           "Bloc RAM = 72 (48)\n" +
           outcome;
}

TEST_F(StatusReport, BeforeAnyConfigurationPromptsToStart) {
    EXPECT_EQ(reportText(), "Configurare valida\nApasa START SIMULARE\n");
}

TEST_F(StatusReport, WorkedIndividualRunMissesThenHits) {
    runWith({.mapping = MappingMethod::Direct}, {74565});
    EXPECT_EQ(reportText(), workedReport(1, "Cache miss !\n"));
    runWith({.mapping = MappingMethod::Direct}, {74565});
    EXPECT_EQ(reportText(), workedReport(2, "Cache hit !\n"));
}

TEST_F(StatusReport, ValidButNotStartedPrompts) {
    applySetup({.mapping = MappingMethod::Direct});
    validateConfiguration();
    EXPECT_EQ(reportText(), "Configurare valida\nApasa START SIMULARE\n");
}

// A record for which every error bit has its message: a positive block size, address fields 4 and 6 unread.
void recordEveryKindOfFault() {
    CacheConfig& config = cacheConfig;
    config.ramSizeMb = 4096;
    config.cacheSizeKb = 1;
    config.blockSizeBytes = 128;
    config.setCount = 9;
    config.iterationCount = -3;
    config.addressSequence[2] = 4294967295u;
    config.addressSequence[9] = 7;
    config.addressEntered.fill(1);
    config.addressEntered[4] = 0;
    config.addressEntered[6] = 0;
}

constexpr std::uint32_t everyErrorBit = 0x7fffffu;

TEST_F(StatusReport, ListsEveryErrorInTableOrder) {
    recordEveryKindOfFault();
    cacheConfig.configErrors = everyErrorBit & ~(0x800u << 1); // every kind, all address bits but field 1's
    const std::string expected = separator + "Configurare nevalida\n" + separator +
                                 "Dimensiune RAM = 4096 Mo incorecta \n"
                                 "Dimensiune cache = 1 ko incorecta \n"
                                 "Dimensiune bloc = 128 o incorecta \n"
                                 "Introduceti metoda de mapare \n"
                                 "Introduceti politica de reamplasare \n"
                                 "Numar de seturi = 9 incorect \n"
                                 "Introduceti mod de lucru \n"
                                 "Numar de iteratii = -3 incorect \n"
                                 "Numar de blocuri in cache = 8 incorect \n"
                                 "Numar de blocuri in cache mai mic \ndecit numarul de seturi \n"
                                 "Dimensiune RAM prea mica\nin raport cu dimensiunea cache \n"
                                 "Adresa RAM [0] prea mare (0) \n"
                                 "Adresa RAM [2] prea mare (4294967295) \n"
                                 "Adresa RAM [3] prea mare (0) \n"
                                 "Adresa RAM [4] prea mare (0) \n"
                                 "Adresa RAM [5] prea mare (0) \n"
                                 "Adresa RAM [6] prea mare (0) \n"
                                 "Adresa RAM [7] prea mare (0) \n"
                                 "Adresa RAM [8] prea mare (0) \n"
                                 "Adresa RAM [9] prea mare (7) \n"
                                 "Adresa RAM [4] - peste limita maxima a RAM \n"
                                 "Adresa RAM [6] - peste limita maxima a RAM \n"
                                 "Numar de blocuri in RAM = 33554432 incorect \n";
    EXPECT_EQ(reportText(), expected);
}

TEST_F(StatusReport, TheFirstErrorIsTheMessageOfTheLowestBitAsTheListWritesIt) {
    recordEveryKindOfFault();
    const std::string heading = separator + "Configurare nevalida\n" + separator;
    for (int bit = 0; bit < 23; ++bit) {
        cacheConfig.configErrors = std::uint32_t{1} << bit;
        const std::string alone = reportText();
        cacheConfig.configErrors = everyErrorBit >> bit << bit; // this bit and every later one
        const std::string first = printedText(printFirstConfigurationError);
        EXPECT_FALSE(first.empty()) << "bit " << bit;
        EXPECT_EQ(heading + first, alone) << "bit " << bit;
        EXPECT_TRUE(reportText().starts_with(heading + first)) << "bit " << bit;
    }
}

TEST_F(StatusReport, TheFirstErrorKeepsTheLinesOfItsMessage) {
    recordEveryKindOfFault();
    cacheConfig.configErrors = RamTooSmallForCache | FewerBlocksThanSets | RamBlockCountInvalid;
    EXPECT_EQ(printedText(printFirstConfigurationError),
              "Numar de blocuri in cache mai mic \ndecit numarul de seturi \n");
    // One bit for every unread field: its message names them all.
    cacheConfig.configErrors = AddressNotNumber | RamBlockCountInvalid;
    EXPECT_EQ(printedText(printFirstConfigurationError),
              "Adresa RAM [4] - peste limita maxima a RAM \nAdresa RAM [6] - peste limita maxima a RAM \n");
    cacheConfig.configErrors = 0;
    EXPECT_EQ(printedText(printFirstConfigurationError), "");
}

TEST_F(StatusReport, BlockCountMessagesNeedAPositiveBlockSize) {
    cacheConfig.blockSizeBytes = 0;
    cacheConfig.configErrors = CacheBlockCountInvalid | RamBlockCountInvalid;
    EXPECT_EQ(reportText(), separator + "Configurare nevalida\n" + separator);
}

TEST_F(StatusReport, RamBlockCountTakesTheQuotientFirst) {
    cacheConfig.configErrors = RamBlockCountInvalid;
    cacheConfig.ramSizeMb = 4096;
    cacheConfig.blockSizeBytes = 4096;
    EXPECT_NE(reportText().find("Numar de blocuri in RAM = 1048576 incorect \n"), std::string::npos);
    cacheConfig.ramSizeMb = 100;
    cacheConfig.blockSizeBytes = 128;
    EXPECT_NE(reportText().find("Numar de blocuri in RAM = 0 incorect \n"), std::string::npos);
}

TEST_F(StatusReport, OnlySetAssociativeRunsPrintTheSetCountAndOnlyDirectOmitsThePolicy) {
    runWith({.mapping = MappingMethod::Direct}, {74565});
    std::string text = reportText();
    EXPECT_EQ(text.find("Metoda de reamplasare"), std::string::npos);
    EXPECT_EQ(text.find("Numar de seturi"), std::string::npos);

    runWith({.mapping = MappingMethod::Associative, .policy = ReplacementPolicy::Lru}, {74565});
    text = reportText();
    EXPECT_NE(text.find("Metoda de reamplasare: LRU\nMod de lucru: individual\n"), std::string::npos);
    EXPECT_EQ(text.find("Numar de seturi"), std::string::npos);
    EXPECT_NE(text.find("Numar de biti tag: 10\nCuvint = 837 (345)\nTag = 72 (48)\nBloc RAM = 72 (48)\n"),
              std::string::npos);

    runWith({.mapping = MappingMethod::SetAssociative, .sets = 4}, {74565});
    text = reportText();
    EXPECT_NE(text.find("Metoda de mapare: asociativa pe seturi\nNumar de seturi: 4\n"
                        "Metoda de reamplasare: FIFO\n"),
              std::string::npos);
    EXPECT_NE(text.find("Numar de biti set: 2\nNumar de biti tag: 8\nCuvint = 837 (345)\nSet = 0 (0)\n"
                        "Tag = 18 (12)\n"),
              std::string::npos);
}

TEST_F(StatusReport, GivenSequenceRunOnceTracesEveryStep) {
    runWith({.ramMb = 4096,
             .cacheKb = 1024,
             .blockBytes = 65536,
             .mapping = MappingMethod::Direct,
             .mode = WorkMode::GivenSequence,
             .iterations = 1},
            {4294967295u, 4294967295u, 0, 0, 0, 0, 0, 0, 0, 65536});
    const std::string text = reportText();
    EXPECT_NE(text.find("Secventa de adrese RAM :\n4294967295 (ffffffff) \n4294967295 (ffffffff) \n0 (0) \n"),
              std::string::npos);
    EXPECT_NE(text.find("Numar de iteratii: 1\n" + separator + "START SIMULARE\n"), std::string::npos);
    EXPECT_NE(text.find("Secventa data\nMapare directa\nNumar de biti adresa virtuala: 32\n"),
              std::string::npos);
    EXPECT_NE(text.find("Pasul 0______________\n4294967295 (ffffffff) \nCuvint = 65535 (ffff)\n"
                        "Bloc = 15 (f)\nTag = 4095 (fff)\nBloc RAM = 65535 (ffff)\nPasul 0 - Cache miss !\n"
                        "Pasul 1______________\n"),
              std::string::npos);
    EXPECT_NE(text.find("Pasul 1 - Cache hit !\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("Pasul 9______________\n65536 (10000) \nCuvint = 0 (0)\nBloc = 1 (1)\n"
                               "Tag = 0 (0)\nBloc RAM = 1 (1)\nPasul 9 - Cache miss !\n"));
}

TEST_F(StatusReport, RepeatedGivenSequenceEndsAfterItsHeading) {
    runWith({.mapping = MappingMethod::Direct, .mode = WorkMode::GivenSequence, .iterations = 3}, {});
    EXPECT_TRUE(reportText().ends_with("Numar de blocuri in cache: 16\nSecventa data\n"));
}

TEST_F(StatusReport, RandomSequenceListsAllHundredAddresses) {
    runWith({.mapping = MappingMethod::Direct, .mode = WorkMode::RandomSequence, .iterations = 10}, {});
    const std::string text = reportText();
    const std::string heading = "Secventa aleatoare\n";
    const std::size_t listStart = text.find(heading) + heading.size();
    std::string expectedList;
    for (std::uint32_t address : simulationState.randomSequence) {
        char line[40];
        std::snprintf(line, sizeof line, "%u (%x) \n", address, address);
        expectedList += line;
    }
    EXPECT_EQ(text.substr(listStart), expectedList);
    EXPECT_NE(text.find("Mod de lucru: secventa aleatoare\nNumar de iteratii: 10\n"), std::string::npos);
}

TEST_F(StatusReport, OnlyExactOutcomesArePrinted) {
    runWith({.mapping = MappingMethod::Direct}, {74565});
    simulationState.missFlag[0] = 0.5;
    EXPECT_TRUE(reportText().ends_with("Bloc RAM = 72 (48)\n"));
}

TEST_F(StatusReport, ChangesNoRecord) {
    runWith({.mapping = MappingMethod::SetAssociative, .sets = 2}, {74565});
    const CacheConfig config = cacheConfig;
    const SimulationState state = simulationState;
    reportText();
    EXPECT_TRUE(config == cacheConfig);
    EXPECT_TRUE(state == simulationState);
}

} // namespace
