#include "file_names.h"

#include "paths.h"
#include "text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool something_at(const QFileInfo& info) { return info.exists() || info.isSymLink(); }

} // namespace

bool rename_file_keeping_others(const QString& folder, const QString& old_name, const QString& new_name)
{
    if (old_name.isEmpty() || new_name.isEmpty())
        return false;
    const QString from = join_folder_file(folder, old_name);
    const QString to = join_folder_file(folder, new_name);
    const QFileInfo source(from);
    if (!something_at(source) || (source.isDir() && !source.isSymLink()))
        return false;

    const bool case_only = new_name != old_name && new_name.compare(old_name, Qt::CaseInsensitive) == 0;
    if (case_only) {
        // Where case is ignored the "existing" target is the file itself; where it counts,
        // a file listed under exactly the new name is another file.
        const QDir::Filters every_entry =
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        if (QDir(folder).entryList(every_entry).contains(new_name, Qt::CaseSensitive))
            return false;
    } else if (something_at(QFileInfo(to))) {
        return false;
    }
    // QFile::rename also refuses an existing target (no replacing even in a race).
    return QFile::rename(from, to);
}

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
