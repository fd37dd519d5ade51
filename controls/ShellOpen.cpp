#include "controls/ShellOpen.h"

#include <shellapi.h>

#include <utility>

namespace {

ShellOpenFunction& InstalledFunction()
{
    static ShellOpenFunction function;
    return function;
}

}  // namespace

ShellOpenFunction SetShellOpenFunction(ShellOpenFunction function)
{
    return std::exchange(InstalledFunction(), std::move(function));
}

BOOL ShellOpen(HWND owner, const char* target, int show)
{
    if (const ShellOpenFunction& function = InstalledFunction())
        return function(owner, target, show);
    const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteA(owner, "open", target, nullptr, nullptr, show));
    return result > 32;
}
