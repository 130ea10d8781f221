#include "settings.h"

#include "messages.h"
#include "profile_file.h"
#include "regular_file.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// The settings file as last read or written, with the keys of the program's section.
struct KeptFile {
    QString path;
    FileIdentity identity;
    QByteArray bytes;
    ProfileSection values;
};

std::optional<KeptFile>& kept()
{
    static std::optional<KeptFile> file;
    return file;
}

// The kept file, read again when the file at path is another one or has changed. Missing
// stays Missing so that a write can create the file.
FileError current_file(const QString& path, KeptFile*& file)
{
    file = nullptr;
    QFile opened;
    FileIdentity identity;
    if (FileError error = open_regular_file(opened, path, &identity); !error.ok())
        return error;
    std::optional<KeptFile>& entry = kept();
    if (!entry || entry->path != path || entry->identity != identity) {
        entry.reset();
        if (identity.size > kProfileFileMaxBytes)
            return file_error(FileFailure::TooLarge);
        KeptFile fresh{path, identity, {}, {}};
        if (FileError error = read_bounded(opened, kProfileFileMaxBytes, fresh.bytes); !error.ok())
            return error;
        fresh.values = profile_section(fresh.bytes, kSettingsSection);
        entry = std::move(fresh);
    }
    file = &*entry;
    return {};
}

bool refused(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
    return false;
}

} // namespace

QString read_setting(const QString& ini_path, const QString& key)
{
    KeptFile* file = nullptr;
    if (!current_file(ini_path, file).ok())
        return kMissing;
    return profile_value(file->values, key, kMissing);
}

bool write_setting(const QString& ini_path, const QString& key, const QString& value, QString* reason)
{
    if (const ProfileWrite write{profile_entry_refusal(kSettingsSection, key, value), {}, {}}; !write.ok())
        return refused(reason, profile_refusal_text(write));
    KeptFile* file = nullptr;
    const FileError read = current_file(ini_path, file);
    if (!read.ok() && read.failure != FileFailure::Missing)
        return refused(reason, read.reason);
    if (file) {
        // A value the file holds already needs no write (the switches at every start, the
        // geometry of a window not moved): no pass over the file, not a byte changed.
        if (file->values.value(folded_profile_name(key)) == value)
            return true;
        if (FileError writable = check_writable(ini_path); !writable.ok())
            return refused(reason, writable.reason);
    }
    ProfileWrite write = profile_with_value(file ? file->bytes : QByteArray(), kSettingsSection, key, value);
    if (!write.ok())
        return refused(reason, profile_refusal_text(write));
    QString error;
    if (!write_file_atomically(ini_path, write.bytes, &error))
        return refused(reason, error);

    // What was written is what the next read finds, unless someone changes the file first.
    std::optional<KeptFile>& entry = kept();
    const std::optional<FileIdentity> identity = regular_file_identity(ini_path);
    if (!identity || !file) {
        entry.reset();
        return true;
    }
    entry->identity = *identity;
    entry->bytes = std::move(write.bytes);
    entry->values.insert(folded_profile_name(key), value);
    return true;
}

void remove_left_copies(const QString& path)
{
    const QFileInfo file(path);
    const QString base = file.fileName() + QLatin1Char('.');
    // The names Qt gives the temporary files of atomic writes: six ASCII letters after a dot.
    const auto own_name = [&](const QString& name) {
        return name.size() == base.size() + 6 && name.startsWith(base)
               && std::all_of(name.cbegin() + base.size(), name.cend(),
                              [](QChar c) { return c.unicode() < 0x80 && c.isLetter(); });
    };
    QDirIterator entries(file.absolutePath(), QDir::Files | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        const QString entry = entries.next();
        if (own_name(entries.fileName()) && is_own_regular_file(entry))
            QFile::remove(entry);
    }
}

std::optional<QString> SettingsWrites::write(const QString& ini_path, const QString& key,
                                             const QString& value)
{
    QString reason;
    // The program goes on with the value it holds in memory either way.
    if (write_setting(ini_path, key, value, &reason) || m_reported)
        return std::nullopt;
    m_reported = true;
    return kSettingsWriteFailureMessage.arg(ini_path, reason);
}
