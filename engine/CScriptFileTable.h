#pragma once

#include "engine/CScriptFileHandle.h"

// The engine's 64 handle slots, shared by open files and file searches. A
// freed slot is the first one handed out again.
class CScriptFileTable
{
public:
    enum
    {
        SLOT_COUNT = 64
    };

    CScriptFileTable() = default;
    ~CScriptFileTable();
    CScriptFileTable(const CScriptFileTable&) = delete;
    CScriptFileTable& operator=(const CScriptFileTable&) = delete;

    bool IsFull() const { return m_nInUse >= SLOT_COUNT; }
    int GetInUseCount() const { return m_nInUse; }

    // Takes ownership; the lowest free slot's index, or -1 when all are used
    // (the handle is then destroyed).
    int Add(CScriptFileHandle* handle);
    // The slot's handle when the index is 0 to 63 and the slot is in use.
    CScriptFileHandle* Get(int index) const;
    // Closes the file or search (flushing a file) and frees the slot.
    void Close(int index);
    void CloseAll();

private:
    CScriptFileHandle* m_pSlots[SLOT_COUNT] = {};
    int m_nInUse = 0;
};
