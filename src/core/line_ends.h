#pragma once
// Finding the line ends of the line rule (CR LF, a lone CR, a lone LF) in raw bytes. CR and
// LF never occur inside a multibyte character of UTF-8 or CP932, so lines can be found
// before the code page is known.

#include <QByteArrayView>

#include <algorithm>
#include <cstring>

// The next CR or LF in bytes that may grow at their end. Each kind of byte is searched for
// once over the bytes not searched yet, so a file with one kind of line end never makes the
// search for the other kind go over the rest of it again and again.
class LineEndFinder {
public:
    // The first CR or LF at or after from (from never goes back), or -1.
    qsizetype find(QByteArrayView bytes, qsizetype from)
    {
        const qsizetype cr = m_cr.next(bytes, from, '\r');
        const qsizetype lf = m_lf.next(bytes, from, '\n');
        if (cr < 0 || lf < 0)
            return std::max(cr, lf);
        return std::min(cr, lf);
    }

private:
    struct Next {
        qsizetype at = -1;      // where the byte is, or -1: not in the bytes searched
        qsizetype searched = 0; // the bytes before this have been searched
        qsizetype next(QByteArrayView bytes, qsizetype from, char byte)
        {
            if (at >= from)
                return at;
            const qsizetype start = std::max(from, searched);
            if (start >= bytes.size())
                return -1;
            const void* hit = std::memchr(bytes.data() + start, byte, size_t(bytes.size() - start));
            at = hit ? static_cast<const char*>(hit) - bytes.data() : -1;
            searched = at >= 0 ? at + 1 : bytes.size();
            return at;
        }
    };
    Next m_cr;
    Next m_lf;
};

// Where the line that ends at end (a CR or LF at end) is followed by the next line.
inline qsizetype after_line_end(QByteArrayView bytes, qsizetype end)
{
    return bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? end + 2 : end + 1;
}
