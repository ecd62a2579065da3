#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

// Whether this Windows test program runs under Wine rather than on a real Windows. Wine's file
// locks are incomplete ("NtLockFile I/O completion on lock not implemented"), so a test in which
// two threads' connections share one database file can crash or hang there; such a test skips
// under Wine, and the README's checklist for a first run on a real Windows PC names it.
inline bool RunningUnderWine()
{
#ifdef _WIN32
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}
