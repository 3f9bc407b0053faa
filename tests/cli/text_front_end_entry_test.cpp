// The text front-end's entry called in-process, as the fuzz target "command line" calls it: its streams and
// exit statuses.

#include "cli/text_front_end.h"
#include "core_state.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome runInProcess(const std::vector<std::string_view>& arguments) {
    startFromStartup();
    TextStream out = openTextStream();
    TextStream err = openTextStream();
    Outcome outcome;
    outcome.status = runTextFrontEnd(arguments, out.file, err.file);
    outcome.out = closeTextStream(out);
    outcome.err = closeTextStream(err);
    return outcome;
}

TEST(TextFrontEndEntry, WritesTheReportToTheGivenStream) {
    const Outcome outcome = runInProcess({"--ram", "1", "--cache", "16", "--block", "1024", "--mapping",
                                          "directa", "--mode", "individual", "--address", "74565"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.out.ends_with("Bloc RAM = 72 (48)\nCache miss !\n"));
    EXPECT_EQ(outcome.err, "");
}

TEST(TextFrontEndEntry, AnInvalidConfigurationEndsWithStatusTwoAndItsErrorList) {
    const Outcome outcome = runInProcess({"--ram", "3"});
    EXPECT_EQ(outcome.status, exitInvalidConfiguration);
    EXPECT_TRUE(outcome.out.starts_with("=====================================\nConfigurare nevalida\n"));
}

TEST(TextFrontEndEntry, AUsageErrorWritesOneLineToTheErrorStreamOnly) {
    const Outcome outcome = runInProcess({"--nonsense"});
    EXPECT_EQ(outcome.status, exitUsage);
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(outcome.err.starts_with("tarvel_cache_text: "));
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1);
}

} // namespace
