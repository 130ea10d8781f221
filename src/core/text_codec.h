#pragma once
// Code pages of the program's text files: UTF-8 or CP932 (Shift-JIS as Windows has it).

#include <QByteArray>
#include <QString>

enum class TextCodec { Utf8, Cp932 };

// True when bytes are well-formed UTF-8 (a leading BOM included). With complete = false the
// bytes are only the start of a file: a multibyte sequence cut off by the end of the bytes
// (a lead byte followed by fewer continuation bytes than it announces) is left out of the
// judgement, since the rest of the file may complete it.
bool is_valid_utf8(const QByteArray& bytes, bool complete = true);

// The code page of a text file from its bytes, or from its first bytes (complete = false;
// a cut UTF-8 sequence at the very end is then ignored as above). UTF-8 when the bytes start
// with a UTF-8 BOM, or are valid UTF-8 and hold a byte above 0x7F; else CP932, which also
// covers plain ASCII (the two agree there).
TextCodec detect_text_codec(const QByteArray& bytes, bool complete = true);

// Bytes in the given code page to text; a UTF-8 BOM at the start is dropped. Bytes that do
// not fit the code page become replacement characters; nothing is refused.
QString decode_as(const QByteArray& bytes, TextCodec codec);

// Bytes of a text file to text, in the code page detect_text_codec picks.
QString decode_text(const QByteArray& bytes);

// True when every character of text has its own CP932 code, so CP932 bytes read back as
// the same text (no substitute, no look-alike mapping).
bool cp932_can_encode(const QString& text);

// Text to the bytes of a text file: CP932 when the bytes read back as the same text,
// otherwise the whole text as UTF-8 behind a BOM, so nothing is lost.
QByteArray encode_text(const QString& text);
