#pragma once
// The drives of a Windows player's runner, read from its prefix's drive links without
// starting anything.

#include "player_runner.h"

#include <QList>
#include <QString>

// The prefix the runner uses: $WINEPREFIX when set and absolute, else ~/.wine.
QString runner_prefix();

// The drives of a prefix from its "dosdevices/<letter>:" links, relative targets taken from
// the links' folder. A prefix the runner has not made yet gets the one drive it will make
// for the whole file system, Z: at "/".
QList<DriveLink> prefix_drives(const QString& prefix);
