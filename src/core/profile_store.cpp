#include "profile_store.h"

#include "atomic_file.h"
#include "profile_file.h"
#include "regular_file.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <optional>

namespace {

// The last profile file read or written, as it was then, with the keys of one section.
struct KeptFile {
    QString path;
    FileIdentity identity;
    QByteArray bytes;
    std::optional<QString> section; // folded name of the section in values, once known
    ProfileSection values;
};

std::optional<KeptFile>& kept()
{
    static std::optional<KeptFile> file;
    return file;
}

// The kept file, read again when the file at path is another one or has changed, with the
// keys of section. Missing stays Missing so that a write can create the file.
FileError current_file(const QString& path, const QString& section, KeptFile*& file)
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
        KeptFile fresh{path, identity, {}, {}, {}};
        if (FileError error = read_bounded(opened, kProfileFileMaxBytes, fresh.bytes); !error.ok())
            return error;
        entry = std::move(fresh);
    }
    if (const QString name = folded_profile_name(section); entry->section != name) {
        entry->section = name;
        entry->values = profile_section(entry->bytes, section);
    }
    file = &*entry;
    return {};
}

void set_reason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

} // namespace

QString read_profile_string(const QString& path, const QString& section, const QString& key,
                            const QString& fallback)
{
    KeptFile* file = nullptr;
    if (!current_file(path, section, file).ok())
        return fallback;
    return profile_value(file->values, key, fallback);
}

bool write_profile_string(const QString& path, const QString& section, const QString& key,
                          const QString& value, QString* reason)
{
    if (const ProfileWrite refused{profile_entry_refusal(section, key, value), {}, {}}; !refused.ok()) {
        set_reason(reason, profile_refusal_text(refused));
        return false;
    }
    KeptFile* file = nullptr;
    const FileError read = current_file(path, section, file);
    if (!read.ok() && read.failure != FileFailure::Missing) {
        set_reason(reason, read.reason);
        return false;
    }
    if (file) {
        // A value the file holds already needs no write (the switches at every start, the
        // geometry of a window not moved): no pass over the file, not a byte changed.
        if (file->values.value(folded_profile_name(key)) == value)
            return true;
        if (FileError writable = check_writable(path); !writable.ok()) {
            set_reason(reason, writable.reason);
            return false;
        }
    }
    ProfileWrite write = profile_with_value(file ? file->bytes : QByteArray(), section, key, value);
    if (!write.ok()) {
        set_reason(reason, profile_refusal_text(write));
        return false;
    }
    QString error;
    if (!write_file_atomically(path, write.bytes, &error)) {
        set_reason(reason, error);
        return false;
    }

    // What was written is what the next read finds, unless someone changes the file first.
    std::optional<KeptFile>& entry = kept();
    const std::optional<FileIdentity> identity = regular_file_identity(path);
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
