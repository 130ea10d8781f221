#pragma once
// Code pages of the program's text files: UTF-8 or CP932 (Shift-JIS as Windows has it).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

enum class TextCodec { Utf8, Cp932 };

inline constexpr QByteArrayView kUtf8Bom = "\xEF\xBB\xBF";

// CP932 itself, one file a system. Bytes to text: a byte or pair that is not CP932 becomes a
// substitute character (never dropped, a lead byte at the very end included); never fails.
QString cp932_decode(QByteArrayView bytes);
// Text to CP932 bytes, or nothing when a character has no CP932 code of its own (no best-fit
// or look-alike substitution at this level).
std::optional<QByteArray> cp932_encode(QStringView text);

// True when bytes are well-formed UTF-8 (a leading BOM included). With complete = false the
// bytes are only the start of a file: a multibyte sequence cut off by the end of the bytes
// (a lead byte followed by fewer continuation bytes than it announces) is left out of the
// judgement, since the rest of the file may complete it.
bool is_valid_utf8(QByteArrayView bytes, bool complete = true);

// True when a byte is above 0x7F.
bool has_non_ascii(QByteArrayView bytes);

// The code page of a text file from its bytes, or from its first bytes (complete = false;
// a cut UTF-8 sequence at the very end is then ignored as above). UTF-8 when the bytes start
// with a UTF-8 BOM, or are valid UTF-8 and hold a byte above 0x7F; else CP932, which also
// covers plain ASCII (the two agree there).
TextCodec detect_text_codec(QByteArrayView bytes, bool complete = true);

// Bytes in the given code page to text; a UTF-8 BOM at the start is dropped. Bytes that do
// not fit the code page become replacement characters; nothing is refused.
QString decode_as(QByteArrayView bytes, TextCodec codec);

// Bytes of a text file to text, in the code page detect_text_codec picks.
QString decode_text(QByteArrayView bytes);

// Text to the bytes of a text file: CP932 when the bytes read back as the same text,
// otherwise the whole text as UTF-8 behind a BOM, so nothing is lost.
QByteArray encode_text(const QString& text);

// The first character (a whole code point) of text that has no CP932 code of its own, or
// an empty text when there is none.
QString first_non_cp932_character(QStringView text);

// Text for the player, which reads CP932 only: the characters that input methods type where
// CP932 holds them under another code point (〜 U+301C, ‖ U+2016, − U+2212, ¢ U+00A2,
// £ U+00A3, ¬ U+00AC, — U+2014) are mapped to that code point first. Nothing when a
// character has no CP932 code; refused (when given) then holds the first such character.
std::optional<QByteArray> encode_for_player(QStringView text, QString* refused = nullptr);
