#pragma once
// Album files: the play list, one bare file name a line, every line ending in CR LF.

#include "app_state.h"

#include <QString>

// The album's text: the entries in use, at most list_capacity, each followed by CR LF.
QString album_text(const PlayList& list);
