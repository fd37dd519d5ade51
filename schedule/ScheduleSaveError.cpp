#include "schedule/ScheduleSaveError.h"

namespace {

// The scheduler's own codes have their texts in its module, not in the system's table.
const char kSchedulerModule[] = "mstask.dll";
const char kUnknownError[] = "Unknown error";

CString FormattedMessage(DWORD source, HMODULE module, DWORD code)
{
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | source, module,
                                        code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    CString text = length ? CString(buffer, static_cast<int>(length)) : CString();
    LocalFree(buffer);
    return text;
}

CString CodeMessage(DWORD code)
{
    CString text = FormattedMessage(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code);
    if (text.IsEmpty()) {
        if (HMODULE scheduler = LoadLibraryExA(kSchedulerModule, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
            text = FormattedMessage(FORMAT_MESSAGE_FROM_HMODULE, scheduler, code);
            FreeLibrary(scheduler);
        }
    }
    return text.IsEmpty() ? CString(kUnknownError) : text;
}

}  // namespace

CString FormatScheduleSaveError(HRESULT result)
{
    if (HRESULT_FACILITY(result) == FACILITY_WIN32) {
        const DWORD code = HRESULT_CODE(result);
        return FormatString("Error code: %lu\n\n%s", code, static_cast<const char*>(CodeMessage(code)));
    }
    const DWORD code = static_cast<DWORD>(result);
    return FormatString("Error code: 0x%08lX\n\n%s", code, static_cast<const char*>(CodeMessage(code)));
}
