#include "framework/AfxMessageBox.h"

#include <mutex>
#include <utility>

const char kApplicationTitle[] = "Orvantis Tapforge";

namespace {
std::mutex& SinkMutex()
{
    static std::mutex mutex;
    return mutex;
}

MessageBoxSink& CurrentSink()
{
    static MessageBoxSink sink;
    return sink;
}
}  // namespace

MessageBoxSink SetMessageBoxSink(MessageBoxSink sink)
{
    std::lock_guard<std::mutex> lock(SinkMutex());
    std::swap(CurrentSink(), sink);
    return sink;
}

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type)
{
    MessageBoxSink sink;
    {
        std::lock_guard<std::mutex> lock(SinkMutex());
        sink = CurrentSink();
    }
    if (sink)
        return sink(CMessageBoxRequest{owner, text, caption, type});
    return MessageBoxA(owner, text, caption, type);
}

int AfxMessageBox(const char* text, UINT type, UINT /*helpId*/)
{
    return ShowMessageBox(GetActiveWindow(), text, kApplicationTitle, type);
}
