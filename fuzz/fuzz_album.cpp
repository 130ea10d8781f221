// Fuzzes the album reader and writer in memory: the input is the album file's bytes.
// Properties: a read gives at most the lines asked for, the lines the line reader finds in
// the bytes up to the first empty one; loaded into a play list, saved and read again, the
// entries come back unchanged.

#include "album_file.h"
#include "fuzz_check.h"
#include "play_list.h"
#include "text_lines.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    const AlbumLines album = read_album(file, kListCapacity);
    FUZZ_CHECK(album.lines.size() <= kListCapacity);
    FUZZ_CHECK(!album.lines.contains(QString()));

    // The same lines as the line reader finds up to the first empty one, each decoded in one
    // code page (the album read may stop early and judge the code page on what it has read).
    QBuffer again_file(&bytes);
    const TextLines lines = read_text_lines(again_file, kListCapacity, kAlbumMaxLineBytes);
    const qsizetype empty = lines.lines.indexOf(QString());
    const qsizetype names = empty < 0 ? lines.lines.size() : empty;
    const auto decoded = [&](TextCodec codec) {
        return split_text_lines(decode_as(lines.bytes, codec)).mid(0, names);
    };
    if (album.lines != lines.lines.first(names))
        FUZZ_CHECK(album.lines == decoded(TextCodec::Utf8) || album.lines == decoded(TextCodec::Cp932));
    FUZZ_CHECK_EQ(album.ok, !lines.line_too_long || empty >= 0);

    PlayList list;
    load_entries(list, album.lines);
    QByteArray saved = album_bytes(list);
    QBuffer saved_file(&saved);
    const AlbumLines again = read_album(saved_file, kListCapacity);
    FUZZ_CHECK(again.ok);
    FUZZ_CHECK_EQ(again.lines, entries_in_use(list));
    return 0;
}
