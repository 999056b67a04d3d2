// The program as a whole: help, usage errors and exit statuses, in-process
// through RunCommandLine and once through the real binary.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/clirun.h"

namespace tilewright::cli {
namespace {

using testing::CliRun;
using testing::LineCount;
using testing::RunCli;

TEST(Program, HelpGoesToStandardOutputAndSucceeds) {
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.status, kExitDone);
    EXPECT_NE(run.out.find("Usage"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

TEST(Program, UsageErrorsAreOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {{}, {"--no-such-option"}, {"no-such-command"}};
    for (const auto& args : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, kExitUsage) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
    }
}

TEST(Program, RealBinaryPrintsHelp) {
    FILE* pipe = ::popen(TILEWRIGHT_CLI_PROGRAM " --help 2>&1", "r");
    ASSERT_NE(pipe, nullptr);
    std::string text;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
    EXPECT_EQ(::pclose(pipe), 0);
    EXPECT_NE(text.find("tilewright-cli"), std::string::npos);
}

}  // namespace
}  // namespace tilewright::cli
