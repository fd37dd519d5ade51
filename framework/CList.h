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

    int GetCount() const { return m_count; }
    int GetSize() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }

    TYPE& GetHead() { return Checked(m_head)->data; }
    const TYPE& GetHead() const { return Checked(m_head)->data; }
    TYPE& GetTail() { return Checked(m_tail)->data; }
    const TYPE& GetTail() const { return Checked(m_tail)->data; }

    POSITION AddHead(ARG_TYPE element) { return InsertBefore(PositionOf(m_head), element); }
    POSITION AddTail(ARG_TYPE element) { return InsertAfter(PositionOf(m_tail), element); }
    void AddTail(const CList* other)
    {
        for (Node* node = other->m_head; node; node = node->next)
            AddTail(node->data);
    }

    TYPE RemoveHead()
    {
        TYPE element = GetHead();
        RemoveAt(PositionOf(m_head));
        return element;
    }
    TYPE RemoveTail()
    {
        TYPE element = GetTail();
        RemoveAt(PositionOf(m_tail));
        return element;
    }
    void RemoveAll()
    {
        while (m_head) {
            Node* next = m_head->next;
            delete m_head;
            m_head = next;
        }
        m_tail = nullptr;
        m_count = 0;
    }

    POSITION GetHeadPosition() const { return PositionOf(m_head); }
    POSITION GetTailPosition() const { return PositionOf(m_tail); }

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
        (node->prev ? node->prev->next : m_head) = node->next;
        (node->next ? node->next->prev : m_tail) = node->prev;
        delete node;
        --m_count;
    }

    // A null position inserts at the head (InsertBefore) or tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE element)
    {
        Node* next = position ? NodeOf(position) : m_head;
        return Link(next ? next->prev : nullptr, next, element);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE element)
    {
        Node* prev = position ? NodeOf(position) : m_tail;
        return Link(prev, prev ? prev->next : nullptr, element);
    }

    // Searches from the element after startAfter (from the head when null).
    POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const
    {
        Node* node = startAfter ? NodeOf(startAfter)->next : m_head;
        for (; node; node = node->next) {
            if (node->data == value)
                return PositionOf(node);
        }
        return nullptr;
    }
    // Position of element index counted from 0 at the head; null when out of range.
    POSITION FindIndex(int index) const
    {
        if (index < 0 || index >= m_count)
            return nullptr;
        Node* node = m_head;
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
        (prev ? prev->next : m_head) = node;
        (next ? next->prev : m_tail) = node;
        ++m_count;
        return PositionOf(node);
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    int m_count = 0;
};
