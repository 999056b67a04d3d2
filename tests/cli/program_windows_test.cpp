// The real tilewright-cli.exe started as Windows starts it: arguments in
// UTF-16 with non-ASCII letters, standard output in a file, where binary mode
// keeps every byte as the in-process run writes it.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/clirun.h"
#include "cli/samplefile.h"
#include "platformfile.h"
#include "tiledatabuilder.h"

namespace tilewright::cli {
namespace {

using platform::PathFromUtf8;
using testing::RunCli;
using testing::TextOf;

// tilewright-cli.exe in the build's cli folder, beside this program's folder.
std::wstring ProgramPath() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return (std::filesystem::path(self).parent_path().parent_path() / L"cli" / L"tilewright-cli.exe").wstring();
}

// Runs the program with `arguments`, standard output and error into files;
// returns its exit code.
int RunProgram(const std::vector<std::string>& arguments, const std::string& outPath, const std::string& errPath) {
    std::wstring line = L"\"" + ProgramPath() + L"\"";
    for (const std::string& a : arguments) line += L" \"" + PathFromUtf8(a).wstring() + L"\"";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    auto create = [&](const std::string& path) {
        return CreateFileW(PathFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    };
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    start.hStdOutput = create(outPath);
    start.hStdError = create(errPath);
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process);
    CloseHandle(start.hStdOutput);
    CloseHandle(start.hStdError);
    if (!started) return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return static_cast<int>(code);
}

TEST(WindowsProgram, TakesNonAsciiFoldersAndWritesTheSameBytesAsInProcess) {
    ::tilewright::testing::TempFolder temp;
    const std::string folder = temp.path() + "Zo\xC3\xAB\\Spiel\xE2\x82\xAC\\";
    ASSERT_TRUE(std::filesystem::create_directories(PathFromUtf8(folder)));
    const std::string tileData = folder + "tiledata.mul";
    ASSERT_TRUE(sample::WriteWholeFile(tileData, sample::BuildSampleTileData(kWideFlagLayout)).ok());
    const std::string out = temp.file("out.txt"), err = temp.file("err.txt");

    const std::vector<std::vector<std::string>> cases = {
        {"info", tileData},
        {"export", tileData, "--format", "json", "--kind", "land"},
        {"find", tileData, "item", "--name", "a"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args[0]);
        const auto inProcess = RunCli(args);
        ASSERT_EQ(RunProgram(args, out, err), inProcess.status) << TextOf(err);
        EXPECT_EQ(TextOf(out), inProcess.out);
        EXPECT_EQ(TextOf(err), "");
    }
    EXPECT_NE(TextOf(out).find('\n'), std::string::npos);

    // A refusal names the folder in UTF-8 as it was typed.
    const std::string missing = folder + "nothing.mul";
    EXPECT_EQ(RunProgram({"info", missing}, out, err), kExitFailure);
    EXPECT_NE(TextOf(err).find(missing), std::string::npos) << TextOf(err);
}

}  // namespace
}  // namespace tilewright::cli
