#pragma once

#include <cassert>
#include <utility>
#include <vector>

// A growable array. Element i is what callers index; indexing out of range is
// a programming error caught by an assertion, never silent corruption. The
// growth step of SetSize is accepted for callers' sake: the standard vector
// already grows geometrically.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray
{
public:
    int GetSize() const { return static_cast<int>(m_arrItems.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_arrItems.empty(); }

    // Grows with default-constructed elements or cuts at the end.
    void SetSize(int newSize, int /*growBy*/ = -1)
    {
        assert(newSize >= 0);
        m_arrItems.resize(static_cast<size_t>(newSize < 0 ? 0 : newSize));
    }
    void RemoveAll() { m_arrItems.clear(); }
    void FreeExtra() { m_arrItems.shrink_to_fit(); }

    const TYPE& GetAt(int index) const { return m_arrItems[Checked(index)]; }
    TYPE& GetAt(int index) { return m_arrItems[Checked(index)]; }
    TYPE& ElementAt(int index) { return m_arrItems[Checked(index)]; }
    const TYPE& ElementAt(int index) const { return m_arrItems[Checked(index)]; }
    void SetAt(int index, ARG_TYPE element) { m_arrItems[Checked(index)] = element; }
    const TYPE& operator[](int index) const { return m_arrItems[Checked(index)]; }
    TYPE& operator[](int index) { return m_arrItems[Checked(index)]; }

    // Sets element index, growing the array first when index is past the end.
    void SetAtGrow(int index, ARG_TYPE element)
    {
        assert(index >= 0);
        if (index >= GetSize())
            m_arrItems.resize(static_cast<size_t>(index) + 1);
        m_arrItems[static_cast<size_t>(index)] = element;
    }

    // Returns the index of the new element.
    int Add(ARG_TYPE element)
    {
        m_arrItems.push_back(element);
        return GetSize() - 1;
    }
    int Append(const CArray& other)
    {
        const int first = GetSize();
        m_arrItems.insert(m_arrItems.end(), other.m_arrItems.begin(), other.m_arrItems.end());
        return first;
    }
    void Copy(const CArray& other) { m_arrItems = other.m_arrItems; }

    // Inserts count copies before index; an index past the end grows the
    // array up to it first.
    void InsertAt(int index, ARG_TYPE element, int count = 1)
    {
        assert(index >= 0 && count >= 0);
        if (index > GetSize())
            m_arrItems.resize(static_cast<size_t>(index));
        m_arrItems.insert(m_arrItems.begin() + index, static_cast<size_t>(count), element);
    }
    void RemoveAt(int index, int count = 1)
    {
        assert(index >= 0 && count >= 0 && index + count <= GetSize());
        m_arrItems.erase(m_arrItems.begin() + index, m_arrItems.begin() + index + count);
    }

    TYPE* GetData() { return m_arrItems.data(); }
    const TYPE* GetData() const { return m_arrItems.data(); }

    typename std::vector<TYPE>::iterator begin() { return m_arrItems.begin(); }
    typename std::vector<TYPE>::iterator end() { return m_arrItems.end(); }
    typename std::vector<TYPE>::const_iterator begin() const { return m_arrItems.begin(); }
    typename std::vector<TYPE>::const_iterator end() const { return m_arrItems.end(); }

private:
    size_t Checked(int index) const
    {
        assert(index >= 0 && index < GetSize());
        return static_cast<size_t>(index);
    }

    std::vector<TYPE> m_arrItems;
};
