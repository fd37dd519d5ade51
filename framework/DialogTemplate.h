// A copy of a dialog template from the resources, whose visibility the framework decides.
#pragma once

#include <windows.h>

#include <vector>

class DialogTemplate
{
public:
    // Loads the template; IsLoaded is false when the resource is missing.
    explicit DialogTemplate(UINT templateId);

    bool IsLoaded() const { return !m_arrBytes.empty(); }
    // Takes WS_VISIBLE off the copy; returns whether it was there.
    bool TakeOffVisible();
    LPCDLGTEMPLATEA Get() const { return reinterpret_cast<LPCDLGTEMPLATEA>(m_arrBytes.data()); }

private:
    DWORD* StyleField();

    std::vector<BYTE> m_arrBytes;
};
