// A player for Windows that only notes what it got: built with the MinGW compiler by the
// runner test and started through the runner. Beside the tune it writes "<tune>.log": its
// arguments joined by "|" and whether the tune could be opened by the path it was given,
// as UTF-8.

#include <cstdio>
#include <string>
#include <windows.h>

namespace {

std::string utf8(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc < 2)
        return 1;
    std::wstring line;
    for (int i = 1; i < argc; ++i)
        line += (i > 1 ? L"|" : L"") + std::wstring(argv[i]);
    FILE* tune = _wfopen(argv[1], L"rb");
    line += tune ? L"|opened\n" : L"|missing\n";
    if (tune)
        std::fclose(tune);
    FILE* log = _wfopen((std::wstring(argv[1]) + L".log").c_str(), L"wb");
    if (!log)
        return 2;
    const std::string bytes = utf8(line);
    std::fwrite(bytes.data(), 1, bytes.size(), log);
    std::fclose(log);
    return 0;
}
