#include "engine/system/CThreadInputLinks.h"

bool CThreadInputLinks::Attach(DWORD from, DWORD to)
{
    if (from == 0 || to == 0 || from == to)
        return false;
    if (!AttachThreadInput(from, to, TRUE))
        return false;
    m_aLinks.emplace_back(from, to);
    return true;
}

void CThreadInputLinks::DetachAll()
{
    while (!m_aLinks.empty()) {
        AttachThreadInput(m_aLinks.back().first, m_aLinks.back().second, FALSE);
        m_aLinks.pop_back();
    }
}

DWORD WindowThreadId(HWND window)
{
    return window ? GetWindowThreadProcessId(window, nullptr) : 0;
}
