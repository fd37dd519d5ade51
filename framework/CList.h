#pragma once

#include <cassert>
#include <utility>

#include "framework/Position.h"

// A doubly linked list walked by POSITION. A POSITION stays valid until its
// own element is removed. The block size of the constructor is accepted for
// callers' sake; elements are allocated one by one.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CList
{
public:
    explicit CList(int /*blockSize*/ = 10) {}
    CList(const CList& other) { AddTail(&other); }
    CList& operator=(const CList& other)
    {
        if (this != &other) {
            RemoveAll();
            AddTail(&other);
        }
        return *this;
    }
    ~CList() { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    bool IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return Checked(m_pHead)->data; }
    const TYPE& GetHead() const { return Checked(m_pHead)->data; }
    TYPE& GetTail() { return Checked(m_pTail)->data; }
    const TYPE& GetTail() const { return Checked(m_pTail)->data; }

    POSITION AddHead(ARG_TYPE element) { return InsertBefore(PositionOf(m_pHead), element); }
    POSITION AddTail(ARG_TYPE element) { return InsertAfter(PositionOf(m_pTail), element); }
    void AddTail(const CList* other)
    {
        for (Node* node = other->m_pHead; node; node = node->next)
            AddTail(node->data);
    }

    TYPE RemoveHead()
    {
        TYPE element = GetHead();
        RemoveAt(PositionOf(m_pHead));
        return element;
    }
    TYPE RemoveTail()
    {
        TYPE element = GetTail();
        RemoveAt(PositionOf(m_pTail));
        return element;
    }
    void RemoveAll()
    {
        while (m_pHead) {
            Node* next = m_pHead->next;
            delete m_pHead;
            m_pHead = next;
        }
        m_pTail = nullptr;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return PositionOf(m_pHead); }
    POSITION GetTailPosition() const { return PositionOf(m_pTail); }

    // Returns the element at position and moves position to the next one
    // (null after the tail).
    TYPE& GetNext(POSITION& position) { return Step(position, true)->data; }
    const TYPE& GetNext(POSITION& position) const { return Step(position, true)->data; }
    TYPE& GetPrev(POSITION& position) { return Step(position, false)->data; }
    const TYPE& GetPrev(POSITION& position) const { return Step(position, false)->data; }

    TYPE& GetAt(POSITION position) { return NodeOf(position)->data; }
    const TYPE& GetAt(POSITION position) const { return NodeOf(position)->data; }
    void SetAt(POSITION position, ARG_TYPE element) { NodeOf(position)->data = element; }

    void RemoveAt(POSITION position)
    {
        Node* node = NodeOf(position);
        (node->prev ? node->prev->next : m_pHead) = node->next;
        (node->next ? node->next->prev : m_pTail) = node->prev;
        delete node;
        --m_nCount;
    }

    // A null position inserts at the head (InsertBefore) or tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE element)
    {
        Node* next = position ? NodeOf(position) : m_pHead;
        return Link(next ? next->prev : nullptr, next, element);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE element)
    {
        Node* prev = position ? NodeOf(position) : m_pTail;
        return Link(prev, prev ? prev->next : nullptr, element);
    }

    // Searches from the element after startAfter (from the head when null).
    POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const
    {
        Node* node = startAfter ? NodeOf(startAfter)->next : m_pHead;
        for (; node; node = node->next) {
            if (node->data == value)
                return PositionOf(node);
        }
        return nullptr;
    }
    // Position of element index counted from 0 at the head; null when out of range.
    POSITION FindIndex(int index) const
    {
        if (index < 0 || index >= m_nCount)
            return nullptr;
        Node* node = m_pHead;
        while (index-- > 0)
            node = node->next;
        return PositionOf(node);
    }

private:
    struct Node
    {
        Node* prev;
        Node* next;
        TYPE data;
    };

    static Node* NodeOf(POSITION position)
    {
        assert(position != nullptr);
        return reinterpret_cast<Node*>(position);
    }
    static Node* Checked(Node* node)
    {
        assert(node != nullptr);
        return node;
    }
    // The node at position; moves position to its neighbour.
    static Node* Step(POSITION& position, bool forward)
    {
        Node* node = NodeOf(position);
        position = PositionOf(forward ? node->next : node->prev);
        return node;
    }
    static POSITION PositionOf(Node* node) { return reinterpret_cast<POSITION>(node); }

    POSITION Link(Node* prev, Node* next, ARG_TYPE element)
    {
        Node* node = new Node{prev, next, element};
        (prev ? prev->next : m_pHead) = node;
        (next ? next->prev : m_pTail) = node;
        ++m_nCount;
        return PositionOf(node);
    }

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    int m_nCount = 0;
};
