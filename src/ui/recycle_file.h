#pragma once
// Deleting a file: the program's own confirmation, then a move to the desktop trash.

#include <QString>

class QWidget;
class Dialogs;
class SystemServices;

enum class RecycleResult { Moved, Declined, Missing, Failed };

// Asks with a Yes/No box naming the file, then moves it to the trash. A missing file or a
// failed move is reported in a message box; nothing is ever erased outright.
RecycleResult recycle_file(Dialogs& dialogs, SystemServices& system, QWidget* parent, const QString& path);
