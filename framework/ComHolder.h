#pragma once

#include <objbase.h>

#include "framework/CNonCopyable.h"

// Owns one COM interface pointer and releases it when it goes out of scope, so
// that every early return lets go of what it holds.
template <class T>
class CComHolder : private CNonCopyable
{
public:
    ~CComHolder() { Release(); }

    T* Get() const { return m_pInterface; }
    T* operator->() const { return m_pInterface; }
    explicit operator bool() const { return m_pInterface != nullptr; }

    // For calls that hand back a new reference; drops the one held before.
    T** Out()
    {
        Release();
        return &m_pInterface;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }
    IUnknown** OutUnknown() { return reinterpret_cast<IUnknown**>(Out()); }

    void Release()
    {
        if (m_pInterface) {
            m_pInterface->Release();
            m_pInterface = nullptr;
        }
    }

private:
    T* m_pInterface = nullptr;
};

// COM initialised on this thread for as long as it lives (for a call that
// needs it once); uninitialised only when it was started here.
class CComSession : private CNonCopyable
{
public:
    CComSession() : m_bStarted(SUCCEEDED(CoInitialize(nullptr))) {}
    ~CComSession()
    {
        if (m_bStarted)
            CoUninitialize();
    }

private:
    bool m_bStarted;
};
