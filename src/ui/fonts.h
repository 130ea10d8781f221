#pragma once
// The two Japanese fonts of the program's windows, with fallbacks where they are missing.

#include <QFont>

QFont fixed_japanese_font();        // ＭＳ ゴシック 9 pt, else any CJK fixed-pitch font
QFont proportional_japanese_font(); // ＭＳ Ｐゴシック 9 pt, else any CJK proportional font
