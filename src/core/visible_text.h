#pragma once
// Text shown on one line: control characters appear as their control pictures, so a name
// holding a line break is shown whole instead of cut or spread over lines; a character that
// may not show at all is named by its code.

#include <QString>

// U+0000..U+001F become U+2400..U+241F, DEL becomes U+2421, and the Unicode line and
// paragraph separators become U+2424; everything else stays.
QString visible_controls(const QString& text);

// The code of each character of text, e.g. "U+3042" for "あ", "U+1F600" for an emoji.
QString code_points(const QString& text);
