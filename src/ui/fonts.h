/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QFont>
#include <QStringList>

namespace kanjiaid::ui {

// Every font of both windows comes from here. Each role names the family the
// layout was designed with first, then faces with the same metrics or the
// same character coverage that Linux desktops ship, so kanji never render as
// empty boxes and captions keep fitting their controls.
enum class FontRole {
    Japanese, // the Japanese proportional Gothic, wherever kanji are typed or shown
    Interface, // the windows' default user-interface font
    Tahoma, // "Tahoma", as the title asks for it
    LucidaSansUnicode, // "Lucida Sans Unicode", as the expression window asks for it
};

// The families a role asks for, best first.
[[nodiscard]] QStringList preferredFamilies(FontRole role);

// Of the families a role asks for, those among the installed ones (as
// QFontDatabase::families() lists them), best first. Qt searches every absent
// family it is given and builds a fallback list for it, so the fonts name only
// families that exist. When none of them is installed, the whole list stands,
// for Qt's own fallback to find what covers the text.
[[nodiscard]] QStringList resolveFamilies(FontRole role, const QStringList &installed);

// Adds the faces built into the program, which it carries only for a
// platform that offers none of its own (a browser). Call it before the first
// font is asked for: the families are resolved once.
void addBundledFonts();

// Fonts of the roles, resolved against the installed families once per run.
[[nodiscard]] QFont japaneseFont(qreal pointSize);
[[nodiscard]] QFont tahomaFont(qreal pointSize, bool bold);
[[nodiscard]] QFont lucidaFont(qreal pointSize, bool bold = false);

// The windows' default user-interface font, for every control without a font
// of its own: 7.5 pt, the largest at which every caption fits its control.
[[nodiscard]] QFont interfaceFont();

} // namespace kanjiaid::ui
