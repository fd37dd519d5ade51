#pragma once

#include <map>

#include "framework/Position.h"

// A map from keys to values. GetStartPosition / GetNextAssoc walk it in
// ascending key order. The block size of the constructor and the table size
// of InitHashTable are accepted for callers' sake only.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap
{
public:
    explicit CMap(int /*blockSize*/ = 10) {}

    int GetCount() const { return static_cast<int>(m_mapItems.size()); }
    int GetSize() const { return GetCount(); }
    bool IsEmpty() const { return m_mapItems.empty(); }
    void InitHashTable(unsigned /*tableSize*/, bool /*allocateNow*/ = true) {}

    // Copies the value of key into value; false (value untouched) when absent.
    bool Lookup(ARG_KEY key, VALUE& value) const
    {
        const auto found = m_mapItems.find(key);
        if (found == m_mapItems.end())
            return false;
        value = found->second;
        return true;
    }
    // The value of key, made with its default when absent.
    VALUE& operator[](ARG_KEY key) { return m_mapItems[key]; }
    void SetAt(ARG_KEY key, ARG_VALUE value) { m_mapItems[key] = value; }
    bool RemoveKey(ARG_KEY key) { return m_mapItems.erase(key) != 0; }
    void RemoveAll() { m_mapItems.clear(); }

    POSITION GetStartPosition() const { return m_mapItems.empty() ? nullptr : PositionOf(*m_mapItems.begin()); }
    // Reads the pair at position and moves position to the next (null at the end).
    void GetNextAssoc(POSITION& position, KEY& key, VALUE& value) const
    {
        const auto& pair = *reinterpret_cast<const typename Items::value_type*>(position);
        key = pair.first;
        value = pair.second;
        auto next = m_mapItems.upper_bound(pair.first);
        position = next == m_mapItems.end() ? nullptr : PositionOf(*next);
    }

private:
    using Items = std::map<KEY, VALUE>;

    static POSITION PositionOf(const typename Items::value_type& pair)
    {
        return reinterpret_cast<POSITION>(const_cast<typename Items::value_type*>(&pair));
    }

    Items m_mapItems;
};
