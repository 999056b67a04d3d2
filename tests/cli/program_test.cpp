// The program as a whole: help, usage errors and exit statuses, in-process
// through RunCommandLine and once through the real binary.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include <sys/wait.h>

#include <filesystem>

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

// The program's output and exit status through a shell.
CliRun RunProgram(const std::string& arguments) {
    FILE* pipe = ::popen((TILEWRIGHT_CLI_PROGRAM " " + arguments).c_str(), "r");
    if (!pipe) return {-1, "", "popen failed"};
    std::string text;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text, ""};
}

TEST(Program, RealBinaryPrintsHelp) {
    const CliRun run = RunProgram("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("tilewright-cli"), std::string::npos);
}

TEST(Program, RealBinaryEditsReadsIdsFromAPipeAndDiffs) {
    SampleFile sample(kWideFlagLayout);
    const std::string copy = sample.file("copy.mul");
    std::filesystem::copy_file(sample.path(), copy);
    const std::string quiet = " 2>" + sample.file("stderr.txt");
    EXPECT_EQ(RunProgram("set " + copy + " item 65535 height=200" + quiet).out, "1 record changed\n");
    const CliRun ids = RunProgram("find " + copy + " item --where height=200 | " TILEWRIGHT_CLI_PROGRAM " set " +
                                  copy + " item - height=201" + quiet);
    EXPECT_EQ(ids.status, 0);
    const CliRun diff = RunProgram("diff " + sample.path() + " " + copy + quiet);
    EXPECT_EQ(diff.status, kDiffDifferent);
    EXPECT_NE(diff.out.find("item 65535 height: "), std::string::npos);
    EXPECT_NE(diff.out.find(" -> 201\n"), std::string::npos);
    EXPECT_EQ(TextOf(sample.file("stderr.txt")), "");
}

}  // namespace
}  // namespace tilewright::cli
