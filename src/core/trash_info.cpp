#include "trash_info.h"

#include <algorithm>

namespace {

bool kept_as_is(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9'))
        return true;
    return QByteArrayView("/-_.!~*'()").contains(c);
}

constexpr qsizetype kMaxNameBytes = 255;

} // namespace

QByteArray trash_escaped_path(QByteArrayView raw_path)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray escaped;
    escaped.reserve(raw_path.size() * 3);
    for (const char c : raw_path) {
        if (kept_as_is(c)) {
            escaped += c;
            continue;
        }
        const auto b = static_cast<unsigned char>(c);
        escaped += '%';
        escaped += kHex[b >> 4];
        escaped += kHex[b & 0xF];
    }
    return escaped;
}

QByteArray trash_info_text(QByteArrayView raw_path, const QDateTime& deleted)
{
    return QByteArrayLiteral("[Trash Info]\nPath=") + trash_escaped_path(raw_path)
           + QByteArrayLiteral("\nDeletionDate=")
           + deleted.toLocalTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() + '\n';
}

QByteArray trash_entry_name(QByteArrayView name, int attempt)
{
    const QByteArray number = attempt > 1 ? '.' + QByteArray::number(attempt) : QByteArray();
    qsizetype keep = std::min(name.size(), kMaxNameBytes - kTrashInfoSuffix.size() - number.size());
    // Never half a UTF-8 character: continuation bytes go with the byte that starts them.
    while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;
    return name.first(keep).toByteArray() + number;
}
