#pragma once
// The record a desktop trash keeps of each file it holds (the ".trashinfo" file), and the
// names its entries get, as every file manager reads them back.

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>

// A path as the record's "Path=" holds it: every byte but ASCII letters, digits, "/" and
// "-_.!~*'()" as %XX, so "%", blanks, non-ASCII and bytes that are not UTF-8 come back exact.
QByteArray trash_escaped_path(QByteArrayView raw_path);

// The whole record: the section, the escaped path (absolute for the home trash, relative to
// the volume's top folder for a volume's trash) and the deletion time in local time.
QByteArray trash_info_text(QByteArrayView raw_path, const QDateTime& deleted);

// The name of a trash entry, the file's name for the first try and "name.2", "name.3", … for
// the next, cut at a character boundary so that the record's name (with ".trashinfo") stays
// within the 255 bytes a file name may have.
QByteArray trash_entry_name(QByteArrayView name, int attempt);

inline constexpr QByteArrayView kTrashInfoSuffix = ".trashinfo";
