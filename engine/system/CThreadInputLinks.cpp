#include "engine/system/CThreadInputLinks.h"

bool CThreadInputLinks::Attach(DWORD from, DWORD to)
{
    if (from == 0 || to == 0 || from == to)
        return false;
    if (!AttachThreadInput(from, to, TRUE))
        return false;
    m_links.emplace_back(from, to);
    return true;
}

void CThreadInputLinks::DetachAll()
{
    while (!m_links.empty()) {
        AttachThreadInput(m_links.back().first, m_links.back().second, FALSE);
        m_links.pop_back();
    }
}

DWORD WindowThreadId(HWND window)
{
    return window ? GetWindowThreadProcessId(window, nullptr) : 0;
}
