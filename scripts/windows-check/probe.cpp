// Compiled by scripts/check-windows with the same lines as every other file: a check that
// compiled for the wrong system would pass without finding anything.
#include <QtGlobal>

#if !defined(Q_OS_WIN) || defined(Q_OS_UNIX) || defined(Q_OS_LINUX)
#error "Qt does not see a Windows target"
#endif
#if !defined(_WIN32) || !defined(UNICODE) || !defined(_UNICODE)
#error "not a Unicode Windows compile"
#endif

#include <windows.h>

static_assert(sizeof(wchar_t) == sizeof(WCHAR) && sizeof(WCHAR) == 2, "Windows wide characters");
