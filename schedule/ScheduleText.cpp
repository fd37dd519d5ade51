#include "schedule/ScheduleText.h"

#include "framework/WideText.h"

#include <cwchar>

std::wstring ToServiceText(const char* text)
{
    return Widened(text, CP_THREAD_ACP);
}

CString FromServiceText(const wchar_t* text)
{
    return CString(Narrowed(text, CP_THREAD_ACP));
}

std::wstring ToServiceJobName(const char* jobName)
{
    std::wstring name = ToServiceText(jobName);
    static const wchar_t extension[] = L".job";
    const size_t extensionLength = wcslen(extension);
    if (name.size() > extensionLength && _wcsicmp(name.c_str() + name.size() - extensionLength, extension) == 0)
        name.resize(name.size() - extensionLength);
    return name;
}

void CCoTaskText::Free()
{
    if (m_pText) {
        CoTaskMemFree(m_pText);
        m_pText = nullptr;
    }
}
