#pragma once
// Whether the tests run under Wine rather than Windows itself: the few checks where Wine does
// not do what Windows does are skipped there (each says what Windows does).

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

inline bool under_wine()
{
#ifdef Q_OS_WIN
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

// Skips the rest of a test function under Wine, saying why.
#define SKIP_UNDER_WINE(why)                                                                                 \
    do {                                                                                                     \
        if (under_wine())                                                                                    \
            QSKIP("Wine differs from Windows here: " why);                                                   \
    } while (false)
