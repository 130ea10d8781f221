#pragma once
// What the runner of a Windows player needs from the system: the runner program itself and
// the drives of its prefix, read from the prefix's drive links without starting anything.

#include "player_runner.h"

#include <QList>
#include <QString>

// The prefix the runner uses: $WINEPREFIX when set and absolute, else ~/.wine.
QString runner_prefix();

// The drives of a prefix from its "dosdevices/<letter>:" links, relative targets taken from
// the links' folder. A prefix the runner has not made yet gets the one drive it will make
// for the whole file system, Z: at "/".
QList<DriveLink> prefix_drives(const QString& prefix);

// The program as the system would start it: a name looked up on PATH, a path as it is; empty
// when there is no such executable file.
QString runner_program(const QString& runner);
