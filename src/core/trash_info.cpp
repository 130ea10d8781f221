#include "trash_info.h"

#include <algorithm>

constexpr qsizetype kMaxNameBytes = 255;

QByteArray trash_escaped_path(QByteArrayView raw_path)
{
    // Letters, digits and "-._~" stay by themselves; the rest of the kept set is named.
    return raw_path.toByteArray().toPercentEncoding("/!*'()");
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
