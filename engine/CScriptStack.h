#pragma once

#include <deque>
#include <utility>

// A stack of the engine (values, blocks, integers). Pushing never moves the
// elements below. The top of an empty stack is a spare element, reset to its
// empty state on every such read, so nothing written into it survives.
template <class T>
class CScriptStack
{
public:
    void Push(const T& element) { m_aElements.push_back(element); }
    void Push(T&& element) { m_aElements.push_back(std::move(element)); }
    // Drops the top element; nothing on an empty stack.
    void Pop()
    {
        if (!m_aElements.empty())
            m_aElements.pop_back();
    }
    // Pops until at most depth elements are left.
    void PopTo(int depth)
    {
        while (GetCount() > depth && !m_aElements.empty())
            m_aElements.pop_back();
    }
    T& Top() { return FromTop(0); }
    // The element depth places below the top (0 = the top); the spare when
    // there is none.
    T& FromTop(int depth)
    {
        if (depth >= 0 && depth < GetCount())
            return m_aElements[m_aElements.size() - 1 - static_cast<std::size_t>(depth)];
        m_Spare = T();
        return m_Spare;
    }
    bool IsEmpty() const { return m_aElements.empty(); }
    int GetCount() const { return static_cast<int>(m_aElements.size()); }
    void FreeAll() { m_aElements.clear(); }

private:
    std::deque<T> m_aElements;
    T m_Spare{};
};
