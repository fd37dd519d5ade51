#pragma once

// Owns one COM interface pointer and releases it when it goes out of scope, so
// that every early return of a scheduler operation lets go of what it holds.
template <class T>
class CComHolder
{
public:
    CComHolder() = default;
    ~CComHolder() { Release(); }
    CComHolder(const CComHolder&) = delete;
    CComHolder& operator=(const CComHolder&) = delete;

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
