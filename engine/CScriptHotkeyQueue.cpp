#include "engine/CScriptHotkeyQueue.h"

bool CScriptHotkeyQueue::Post(int id)
{
    const int next = (m_nWrite + 1) % CAPACITY;
    if (next == m_nRead)
        return false;
    m_aIds[m_nWrite] = id;
    m_nWrite = next;
    return true;
}

bool CScriptHotkeyQueue::Take(int& id)
{
    if (IsEmpty())
        return false;
    id = m_aIds[m_nRead];
    m_nRead = (m_nRead + 1) % CAPACITY;
    return true;
}
