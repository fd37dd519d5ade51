#include "schedule/ScheduleSaveError.h"

namespace {

CString SystemMessage(DWORD code)
{
    char* buffer = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    CString text = length ? CString(buffer, static_cast<int>(length)) : CString();
    LocalFree(buffer);
    return text;
}

}  // namespace

CString FormatScheduleSaveError(HRESULT result)
{
    const int code = HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result) : static_cast<int>(result);
    return FormatString("Error code: %d\n\n%s", code,
                        static_cast<const char*>(SystemMessage(static_cast<DWORD>(code))));
}
