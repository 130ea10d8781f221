#pragma once
// The program's line rule on raw bytes: a line ends at CR LF, at a lone CR or at a lone LF,
// the line end not part of the line; a last line without a line end still counts. CR and LF
// never occur inside a multibyte character of UTF-8 or CP932, so lines are found before the
// code page is known.

#include <QByteArrayView>

#include <algorithm>
#include <cstring>

// One line: its text is bytes [begin, end), the next line starts at next.
struct ByteLine {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype next = 0;
};

// Calls visit(line) for each line of bytes from byte from on, until visit returns false.
template <typename Visit>
void for_each_line(QByteArrayView bytes, Visit visit, qsizetype from = 0)
{
    // Each of CR and LF is searched for once over the bytes, so a file with one kind of line
    // end never makes the search for the other go over the rest of it again and again.
    const qsizetype size = bytes.size();
    qsizetype cr = -2, lf = -2; // the next one at or after begin; -1: none left; -2: not known
    const auto next = [&](qsizetype& at, char byte, qsizetype begin) {
        if (at == -1 || at >= begin)
            return at;
        const void* hit = std::memchr(bytes.data() + begin, byte, size_t(size - begin));
        at = hit ? static_cast<const char*>(hit) - bytes.data() : -1;
        return at;
    };
    for (qsizetype begin = from; begin < size;) {
        const qsizetype at_cr = next(cr, '\r', begin), at_lf = next(lf, '\n', begin);
        const qsizetype end = at_cr < 0 || at_lf < 0 ? std::max(at_cr, at_lf) : std::min(at_cr, at_lf);
        ByteLine line{begin, size, size};
        if (end >= 0)
            line = {begin, end,
                    end + (bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n' ? 2 : 1)};
        if (!visit(line))
            return;
        begin = line.next;
    }
}
