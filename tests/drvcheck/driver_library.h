// A telmor.dll for one test: the virtual scanner copied into a scratch folder with
// settings of the test's own, or the faulty library, loaded by its full path.
#pragma once
#include "check_result.h"
#include "driver_api.h"
#include "ui_driver.h"

#include <memory>
#include <string>

class DriverLibrary {
public:
    // The virtual scanner with iniText as its telmor.ini.
    static std::unique_ptr<DriverLibrary> VirtualScanner(const std::string& iniText);
    // The faulty library; the fault comes from FAULTY_TELMOR_FAULT at each call.
    static std::unique_ptr<DriverLibrary> Faulty();
    ~DriverLibrary();

    const std::string& Path() const { return m_strPath; }
    bool Loaded() const { return m_hModule != nullptr; }
    DriverApi Api() const { return BindDriverApi(m_hModule); }

private:
    explicit DriverLibrary(std::string strPath);

    std::unique_ptr<ui::ScratchFolder> m_pFolder;
    std::string m_strPath;
    HMODULE m_hModule = nullptr;
};

// The names of the checks that ended with the status, in report order.
std::vector<std::string> NamesWith(const std::vector<CheckResult>& results, CheckStatus status);
