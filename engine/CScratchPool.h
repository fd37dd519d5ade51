// Scratch objects of the interpreter (an expression's stacks, a call's
// arguments) kept from one use to the next, one for each level of nesting,
// so that a warm line allocates nothing. A lease takes the next level's
// object for the time of one use; the object keeps what its last user left
// in it, and the user empties it first.
#pragma once

#include <memory>
#include <vector>

template <class T>
class CScratchPool
{
public:
    T& Acquire()
    {
        // Pointers, so that a deeper level added later never moves one in use.
        if (static_cast<int>(m_aLevels.size()) <= m_nLevel)
            m_aLevels.push_back(std::make_unique<T>());
        return *m_aLevels[static_cast<std::size_t>(m_nLevel++)];
    }
    void Release() { --m_nLevel; }

private:
    std::vector<std::unique_ptr<T>> m_aLevels;
    int m_nLevel = 0;
};

template <class T>
class CScratchLease
{
public:
    explicit CScratchLease(CScratchPool<T>& pool) : m_Pool(pool), m_Object(pool.Acquire()) {}
    ~CScratchLease() { m_Pool.Release(); }
    CScratchLease(const CScratchLease&) = delete;
    CScratchLease& operator=(const CScratchLease&) = delete;

    T& Get() { return m_Object; }

private:
    CScratchPool<T>& m_Pool;
    T& m_Object;
};
