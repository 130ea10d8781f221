#pragma once
// The two Japanese fonts of the program's windows, with fallbacks where they are missing,
// and captions made to fit the controls' designed sizes in whichever font is installed.

#include <QFont>

class QWidget;

QFont fixed_japanese_font();        // ＭＳ ゴシック 9 pt, else any CJK fixed-pitch font
QFont proportional_japanese_font(); // ＭＳ Ｐゴシック 9 pt, else any CJK proportional font

// Fits every caption of a window to its control's designed size. The fallback fonts have
// taller lines than the designed ones, so a control too low or too narrow for its caption
// gets the largest smaller size at which the caption is whole (all check boxes and option
// buttons of a window share one size); a box's indicator is no taller than the box, and a
// box takes clicks only on its indicator and caption, which end before the next control of
// its row. Call it once the controls are placed.
void fit_captions(QWidget& window);

// The largest size, not above the font's, at which text of this height shows whole in a
// line `height` pixels high (the status-bar panels).
QFont font_fitting_height(const QFont& font, int height);
