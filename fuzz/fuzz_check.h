#pragma once
// Checks inside fuzz targets: a failed property prints what differed and aborts, so that
// libFuzzer keeps the input as a crash file.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

inline QByteArray dump_text(const QByteArray& bytes) { return "bytes " + bytes.toHex(' '); }

inline QByteArray dump_text(const QString& text) { return "text " + text.toUtf8().toHex(' '); }

inline QByteArray dump_text(const QStringList& lines)
{
    QByteArray out = QByteArray::number(lines.size()) + " lines:";
    for (const QString& line : lines)
        out += "\n  " + dump_text(line);
    return out;
}

inline QByteArray dump_text(bool value) { return value ? "true" : "false"; }

inline QByteArray dump_text(qint64 value) { return QByteArray::number(value); }

inline QByteArray dump_text(int value) { return QByteArray::number(value); }

[[noreturn]] inline void fuzz_fail(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, what);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            fuzz_fail(#condition, __FILE__, __LINE__);                                                       \
    } while (false)

#define FUZZ_CHECK_EQ(actual, expected)                                                                      \
    do {                                                                                                     \
        const auto& fuzz_actual = (actual);                                                                  \
        const auto& fuzz_expected = (expected);                                                              \
        if (!(fuzz_actual == fuzz_expected)) {                                                               \
            std::fprintf(stderr, "actual:   %s\nexpected: %s\n", dump_text(fuzz_actual).constData(),         \
                         dump_text(fuzz_expected).constData());                                              \
            fuzz_fail(#actual " == " #expected, __FILE__, __LINE__);                                         \
        }                                                                                                    \
    } while (false)
