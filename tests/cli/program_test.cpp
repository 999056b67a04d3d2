// The program as a whole: help, usage errors and exit statuses, in-process
// through RunCommandLine.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/clirun.h"
#include "cli/samplefile.h"

namespace tilewright::cli {
namespace {

using testing::CliRun;
using testing::LineCount;
using testing::RunCli;
using testing::SampleFile;
using testing::TextOf;

TEST(Program, HelpGoesToStandardOutputAndSucceeds) {
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.status, kExitDone);
    EXPECT_NE(run.out.find("Usage"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

TEST(Program, EveryCommandHasHelp) {
    for (const std::string command : {"info", "export", "import", "set", "find", "diff"}) {
        const CliRun run = RunCli({command, "--help"});
        EXPECT_EQ(run.status, kExitDone) << command;
        EXPECT_NE(run.out.find("Usage"), std::string::npos) << command;
        EXPECT_EQ(run.err, "") << command;
    }
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

}  // namespace
}  // namespace tilewright::cli
