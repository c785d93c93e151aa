// Loading the libraries under test.
#include "driver_library.h"

DriverLibrary::DriverLibrary(std::string strPath) : m_strPath(std::move(strPath)) {}

std::unique_ptr<DriverLibrary> DriverLibrary::VirtualScanner(const std::string& iniText)
{
    auto pFolder = std::make_unique<ui::ScratchFolder>();
    pFolder->CopyFromOwnFolder({"telmor.dll"});
    pFolder->WriteFile("telmor.ini", iniText);
    std::unique_ptr<DriverLibrary> pLibrary(new DriverLibrary(pFolder->Path() + "telmor.dll"));
    pLibrary->m_pFolder = std::move(pFolder);
    pLibrary->m_hModule = ::LoadLibraryA(pLibrary->m_strPath.c_str());
    return pLibrary;
}

std::unique_ptr<DriverLibrary> DriverLibrary::Faulty()
{
    std::unique_ptr<DriverLibrary> pLibrary(new DriverLibrary(ui::OwnFolder() + "faulty\\telmor.dll"));
    pLibrary->m_hModule = ::LoadLibraryA(pLibrary->m_strPath.c_str());
    return pLibrary;
}

DriverLibrary::~DriverLibrary()
{
    if (m_hModule)
        ::FreeLibrary(m_hModule); // before the scratch folder goes, or its DLL stays locked
}

std::vector<std::string> NamesWith(const std::vector<CheckResult>& results, CheckStatus status)
{
    std::vector<std::string> names;
    for (const CheckResult& r : results)
        if (r.status == status)
            names.push_back(r.strName);
    return names;
}
