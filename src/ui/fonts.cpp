/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "ui/fonts.h"

#include <QDirIterator>
#include <QFontDatabase>

#include <array>

namespace kanjiaid::ui {

namespace {

// Japanese faces, best first. IPAPGothic is the metric twin of MS PGothic,
// which Windows also lists under its Japanese name.
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
QStringList sansFamilies(const QString &designed)
{
    return QStringList { designed, QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
        QStringLiteral("DejaVu Sans") }
    + japaneseFamilies();
}

// A family that several foundries make is listed with its foundry in
// brackets: "Noto Sans [GOOG]".
QString withoutFoundry(const QString &listed)
{
    const qsizetype bracket = listed.indexOf(QStringLiteral(" ["));
    return bracket < 0 ? listed : listed.left(bracket);
}

constexpr std::array Roles
    = { FontRole::Japanese, FontRole::Interface, FontRole::Tahoma, FontRole::LucidaSansUnicode };

// Resolved on first use: the installed families are read once, as asking the
// font database about one family at a time costs more than the search it
// would save.
const QStringList &resolvedFamilies(FontRole role)
{
    static const std::array<QStringList, Roles.size()> resolved = [] {
        const QStringList installed = QFontDatabase::families();
        std::array<QStringList, Roles.size()> families;
        for (const FontRole each : Roles)
            families[static_cast<std::size_t>(each)] = resolveFamilies(each, installed);
        return families;
    }();
    return resolved[static_cast<std::size_t>(role)];
}

QFont roleFont(FontRole role, qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies(resolvedFamilies(role));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QStringList preferredFamilies(FontRole role)
{
    switch (role) {
    case FontRole::Japanese:
        return japaneseFamilies();
    case FontRole::Interface:
        return sansFamilies(QStringLiteral("Arial"));
    case FontRole::Tahoma:
        return sansFamilies(QStringLiteral("Tahoma"));
    case FontRole::LucidaSansUnicode:
        return sansFamilies(QStringLiteral("Lucida Sans Unicode"));
    }
    return {};
}

QStringList resolveFamilies(FontRole role, const QStringList &installed)
{
    QStringList names;
    names.reserve(installed.size());
    for (const QString &listed : installed)
        names.append(withoutFoundry(listed));
    const QStringList preferred = preferredFamilies(role);
    QStringList resolved;
    for (const QString &family : preferred) {
        if (names.contains(family, Qt::CaseInsensitive))
            resolved.append(family);
    }
    return resolved.isEmpty() ? preferred : resolved;
}

void addBundledFonts()
{
    QDirIterator faces(QStringLiteral(":/kanjiaid-fonts"), QDir::Files);
    while (faces.hasNext())
        QFontDatabase::addApplicationFont(faces.next());
}

QFont japaneseFont(qreal pointSize)
{
    return roleFont(FontRole::Japanese, pointSize, false);
}

QFont tahomaFont(qreal pointSize, bool bold)
{
    return roleFont(FontRole::Tahoma, pointSize, bold);
}

QFont lucidaFont(qreal pointSize, bool bold)
{
    return roleFont(FontRole::LucidaSansUnicode, pointSize, bold);
}

QFont interfaceFont()
{
    return roleFont(FontRole::Interface, 7.5, false);
}

} // namespace kanjiaid::ui
