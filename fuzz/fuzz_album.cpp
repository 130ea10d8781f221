// Fuzzes the album reader and writer in memory: the input is the album file's bytes.
// Properties: a read gives the names the line rule finds in the bytes up to the first empty
// line (a first line of only a BOM is empty too), at most the list's capacity, and stops with
// a failure at a line too long for a name; loaded into a play list, saved and read again, the
// entries come back unchanged. (How lines are decoded is fuzz_text_lines' part.)

#include "album_file.h"
#include "fuzz_check.h"
#include "play_list.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

struct Names {
    qsizetype count = 0;
    bool too_long = false;
};

// The names an album read must find, from the raw bytes.
Names expected_names(const QByteArray& bytes)
{
    Names names;
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size && names.count < kListCapacity) {
        qsizetype end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        if (end - start > kAlbumMaxLineBytes) {
            names.too_long = true;
            break;
        }
        if (end == (start == 0 && bytes.startsWith("\xEF\xBB\xBF") ? 3 : start))
            break;
        ++names.count;
        if (end == size)
            break;
        start = end + (bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Unbuffered, as the program opens its files.
    QBuffer file(&bytes);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    const AlbumLines album = read_album(file, kListCapacity);
    const Names names = expected_names(bytes);
    FUZZ_CHECK_EQ(album.lines.size(), names.count);
    FUZZ_CHECK_EQ(album.ok, !names.too_long);
    for (const QString& name : album.lines)
        FUZZ_CHECK(is_listable_name(name));

    PlayList list;
    load_entries(list, album.lines);
    QByteArray saved = album_bytes(list);
    QBuffer saved_file(&saved);
    FUZZ_CHECK(saved_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    const AlbumLines again = read_album(saved_file, kListCapacity);
    FUZZ_CHECK(again.ok);
    FUZZ_CHECK_EQ(again.lines, entries_in_use(list));
    FUZZ_CHECK_EQ(again.lines, album.lines);
    return 0;
}
