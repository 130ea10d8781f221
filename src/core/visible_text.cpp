#include "visible_text.h"

#include <QList>

QString visible_controls(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown) {
        const char16_t u = c.unicode();
        if (u < 0x20)
            c = QChar(static_cast<char16_t>(0x2400 + u));
        else if (u == 0x7F)
            c = QChar(0x2421);
        else if (u == 0x2028 || u == 0x2029)
            c = QChar(0x2424);
    }
    return shown;
}

QString code_points(const QString& text)
{
    QString codes;
    for (const char32_t point : text.toUcs4())
        codes += QStringLiteral("U+%1").arg(uint(point), 4, 16, QLatin1Char('0')).toUpper();
    return codes;
}
