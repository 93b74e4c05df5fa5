/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QCoreApplication>
#include <QString>

namespace kanjiaid {

// The one title every message box and input box of the program carries.
// Window captions are the windows' own and never include it.
[[nodiscard]] inline QString applicationTitle()
{
    //: Title of every message box and input box
    return QCoreApplication::translate("kanjiaid", "Kanji Learning Program");
}

} // namespace kanjiaid
