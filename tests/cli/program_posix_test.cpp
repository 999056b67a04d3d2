// The real binary through a shell: its output, exit status and a pipe.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/clirun.h"
#include "cli/samplefile.h"

namespace tilewright::cli {
namespace {

using testing::CliRun;
using testing::SampleFile;
using testing::TextOf;

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
