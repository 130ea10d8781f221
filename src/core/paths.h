#pragma once
// Joining folders and file names the way the program always has.

#include <QString>

// A file in a listed folder: the folder with one trailing separator dropped, a separator,
// the name. So a root folder gives a single separator ("/" + "a.rav" = "/a.rav").
QString join_folder_file(const QString& folder, const QString& name);

// The program's own files: start folder, separator, name, joined without dropping
// anything (a root start folder gives a doubled separator, which still names the file).
QString own_file_path(const QString& start_dir, const QString& name);

// The program's own files in the start folder: the settings, the definition file, the
// trial tune and the help text.
inline const QString kSettingsFileName = QStringLiteral("ravfiler.ini");
inline const QString kDefinitionFileName = QStringLiteral("ravuconf.rav");
inline const QString kTrialTuneFileName = QStringLiteral("ravutmp.rav");
inline const QString kHelpTextFileName = QStringLiteral("ravfiler.txt");
