#include "schedule/ScheduleText.h"

#include <cwchar>

std::wstring ToServiceText(const char* text)
{
    if (!text || !*text)
        return std::wstring();
    const int length = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

CString FromServiceText(const wchar_t* text)
{
    if (!text || !*text)
        return CString();
    const int length = WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return CString();
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, &narrow[0], length, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(length - 1));
    return CString(std::move(narrow));
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
