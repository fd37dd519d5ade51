#pragma once

// The ids of script hotkeys pressed while a script runs, waiting for the run
// loop to call their functions. When the queue is full a new id is dropped,
// so the ids already waiting are kept.
class CScriptHotkeyQueue
{
public:
    enum
    {
        CAPACITY = 64
    };

    // False when the queue is full and the id was dropped.
    bool Post(int id);
    // The oldest id, removed from the queue; false when none is waiting.
    bool Take(int& id);
    bool IsEmpty() const { return m_nRead == m_nWrite; }
    void Clear() { m_nRead = m_nWrite = 0; }

private:
    int m_aIds[CAPACITY] = {};
    int m_nRead = 0;
    int m_nWrite = 0;
};
