/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QFont>

namespace kanjiaid::ui {

// Every font of both windows comes from here. Each names the family the
// layout was designed with first, then faces with the same metrics or the
// same character coverage that Linux desktops ship, so kanji never render as
// empty boxes and captions keep fitting their controls.

// The Japanese proportional Gothic used wherever kanji are typed or shown.
[[nodiscard]] QFont japaneseFont(qreal pointSize);

// "Tahoma" and "Lucida Sans Unicode", as the title and the expression window
// ask for them.
[[nodiscard]] QFont tahomaFont(qreal pointSize, bool bold);
[[nodiscard]] QFont lucidaFont(qreal pointSize, bool bold = false);

// The windows' default user-interface font, for every control without a font
// of its own: 7.5 pt, the largest at which every caption fits its control.
[[nodiscard]] QFont interfaceFont();

} // namespace kanjiaid::ui
