// tarvel_cache_text run as its own process: what reaches standard output and standard error, and the exit
// code.

#include "language/language_checks.h"
#include "text_lines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

Outcome runTextFrontEnd(const std::string& arguments) {
    // Named by the test's process, so that test runs side by side never read each other's output.
    const std::string stem = testing::TempDir() + "text_front_end." + std::to_string(getpid());
    const std::string outPath = stem + ".out";
    const std::string errPath = stem + ".err";
    const std::string command =
        std::string(TEXT_FRONT_END_PATH) + " " + arguments + " >" + outPath + " 2>" + errPath;
    const int status = std::system(command.c_str());
    Outcome outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(outPath), readFile(errPath)};
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return outcome;
}

const std::string separator = "=====================================\n";
const std::string workedExample =
    "--ram 1 --cache 16 --block 1024 --mapping directa --mode individual --address 74565";

TEST(TextFrontEnd, WorkedExamplePrintsTheFullReport) {
    const Outcome outcome = runTextFrontEnd(workedExample);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out,
              separator + "Simulator metode de mapare\na memoriei cache\n" + separator +
                  "Dimensiune RAM: 1 (Mo)\nDimensiune Cache: 16 (ko)\nDimensiune Bloc: 1024 (o)\n"
                  "Metoda de mapare: directa\nMod de lucru: individual\nAdresa RAM :\n"
                  "74565 (12345) \n" +
                  separator +
                  "START SIMULARE\nNumar de blocuri in cache: 16\nMapare directa\n"
                  "Pas simulare = 1\nNumar de biti adresa virtuala: 20\nNumar de biti cuvint: 10\n"
                  "Numar de biti bloc: 4\nNumar de biti tag: 6\nCuvint = 837 (345)\n"
                  "Bloc = 8 (8)\nTag = 4 (4)\nBloc RAM = 72 (48)\nCache miss !\n");
}

TEST(TextFrontEnd, SuccessiveIndividualRunsContinueOnTheSameCache) {
    const Outcome outcome = runTextFrontEnd(workedExample + " --then --address 5000 --then --address 74565");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_NE(outcome.out.find("Pas simulare = 3\n"), std::string::npos);
    EXPECT_TRUE(outcome.out.ends_with("Cache hit !\n"));

    const Outcome each = runTextFrontEnd(workedExample + " --runs 2 --each");
    EXPECT_NE(each.out.find("Pas simulare = 1\n"), std::string::npos);
    EXPECT_TRUE(
        each.out.ends_with("Pas simulare = 2\nNumar de biti adresa virtuala: 20\nNumar de biti cuvint: "
                           "10\nNumar de biti bloc: 4\nNumar de biti tag: 6\nCuvint = 837 (345)\n"
                           "Bloc = 8 (8)\nTag = 4 (4)\nBloc RAM = 72 (48)\nCache hit !\n"));
}

TEST(TextFrontEnd, ANewBlockSizeBetweenIndividualRunsStartsAgainFromAnEmptyCache) {
    const Outcome outcome = runTextFrontEnd("--each --ram 1 --cache 16 --block 1024 --mapping directa --mode "
                                            "individual --address 4096 --then --block 2048 --address 8192");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out.find("Cache hit !"), std::string::npos) << "block 4 of 2048 bytes was never loaded";
    EXPECT_TRUE(
        outcome.out.ends_with("Pas simulare = 1\nNumar de biti adresa virtuala: 20\nNumar de biti "
                              "cuvint: 11\nNumar de biti bloc: 3\nNumar de biti tag: 6\nCuvint = 0 (0)\n"
                              "Bloc = 4 (4)\nTag = 0 (0)\nBloc RAM = 4 (4)\nCache miss !\n"));
}

TEST(TextFrontEnd, RunsRepeatTheLastSegmentAndStopAtTheFirstInvalidOne) {
    const Outcome repeated = runTextFrontEnd(workedExample + " --then --address 5000 --runs 3");
    EXPECT_EQ(repeated.exitCode, 0);
    EXPECT_NE(repeated.out.find("Pas simulare = 4\n"), std::string::npos);
    EXPECT_EQ(repeated.out.find("Pas simulare = 3\n"), std::string::npos); // only the last report

    const Outcome stopped = runTextFrontEnd(workedExample + " --each --then --ram 3 --runs 5");
    EXPECT_EQ(stopped.exitCode, 2);
    EXPECT_TRUE(
        stopped.out.ends_with("Configurare nevalida\n" + separator + "Dimensiune RAM = 3 Mo incorecta \n"));
    EXPECT_NE(stopped.out.find("Cache miss !\n"), std::string::npos); // the first run's report stays
}

TEST(TextFrontEnd, InvalidConfigurationPrintsItsErrorsAndExitsTwo) {
    const Outcome outcome = runTextFrontEnd("");
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.out, separator + "Configurare nevalida\n" + separator +
                               "Dimensiune RAM = 0 Mo incorecta \nDimensiune cache = 0 ko incorecta \n"
                               "Dimensiune bloc = 0 o incorecta \nIntroduceti metoda de mapare \n"
                               "Introduceti mod de lucru \n");
    EXPECT_EQ(outcome.err, "");
}

TEST(TextFrontEnd, UnreadableAddressFieldIsReportedNotRejected) {
    const Outcome outcome = runTextFrontEnd(workedExample + " --address abc --address ''");
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_TRUE(outcome.out.ends_with("Adresa RAM [1] - peste limita maxima a RAM \n"
                                      "Adresa RAM [2] - peste limita maxima a RAM \n"));
}

TEST(TextFrontEnd, HugeSizeIsStoredAsNegative) {
    const Outcome outcome = runTextFrontEnd("--ram 4294967295 --cache 16 --block 1024 --mapping directa "
                                            "--mode individual");
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_NE(outcome.out.find("Dimensiune RAM = -1 Mo incorecta \n"), std::string::npos);
}

TEST(TextFrontEnd, SeedMakesTheRandomSequenceReproducible) {
    const std::string random = "--ram 1 --cache 16 --block 1024 --mapping asociativa --policy LRU "
                               "--mode 'secventa aleatoare' --iterations 10 --seed 42";
    const Outcome first = runTextFrontEnd(random);
    const Outcome second = runTextFrontEnd(random);
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.out, second.out);
    EXPECT_NE(first.out.find("Secventa aleatoare\n"), std::string::npos);
    EXPECT_NE(first.out, runTextFrontEnd(random + "3").out);
}

const std::string stepHeader =
    "run,step,address,tag,index,word,ram_block,outcome,miss_rate_percent,miss_kind\n";
const std::string fourBlocks = "--ram 1 --cache 16 --block 4096"; // an address: its RAM block, a 12-bit word

// Associative LRU, the tag the whole RAM block: 24580 (block 6) and 8200 (block 2) miss, 24604 (block 6)
// hits: 2 misses in 3. FIFO empties the cache: 24604 misses, 24612 (block 6) hits, 1 in 2. The given sequence
// empties it again: 24612 and address 0 miss, nine more 0s hit (2/3, 2/4 ... 2/10). Back to individual runs:
// step 1.
TEST(TextFrontEnd, StepsCoverEveryRunAndTheRateStartsAgainWithAnEmptyCache) {
    const Outcome outcome = runTextFrontEnd(
        "--steps " + fourBlocks +
        " --mapping asociativa --policy LRU --mode individual --address 24580 --then --address 8200 --then "
        "--address 24604 --then --policy FIFO --then --address 24612 --then --mode 'secventa data' "
        "--iterations 1 --then --mode individual --address 24580");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, stepHeader + "1,1,24580,6,,4,6,miss,100.00,compulsory\n"
                                        "2,2,8200,2,,8,2,miss,100.00,compulsory\n"
                                        "3,3,24604,6,,28,6,hit,66.67,\n"
                                        "4,1,24604,6,,28,6,miss,100.00,compulsory\n"
                                        "5,2,24612,6,,36,6,hit,50.00,\n"
                                        "6,1,24612,6,,36,6,miss,100.00,compulsory\n"
                                        "6,2,0,0,,0,0,miss,100.00,compulsory\n"
                                        "6,3,0,0,,0,0,hit,66.67,\n"
                                        "6,4,0,0,,0,0,hit,50.00,\n"
                                        "6,5,0,0,,0,0,hit,40.00,\n"
                                        "6,6,0,0,,0,0,hit,33.33,\n"
                                        "6,7,0,0,,0,0,hit,28.57,\n"
                                        "6,8,0,0,,0,0,hit,25.00,\n"
                                        "6,9,0,0,,0,0,hit,22.22,\n"
                                        "6,10,0,0,,0,0,hit,20.00,\n"
                                        "7,1,24580,6,,4,6,miss,100.00,compulsory\n");
}

TEST(TextFrontEnd, StepsStopAtAnInvalidRunWithItsErrorListAfterTheRowsBeforeIt) {
    const std::string errorList =
        separator + "Configurare nevalida\n" + separator + "Dimensiune RAM = 3 Mo incorecta \n";
    const std::string direct = fourBlocks + " --mapping directa --mode individual --address 24580";
    const Outcome stopped = runTextFrontEnd("--steps " + direct + " --then --ram 3 --runs 4");
    EXPECT_EQ(stopped.exitCode, 2);
    EXPECT_EQ(stopped.out, stepHeader + "1,1,24580,1,2,4,6,miss,100.00,compulsory\n" + errorList);

    const Outcome invalidFirst = runTextFrontEnd("--steps " + direct + " --ram 3");
    EXPECT_EQ(invalidFirst.exitCode, 2);
    EXPECT_EQ(invalidFirst.out, errorList); // no header without a row
}

const std::string tenAddresses =
    " --address 24580 --address 8200 --address 12300 --address 28688 --address 12308 "
    "--address 20504 --address 24604 --address 8224 --address 24612 --address 12328";

// RAM blocks 6 2 3 7 3 5 6 2 6 3 on 4 cache blocks in 2 sets; worked out in method_comparison_test.cpp.
const std::string onePassComparison =
    "metoda de mapare        politica  accese  miss  rata de pierderi  obligatorii  capacitate  conflict\n"
    "directa                 -             10     9           90.00 %            5           2         2\n"
    "asociativa              FIFO          10     8           80.00 %            5           2         1\n"
    "asociativa              LRU           10     7           70.00 %            5           2         0\n"
    "asociativa pe seturi    FIFO          10     6           60.00 %            5           0         1\n"
    "asociativa pe seturi    LRU           10     5           50.00 %            5           0         0\n";

TEST(TextFrontEnd, CompareGivesTheFiveMethodsOnOneGivenSequence) {
    const Outcome outcome = runTextFrontEnd("--compare " + fourBlocks +
                                            " --sets 2 --mode 'secventa data' --iterations 1" + tenAddresses);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, onePassComparison);
}

// Each combination run alone from the same seed draws the sequence the comparison's first run draws. Its
// misses, last rate and misses of each kind must be those of the comparison's row, in both runs: the five
// rows and the second run replay one sequence. 4 cache blocks of 16 KB over a quarter of 1 MB, 16 RAM blocks:
// hits enough to tell the methods apart.
TEST(TextFrontEnd, CompareRunsTheFiveMethodsOnOneRandomSequence) {
    const std::string random =
        "--ram 1 --cache 64 --block 16384 --sets 2 --mode 'secventa aleatoare' --iterations 50 --seed 2026";
    const Outcome comparison = runTextFrontEnd("--compare --csv --runs 2 " + random);
    ASSERT_EQ(comparison.exitCode, 0);
    const std::vector<std::string> rows = linesOf(comparison.out);
    ASSERT_EQ(rows.size(), 11u);
    const char* const combinations[] = {
        "--mapping directa", "--mapping asociativa --policy FIFO", "--mapping asociativa --policy LRU",
        "--mapping 'asociativa pe seturi' --policy FIFO", "--mapping 'asociativa pe seturi' --policy LRU"};
    for (std::size_t c = 0; c < std::size(combinations); ++c) {
        const Outcome alone = runTextFrontEnd("--steps " + random + " " + combinations[c]);
        ASSERT_EQ(alone.exitCode, 0) << combinations[c];
        const std::vector<std::string> steps = linesOf(alone.out);
        ASSERT_EQ(steps.size(), 51u) << combinations[c];
        int misses = 0;
        std::map<std::string, int> kinds;
        for (const std::string& step : steps) {
            misses += step.find(",miss,") != std::string::npos ? 1 : 0;
            ++kinds[step.substr(step.rfind(',') + 1)];
        }
        const std::string last = steps.back().substr(0, steps.back().rfind(','));
        const std::string figures = ",50," + std::to_string(misses) + last.substr(last.rfind(',')) + "," +
                                    std::to_string(kinds["compulsory"]) + "," +
                                    std::to_string(kinds["capacity"]) + "," +
                                    std::to_string(kinds["conflict"]);
        EXPECT_TRUE(rows[1 + c].ends_with(figures)) << rows[1 + c] << " alone: " << figures;
        EXPECT_TRUE(rows[6 + c].ends_with(figures)) << rows[6 + c] << " alone: " << figures;
    }
}

TEST(TextFrontEnd, CompareStillPrintsEveryRowWhenACombinationDoesNotValidate) {
    const Outcome outcome = runTextFrontEnd("--compare --csv " + fourBlocks +
                                            " --sets 8 --mode 'secventa data' --iterations 1" + tenAddresses);
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(linesOf(outcome.out).size(), 6u);
    EXPECT_TRUE(outcome.out.ends_with("1,asociativa pe seturi,LRU,,,,,,\n"));
    EXPECT_EQ(outcome.err,
              "tarvel_cache_text: run 1, asociativa pe seturi FIFO: Numar de blocuri in cache mai "
              "mic decit numarul de seturi\n"
              "tarvel_cache_text: run 1, asociativa pe seturi LRU: Numar de blocuri in cache mai "
              "mic decit numarul de seturi\n");
}

// The scene of the window after the last run, one JSON object a line; the worked example is the direct
// diagram beside the cache after one access, its RAM cell naming block 72 and tag 4.
TEST(TextFrontEnd, SceneIsTheMainViewAfterTheLastRunAsJsonLines) {
    const Outcome outcome = runTextFrontEnd("--scene " + workedExample);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.err, "");
    const std::vector<std::string> lines = linesOf(outcome.out);
    ASSERT_EQ(lines.size(), 2u + 16u + 16u * 2u + 3u + 1u);
    for (const std::string& line : lines) {
        EXPECT_EQ(line.front(), '{');
        EXPECT_EQ(line.back(), '}');
    }
    EXPECT_EQ(lines[0].rfind(R"({"command":"text","text":"MEMORIA CACHE (bloc: tag)\t\t  )", 0), 0u);
    EXPECT_NE(lines[lines.size() - 3].find(R"("text":"B=72")"), std::string::npos);
    EXPECT_NE(lines[lines.size() - 2].find(R"("text":"T=4")"), std::string::npos);
    EXPECT_EQ(lines.back(), R"({"command":"picture","picture":"direct_mapping","corner":{"x":350,"y":50}})");
}

// An invalid configuration leaves the window on its title picture; why is said on standard error.
TEST(TextFrontEnd, SceneOfAnInvalidConfigurationIsTheSplash) {
    const Outcome outcome = runTextFrontEnd("--scene " + workedExample + " --then --ram 3");
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.out, R"({"command":"picture","picture":"splash","corner":{"x":150,"y":50}})"
                           "\n");
    EXPECT_EQ(outcome.err, "tarvel_cache_text: Dimensiune RAM = 3 Mo incorecta\n");
}

// A sheet is the same bytes at every call, the next sheets follow from its number, and the key and Markdown
// are the same exercise.
TEST(TextFrontEnd, ExerciseSheetsComeFromTheirNumberAlone) {
    const Outcome sheet = runTextFrontEnd("--exercise 7");
    EXPECT_EQ(sheet.exitCode, 0);
    EXPECT_EQ(sheet.err, "");
    EXPECT_TRUE(sheet.out.starts_with(separator + "Exercitiul 7\nMaparea memoriei cache\n" + separator +
                                      "Dimensiune RAM: 256 (Mo)\n"))
        << sheet.out;
    EXPECT_EQ(runTextFrontEnd("--exercise 7").out, sheet.out);
    const Outcome two = runTextFrontEnd("--exercise 7 --count 2");
    EXPECT_EQ(two.out, sheet.out + "\n" + runTextFrontEnd("--exercise 8").out);

    const Outcome key = runTextFrontEnd("--answers --markdown --exercise 7");
    EXPECT_EQ(key.exitCode, 0);
    EXPECT_TRUE(key.out.starts_with("## Exercitiul 7 - rezolvare\n")) << key.out;
    EXPECT_NE(key.out.find("| 3 | 57267295 (369d45f) | 873 (369) | 1 (1) | 21599 (545f) | miss | - | "
                           "obligatoriu |\n"),
              std::string::npos)
        << key.out;
    EXPECT_TRUE(key.out.ends_with("Rata de pierderi = 5 / 10 = 50.00 %\n"));
}

TEST(TextFrontEnd, UsageErrorsWriteOneLineOnStandardErrorOnly) {
    const char* const elevenAddresses =
        "--address 1 --address 2 --address 3 --address 4 --address 5 "
        "--address 6 --address 7 --address 8 --address 9 --address 10 --address 11";
    for (const char* arguments :
         {"--mapping directe", "--bogus", "--runs 0", "--ram", elevenAddresses, "--steps --compare", "--csv",
          "--compare --mode individual", "--compare --mode 'secventa data' --then --mode individual",
          "--answers", "--exercise 7 --ram 1", "--exercise x", "--exercise 7 --count 0", "--count 2",
          "--exercise 18446744073709551615 --count 2", "--lang fr", "--lang"}) {
        const Outcome outcome = runTextFrontEnd(arguments);
        EXPECT_EQ(outcome.exitCode, 64) << arguments;
        EXPECT_EQ(outcome.out, "") << arguments;
        ASSERT_FALSE(outcome.err.empty()) << arguments;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
        EXPECT_TRUE(outcome.err.starts_with("tarvel_cache_text: ")) << outcome.err;
    }
}

// Every output that has words, in each language: "ro" is the default, byte for byte; "en" gives the same
// facts (the exit status, the lines, the numbers in their order) in English.
TEST(TextFrontEnd, EveryOutputInEachLanguageGivesTheSameFacts) {
    const std::string givenSequence =
        "--ram 1 --cache 16 --block 4096 --sets 2 --mode 'secventa data' --iterations 1 --address 24580 "
        "--address 8200 --address 12300 --address 28688 --address 12308 --address 20504 --address 24604 "
        "--address 8224 --address 24612 --address 12328 --mapping 'asociativa pe seturi' --policy LRU";
    const std::string cases[] = {
        workedExample,
        workedExample + " --each --then --mapping asociativa --policy FIFO --then --mode 'secventa aleatoare' "
                        "--iterations 20 --seed 3",
        givenSequence,
        givenSequence + " --compare",
        givenSequence + " --compare --csv --sets 3",
        "--ram 3 --cache 5 --block 7 --sets 9 --iterations 0 --address 99999999999 --address x",
        "--ram 1 --cache 1 --block 4096 --mapping 'asociativa pe seturi' --sets 4 --mode individual",
        "--scene --ram 3",
        workedExample + " --scene",
        givenSequence + " --scene",
        givenSequence + " --iterations 3 --scene --then --mode 'secventa aleatoare' --iterations 30 --seed 5",
        "--exercise 7 --answers --count 3",
        "--exercise 12 --markdown --answers",
        "--exercise 12",
    };
    for (const std::string& arguments : cases) {
        const Outcome standard = runTextFrontEnd(arguments);
        for (const char* language : {"ro", "en"}) {
            const Outcome outcome = runTextFrontEnd(arguments + " --lang " + language);
            const std::string name = arguments + " --lang " + language;
            EXPECT_EQ(outcome.exitCode, standard.exitCode) << name;
            EXPECT_EQ(linesOf(outcome.out).size(), linesOf(standard.out).size()) << name;
            EXPECT_EQ(numbersOf(outcome.out + outcome.err), numbersOf(standard.out + standard.err)) << name;
            if (language == std::string("ro")) {
                EXPECT_EQ(outcome.out, standard.out) << name;
                EXPECT_EQ(outcome.err, standard.err) << name;
            } else if (arguments.find("--csv") == std::string::npos) { // the CSV keeps the lists' texts
                EXPECT_EQ(romanianWordIn(outcome.out), "") << name;
                EXPECT_EQ(romanianWordIn(outcome.err), "") << name;
            }
        }
    }
}

TEST(TextFrontEnd, HelpGoesToStandardOutput) {
    const Outcome outcome = runTextFrontEnd("--help");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.out.starts_with("Usage: tarvel_cache_text"));
}

TEST(TextFrontEnd, UnwritableOutputIsAFailure) {
    const std::string command =
        std::string(TEXT_FRONT_END_PATH) + " " + workedExample + " >/dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 74);
}

} // namespace
