/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "ui/fonts.h"

#include <QStringList>

namespace kanjiaid::ui {

namespace {

// Japanese faces, best first. IPAPGothic is the metric twin of MS PGothic.
QStringList japaneseFamilies()
{
    return {
        QStringLiteral("ＭＳ Ｐゴシック"),
        QStringLiteral("MS PGothic"),
        QStringLiteral("IPAPGothic"),
        QStringLiteral("Noto Sans CJK JP"),
        QStringLiteral("VL PGothic"),
        QStringLiteral("Droid Sans Fallback"),
    };
}

// The face asked for, then Arial's metric twins (narrow enough for the fixed
// layout), then a wide sans, then the Japanese faces for any kanji.
QFont sansFont(const QString &designed, qreal pointSize, bool bold)
{
    QStringList families { designed, QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
        QStringLiteral("DejaVu Sans") };
    families += japaneseFamilies();
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont japaneseFont(qreal pointSize)
{
    QFont font;
    font.setFamilies(japaneseFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

QFont tahomaFont(qreal pointSize, bool bold)
{
    return sansFont(QStringLiteral("Tahoma"), pointSize, bold);
}

QFont lucidaFont(qreal pointSize, bool bold)
{
    return sansFont(QStringLiteral("Lucida Sans Unicode"), pointSize, bold);
}

QFont interfaceFont()
{
    return sansFont(QStringLiteral("Arial"), 7.5, false);
}

} // namespace kanjiaid::ui
