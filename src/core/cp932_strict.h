#pragma once
// CP932 on top of a converter that refuses a whole input for one fault in it (the system's own
// code page 932 on Windows): the rules that turn its all-or-nothing answers into those of
// cp932_decode and cp932_encode. Apart from the system calls, so that every system tests them.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

// The text, or nothing when any byte or pair in the input is not CP932 (a cut pair included).
using Cp932StrictDecode = std::function<std::optional<QString>(QByteArrayView)>;
// The bytes, or nothing when any character has no CP932 code (no best-fit substitution).
using Cp932StrictEncode = std::function<std::optional<QByteArray>(QStringView)>;

// Bytes to text with the strict decoder: whole when it takes them; otherwise line by line, and
// a line it refuses character by character, each refused byte or pair becoming U+FFFD.
QString cp932_decode_by_pieces(QByteArrayView bytes, const Cp932StrictDecode& decode);

// Text to bytes with the strict encoder; nothing when it refuses the text or when the bytes do
// not decode back to the very same text.
std::optional<QByteArray> cp932_encode_checked(QStringView text, const Cp932StrictEncode& encode,
                                               const Cp932StrictDecode& decode);
