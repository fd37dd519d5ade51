#include "framework/AfxResource.h"

namespace {

HINSTANCE g_resourceModule = nullptr;

}  // namespace

HINSTANCE AfxGetResourceHandle()
{
    return g_resourceModule ? g_resourceModule : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE module)
{
    g_resourceModule = module;
}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleA(nullptr);
}
