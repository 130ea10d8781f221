// CP932 through Windows' own code page 932 (Qt has no ICU on Windows, and the ANSI code page is
// 932 only on a Japanese system).

#include "cp932_strict.h"
#include "text_codec.h"

#include <windows.h>

#include <climits>

namespace {

constexpr UINT kCp932 = 932;

// MB_ERR_INVALID_CHARS: any byte or pair without a character fails the whole call.
std::optional<QString> decode_strict(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    if (bytes.size() > INT_MAX)
        return std::nullopt; // taken apart into lines and characters instead
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    if (MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, bytes.data(), size,
                            reinterpret_cast<wchar_t*>(text.data()), length)
        != length)
        return std::nullopt;
    return text;
}

// WC_NO_BEST_FIT_CHARS: no look-alike; lpUsedDefaultChar: a character without a code of its own
// would have become the default character, which is a refusal here.
std::optional<QByteArray> encode_strict(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    if (text.size() > INT_MAX)
        return std::nullopt;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int size = static_cast<int>(text.size());
    BOOL used_default = FALSE;
    const int length =
        WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0, nullptr, &used_default);
    if (length <= 0 || used_default)
        return std::nullopt;
    QByteArray bytes(length, Qt::Uninitialized);
    used_default = FALSE;
    if (WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide, size, bytes.data(), length, nullptr,
                            &used_default)
            != length
        || used_default)
        return std::nullopt;
    return bytes;
}

} // namespace

QString cp932_decode(QByteArrayView bytes) { return cp932_decode_by_pieces(bytes, decode_strict); }

std::optional<QByteArray> cp932_encode(QStringView text)
{
    return cp932_encode_checked(text, encode_strict, decode_strict);
}
