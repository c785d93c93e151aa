// Class registry and the root class's defaults.
#include "object.h"

#include <cstring>

namespace {
CRuntimeClass* g_pFirstClass = nullptr; // constant-initialised: safe before any constructor
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    pNewClass->m_pNextClass = g_pFirstClass;
    g_pFirstClass = pNewClass;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

CRuntimeClass* CRuntimeClass::FromName(const char* lpszClassName)
{
    for (CRuntimeClass* p = g_pFirstClass; p; p = p->m_pNextClass)
        if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    return nullptr;
}

CRuntimeClass CObject::classCObject = {"CObject", (int)sizeof(CObject), 0xFFFF, nullptr, nullptr};

CRuntimeClass* CObject::GetRuntimeClass() const { return &CObject::classCObject; }
CObject::~CObject() = default;
void CObject::Serialize(CArchive&) {}
void CObject::AssertValid() const {}
void CObject::Dump() const {}
