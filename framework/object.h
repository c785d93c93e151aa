// Root class, run-time class records and creation of objects by class name.
#pragma once
#include "afx_types.h"

class CObject;
class CArchive;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* m_pNextClass;

    CObject* CreateObject() const;
    static CRuntimeClass* FromName(const char* lpszClassName);
};

// Links a class record into the registry; constructed with static storage, so a
// class is creatable by name before the entry point.
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

class CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump() const;

    static CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_SERIAL(class_name)                           \
public:                                                      \
    static CRuntimeClass class##class_name;                  \
    CRuntimeClass* GetRuntimeClass() const override;         \
    static CObject* CreateObject();

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                        \
    CObject* class_name::CreateObject() { return new class_name; }                    \
    CRuntimeClass class_name::class##class_name = {                                   \
        #class_name, (int)sizeof(class_name), wSchema, class_name::CreateObject,      \
        nullptr};                                                                      \
    static AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);          \
    CRuntimeClass* class_name::GetRuntimeClass() const                                \
    {                                                                                  \
        return &class_name::class##class_name;                                        \
    }
