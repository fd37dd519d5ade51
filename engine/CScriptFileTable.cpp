#include "engine/CScriptFileTable.h"

CScriptFileTable::~CScriptFileTable()
{
    CloseAll();
}

int CScriptFileTable::Add(CScriptFileHandle* handle)
{
    for (int i = 0; i < SLOT_COUNT; ++i) {
        if (!m_pSlots[i]) {
            m_pSlots[i] = handle;
            ++m_nInUse;
            return i;
        }
    }
    delete handle;
    return -1;
}

CScriptFileHandle* CScriptFileTable::Get(int index) const
{
    if (index < 0 || index >= SLOT_COUNT)
        return nullptr;
    return m_pSlots[index];
}

void CScriptFileTable::Close(int index)
{
    if (!Get(index))
        return;
    delete m_pSlots[index];
    m_pSlots[index] = nullptr;
    --m_nInUse;
}

void CScriptFileTable::CloseAll()
{
    for (int i = 0; i < SLOT_COUNT; ++i)
        Close(i);
}
