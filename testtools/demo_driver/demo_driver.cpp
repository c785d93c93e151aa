// Works the tester for the run command on a machine without a user: starts it,
// then carries out the steps named on the command line, in order, and says what it saw.
//
//   demo_driver TESTER.EXE step...
//     print                    every field of the dialog, one "name: text" line each
//     click:scan|preview|exit  presses that button once it can be pressed
//     idle                     waits until a command started by a click has ended
//     wait:FIELD=PREFIX        waits (up to 10 minutes) until the field's text starts with PREFIX
//     screenshot:FILE.bmp      the whole screen as a bitmap file
//     exitcode:N               waits for the tester's end and checks its exit code
// Exits 0 when every step did what it should, 1 otherwise.
#include "resource.h"
#include "screen_capture.h"
#include "ui_driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const struct {
    const char* name;
    int id;
} kFields[] = {
    {"caption", 0},
    {"ram", IDC_RAM},
    {"free_hd", IDC_FREE_HD},
    {"warmup_time", IDC_WARMUP_TIME},
    {"elapsed_time", IDC_ELAPSED_TIME},
    {"product_id", IDC_PRODUCT_ID},
    {"connect_port", IDC_CONNECT_PORT},
    {"connect_mode", IDC_CONNECT_MODE},
    {"scan_test", IDC_SCAN_TEST},
    {"exe_version", IDC_EXE_VERSION},
    {"dll_version", IDC_DLL_VERSION},
    {"vxd_version", IDC_VXD_VERSION},
    {"suggest", IDC_SUGGEST_TEXT},
    {"scan", IDC_SCAN},
    {"preview", IDC_PREVIEW},
    {"exit", IDC_EXIT},
};

int FieldId(const std::string& name)
{
    for (const auto& f : kFields)
        if (name == f.name)
            return f.id;
    return -1;
}

std::string FieldText(HWND hDlg, int id)
{
    return id == 0 ? ui::WindowText(hDlg) : ui::ControlText(hDlg, id);
}

std::string OneLine(std::string s)
{
    for (char& c : s)
        if (c == '\n' || c == '\r')
            c = ' ';
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: demo_driver TESTER.EXE step...\n");
        return 2;
    }
    ui::Process tester(argv[1]);
    HWND hDlg = tester.WaitForWindow("#32770", 30000);
    if (!hDlg) {
        std::printf("FAIL: the tester showed no dialog\n");
        return 1;
    }
    ui::WaitUntil([&] { return ui::ControlText(hDlg, IDC_EXE_VERSION) == "1.10.133"; }, 10000);

    bool bOk = true;
    for (int i = 2; i < argc; ++i) {
        std::string step = argv[i];
        std::string arg = step.substr(step.find(':') + 1);
        if (step == "print") {
            for (const auto& f : kFields)
                std::printf("  %-13s %s\n", (std::string(f.name) + ":").c_str(), OneLine(FieldText(hDlg, f.id)).c_str());
        } else if (step.rfind("click:", 0) == 0) {
            int id = FieldId(arg);
            ui::WaitUntil([&] { return ui::IsControlEnabled(hDlg, id); }, 600000);
            std::printf("click %s\n", arg.c_str());
            ui::Click(hDlg, id);
            ::Sleep(300); // let the click land before the next step looks
        } else if (step == "idle") {
            // A short run may be over before its disabled buttons are seen.
            ui::WaitUntil([&] { return !ui::IsControlEnabled(hDlg, IDC_SCAN); }, 3000);
            bool bIdle = ui::WaitUntil([&] { return ui::IsControlEnabled(hDlg, IDC_SCAN); }, 600000);
            std::printf("%s: the command has ended\n", bIdle ? "ok" : "FAIL");
            bOk = bOk && bIdle;
        } else if (step.rfind("wait:", 0) == 0) {
            std::string name = arg.substr(0, arg.find('=')), prefix = arg.substr(arg.find('=') + 1);
            int id = FieldId(name);
            bool bSeen = ui::WaitUntil([&] { return FieldText(hDlg, id).rfind(prefix, 0) == 0; }, 600000);
            std::printf("%s: %s is \"%s\"\n", bSeen ? "ok" : "FAIL", name.c_str(), OneLine(FieldText(hDlg, id)).c_str());
            bOk = bOk && bSeen;
        } else if (step.rfind("screenshot:", 0) == 0) {
            bool bSaved = SaveScreenAsBitmap(arg.c_str());
            std::printf("%s: screenshot %s\n", bSaved ? "ok" : "FAIL", arg.c_str());
            bOk = bOk && bSaved;
        } else if (step.rfind("exitcode:", 0) == 0) {
            DWORD code = tester.WaitForExit(30000);
            bool bRight = code == (DWORD)std::atoi(arg.c_str());
            std::printf("%s: the tester ended with exit code %lu\n", bRight ? "ok" : "FAIL", code);
            bOk = bOk && bRight;
        } else {
            std::printf("FAIL: unknown step %s\n", step.c_str());
            bOk = false;
        }
        std::fflush(stdout);
    }
    return bOk ? 0 : 1;
}
