#pragma once

#include <deque>
#include <utility>

// A stack of the engine (values, blocks, integers). Pushing never moves the
// elements below. The top of an empty stack is a spare element, reset to its
// empty state on every such read, so nothing written into it survives.
// A popped slot is emptied and kept for the next push: a loop that pushes
// and pops its block on every pass then allocates nothing.
template <class T>
class CScriptStack
{
public:
    template <class U>
    void Push(U&& element)
    {
        if (m_nCount < static_cast<int>(m_aElements.size()))
            m_aElements[static_cast<std::size_t>(m_nCount)] = std::forward<U>(element);
        else
            m_aElements.push_back(std::forward<U>(element));
        ++m_nCount;
    }
    // Drops the top element; nothing on an empty stack.
    void Pop()
    {
        if (m_nCount > 0)
            m_aElements[static_cast<std::size_t>(--m_nCount)] = T();
    }
    // Pops until at most depth elements are left.
    void PopTo(int depth)
    {
        while (m_nCount > depth && m_nCount > 0)
            Pop();
    }
    T& Top() { return FromTop(0); }
    // The element depth places below the top (0 = the top); the spare when
    // there is none.
    T& FromTop(int depth)
    {
        if (depth >= 0 && depth < m_nCount)
            return m_aElements[static_cast<std::size_t>(m_nCount - 1 - depth)];
        m_Spare = T();
        return m_Spare;
    }
    bool IsEmpty() const { return m_nCount == 0; }
    int GetCount() const { return m_nCount; }
    void FreeAll()
    {
        m_aElements.clear();
        m_nCount = 0;
    }

private:
    std::deque<T> m_aElements;
    int m_nCount = 0;
    T m_Spare{};
};
