#include "framework/TemporaryMap.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<TemporaryMapBase*>& ThreadMaps()
{
    static thread_local std::vector<TemporaryMapBase*> maps;
    return maps;
}

}  // namespace

TemporaryMapBase::TemporaryMapBase()
{
    ThreadMaps().push_back(this);
}

TemporaryMapBase::~TemporaryMapBase()
{
    auto& maps = ThreadMaps();
    maps.erase(std::remove(maps.begin(), maps.end(), this), maps.end());
}

void AfxFreeTemporaryObjects()
{
    for (TemporaryMapBase* map : ThreadMaps())
        map->FreeAll();
}

size_t AfxTemporaryObjectCount()
{
    size_t count = 0;
    for (const TemporaryMapBase* map : ThreadMaps())
        count += map->Count();
    return count;
}
