// Fuzzes the album reader on real files: the input is the album file's bytes. Properties:
// a read gives at most the lines asked for, the same lines the line reader finds in the
// bytes; loaded into a play list, saved and read again, the entries come back unchanged.

#include "album_file.h"
#include "fuzz_check.h"
#include "play_list.h"
#include "text_lines.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

const QTemporaryDir& work_dir()
{
    static const QTemporaryDir dir;
    return dir;
}

void write_bytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FUZZ_CHECK(work_dir().isValid());
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = work_dir().filePath(QStringLiteral("in.alb"));
    write_bytes(path, bytes);

    const AlbumLines album = read_album(path, kListCapacity);
    FUZZ_CHECK(album.lines.size() <= kListCapacity);
    QBuffer buffer;
    buffer.setData(bytes);
    const TextLines lines = read_text_lines(buffer, kListCapacity, kAlbumMaxLineBytes);
    FUZZ_CHECK_EQ(album.ok, !lines.line_too_long);
    FUZZ_CHECK_EQ(album.lines, lines.lines);

    PlayList list;
    load_entries(list, album.lines);
    const QString saved = work_dir().filePath(QStringLiteral("out.alb"));
    FUZZ_CHECK(write_album(saved, list));
    const AlbumLines again = read_album(saved, kListCapacity);
    FUZZ_CHECK(again.ok);
    FUZZ_CHECK_EQ(again.lines, entries_in_use(list));
    return 0;
}
