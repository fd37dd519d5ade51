// Wrapper objects made on demand for handles that no object of ours owns (a window of
// the dialog manager, a device context handed to a draw handler, the pen a context held
// before). They belong to the thread that made them and are freed when its message loop
// next goes idle, or when the thread ends.
#pragma once

#include <cstddef>
#include <map>
#include <memory>

#include "framework/CNonCopyable.h"

// Frees every temporary wrapper of the calling thread.
void AfxFreeTemporaryObjects();
// The number of temporary wrappers the calling thread holds.
size_t AfxTemporaryObjectCount();

class TemporaryMapBase : private CNonCopyable
{
public:
    TemporaryMapBase();
    virtual ~TemporaryMapBase();

    virtual void FreeAll() = 0;
    virtual size_t Count() const = 0;
};

// Object must offer Detach(), which lets go of the handle without destroying it.
template <class Handle, class Object>
class TemporaryMap : public TemporaryMapBase
{
public:
    // The thread's map for this kind of wrapper.
    static TemporaryMap& ForThread()
    {
        static thread_local TemporaryMap map;
        return map;
    }

    // The wrapper of the handle, made (as a MadeAs, a kind of Object) when there is none.
    template <class MadeAs = Object>
    Object* Get(Handle handle)
    {
        auto found = m_mapObjects.find(handle);
        if (found != m_mapObjects.end()) {
            // A caller may have let go of the wrapper (ReleaseDC detaches the context);
            // whoever asks for the handle again must get a wrapper that names it.
            found->second->AttachTemporary(handle);
            return found->second.get();
        }
        auto made = std::make_unique<MadeAs>();
        made->AttachTemporary(handle);
        Object* result = made.get();
        m_mapObjects.emplace(handle, std::move(made));
        return result;
    }

    void FreeAll() override
    {
        auto objects = std::move(m_mapObjects);
        m_mapObjects.clear();
        for (auto& entry : objects)
            entry.second->Detach();
    }

    size_t Count() const override { return m_mapObjects.size(); }

    ~TemporaryMap() override { FreeAll(); }

private:
    std::map<Handle, std::unique_ptr<Object>> m_mapObjects;
};
