// drvcheck.exe as a maker runs it: the report it prints and its exit code.
#include "console_run.h"
#include "driver_library.h"

#include <gtest/gtest.h>

namespace {
std::string LastLine(const std::string& strOutput)
{
    std::string s = strOutput;
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r'))
        s.pop_back();
    return s.substr(s.find_last_of('\n') + 1);
}

ConsoleRun RunDrvcheck(const std::string& strArgs) { return RunConsoleProgram(ui::OwnFolder() + "drvcheck.exe", strArgs); }
} // namespace

TEST(DrvcheckProgram, PassesTheVirtualScannerNamedByItsFolder)
{
    ui::ScratchFolder folder;
    folder.CopyFromOwnFolder({"telmor.dll"});
    folder.WriteFile("telmor.ini", "[Scanner]\nLinesPerSecond=0\nResolution=100\n");
    ConsoleRun run = RunDrvcheck("\"" + folder.Path() + "\"");
    EXPECT_EQ(run.dwExitCode, 0u) << run.strOutput;
    EXPECT_NE(run.strOutput.find("PASS preview scan: 584 lines of 1276 bytes"), std::string::npos) << run.strOutput;
    EXPECT_NE(run.strOutput.find("SKIP close after failed open: DrvOpen succeeded"), std::string::npos);
    EXPECT_EQ(LastLine(run.strOutput), "16 passed, 0 failed, 1 skipped");
}

TEST(DrvcheckProgram, FailsAFaultyLibraryWithWhatWasSeen)
{
    ::SetEnvironmentVariableA("FAULTY_TELMOR_FAULT", "answers-after-close");
    ConsoleRun run = RunDrvcheck("\"" + ui::OwnFolder() + "faulty\\telmor.dll\"");
    ::SetEnvironmentVariableA("FAULTY_TELMOR_FAULT", nullptr);
    EXPECT_EQ(run.dwExitCode, 1u);
    EXPECT_NE(run.strOutput.find("FAIL after close: DrvGetImage returned 0 after DrvClose"), std::string::npos)
        << run.strOutput;
    EXPECT_EQ(LastLine(run.strOutput), "15 passed, 1 failed, 1 skipped");
}

TEST(DrvcheckProgram, EndsTheReportWhenTheLibraryCrashes)
{
    ::SetEnvironmentVariableA("FAULTY_TELMOR_FAULT", "crash");
    ConsoleRun run = RunDrvcheck("\"" + ui::OwnFolder() + "faulty\\telmor.dll\"");
    ::SetEnvironmentVariableA("FAULTY_TELMOR_FAULT", nullptr);
    EXPECT_EQ(run.dwExitCode, 1u);
    EXPECT_NE(run.strOutput.find("PASS image before start"), std::string::npos) << run.strOutput;
    EXPECT_NE(run.strOutput.find("FAIL crash: exception 0xC0000005 during DrvGetImage"), std::string::npos)
        << run.strOutput;
    EXPECT_EQ(LastLine(run.strOutput), "10 passed, 1 failed, 1 skipped");
}

TEST(DrvcheckProgram, FailsALibraryThatCannotBeLoaded)
{
    ui::ScratchFolder folder;
    ConsoleRun run = RunDrvcheck("\"" + folder.Path() + "telmor.dll\"");
    EXPECT_EQ(run.dwExitCode, 1u);
    EXPECT_NE(run.strOutput.find("FAIL load: LoadLibrary failed"), std::string::npos) << run.strOutput;
    EXPECT_EQ(LastLine(run.strOutput), "0 passed, 1 failed");
}
