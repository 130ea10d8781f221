#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

QFont first_installed(const QStringList& families, bool fixed)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family)) {
            QFont font(family, 9);
            font.setFixedPitch(fixed);
            return font;
        }
    }
    QFont font(families.first(), 9);
    font.setFamilies(families);
    font.setFixedPitch(fixed);
    if (fixed)
        font.setStyleHint(QFont::Monospace);
    return font;
}

} // namespace

QFont fixed_japanese_font()
{
    return first_installed({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                            QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans Mono CJK SC")},
                           true);
}

QFont proportional_japanese_font()
{
    return first_installed({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                            QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans CJK SC")},
                           false);
}
