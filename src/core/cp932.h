#pragma once
// CP932 (Shift-JIS as Windows has it): the same two functions on every system.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>
// Bytes to text. A byte or pair that is not CP932 becomes a substitute character (never dropped,
// a lead byte at the very end included); never fails.
QString cp932_decode(QByteArrayView bytes);
// Text to CP932 bytes, or nothing when a character has no CP932 code of its own
// (no best-fit or look-alike substitution at this level).
std::optional<QByteArray> cp932_encode(QStringView text);
