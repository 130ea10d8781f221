#pragma once
// Text shown on one line: control characters appear as their control pictures, so a name
// holding a line break is shown whole instead of cut or spread over lines.

#include <QString>

// U+0000..U+001F become U+2400..U+241F, DEL becomes U+2421, and the Unicode line and
// paragraph separators become U+2424; everything else stays.
QString visible_controls(const QString& text);
