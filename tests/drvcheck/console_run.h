// Runs a console program and collects what it prints.
#pragma once
#include <windows.h>

#include <string>

struct ConsoleRun {
    DWORD dwExitCode = (DWORD)-1;
    std::string strOutput;
};

ConsoleRun RunConsoleProgram(const std::string& strExe, const std::string& strArgs);
