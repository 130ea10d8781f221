#include "file_names.h"

#include "paths.h"
#include "text_codec.h"

#include <QDir>

bool is_plain_file_name(const QString& name)
{
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral(".."))
        return false;
    return !name.contains(QLatin1Char('/')) && !name.contains(QDir::separator()) && !name.contains(QChar(0));
}

std::optional<QString> cp932_file_name(const QByteArray& bytes)
{
    // Bytes that are not CP932 decode to a substitute, which does not encode back to them.
    const QString name = decode_as(bytes, TextCodec::Cp932);
    if (encode_text(name) != bytes || !is_plain_file_name(name))
        return std::nullopt;
    return name;
}
