#include "profile_store.h"

#include "atomic_file.h"
#include "profile_file.h"
#include "regular_file.h"

#include <QHash>

#include <optional>

namespace {

// The last profile file read or written, as it was then.
struct KeptFile {
    QString path;
    FileIdentity identity;
    QByteArray bytes;
    QHash<QString, ProfileSectionIndex> sections; // by folded name
};

std::optional<KeptFile>& kept()
{
    static std::optional<KeptFile> file;
    return file;
}

// The bytes of the regular file at path, from what is kept when the file is unchanged.
// Missing stays Missing so that a write can create the file.
FileError current_bytes(const QString& path, KeptFile*& file)
{
    file = nullptr;
    QFile opened;
    FileIdentity identity;
    if (FileError error = open_regular_file(opened, path, &identity); !error.ok())
        return error;
    std::optional<KeptFile>& entry = kept();
    if (entry && entry->path == path && entry->identity == identity) {
        file = &*entry;
        return {};
    }
    entry.reset();
    if (identity.size > kProfileFileMaxBytes)
        return file_error(FileFailure::TooLarge);
    KeptFile fresh{path, identity, {}, {}};
    if (FileError error = read_bounded(opened, kProfileFileMaxBytes, fresh.bytes); !error.ok())
        return error;
    entry = std::move(fresh);
    file = &*entry;
    return {};
}

void set_reason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

// The index of a section of the kept file, made at its first use.
ProfileSectionIndex& section_index(KeptFile& file, const QString& section)
{
    const QString name = folded_profile_name(section);
    auto index = file.sections.find(name);
    if (index == file.sections.end())
        index = file.sections.insert(name, ProfileSectionIndex(file.bytes, section));
    return *index;
}

} // namespace

QString read_profile_string(const QString& path, const QString& section, const QString& key,
                            const QString& fallback)
{
    KeptFile* file = nullptr;
    if (!current_bytes(path, file).ok())
        return fallback;
    QString value;
    switch (section_index(*file, section).find(key, &value)) {
    case ProfileSectionIndex::Lookup::Found:
        return value;
    case ProfileSectionIndex::Lookup::Missing:
        return fallback;
    case ProfileSectionIndex::Lookup::Unknown:
        break;
    }
    return profile_value(file->bytes, section, key, fallback);
}

bool write_profile_string(const QString& path, const QString& section, const QString& key,
                          const QString& value, QString* reason)
{
    KeptFile* file = nullptr;
    const FileError read = current_bytes(path, file);
    if (!read.ok() && read.failure != FileFailure::Missing) {
        set_reason(reason, read.reason);
        return false;
    }
    if (file) {
        // A value the file holds already needs no write (the switches at every start, the
        // geometry of a window not moved): no pass over the file, not a byte changed.
        QString current;
        if (profile_with_value(QByteArray(), section, key, value).ok()
            && section_index(*file, section).find(key, &current) == ProfileSectionIndex::Lookup::Found
            && current == value)
            return true;
        if (FileError writable = check_writable(path); !writable.ok()) {
            set_reason(reason, writable.reason);
            return false;
        }
    }
    const QByteArray old = file ? file->bytes : QByteArray();
    ProfileWrite write = profile_with_value(old, section, key, value);
    if (!write.ok()) {
        set_reason(reason, profile_refusal_text(write));
        return false;
    }
    if (file && write.bytes == old)
        return true; // the file already says so
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
        if (identity)
            entry = KeptFile{path, *identity, std::move(write.bytes), {}};
        return true;
    }
    entry->identity = *identity;
    entry->bytes = std::move(write.bytes);
    if (auto index = entry->sections.find(folded_profile_name(section)); index != entry->sections.end())
        index->set(key, value);
    return true;
}
