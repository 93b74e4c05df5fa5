/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QString>

class QLocale;

namespace kanjiaid {

// Installs the program's catalogue for the first of the locale's interface
// languages that the program speaks, and returns that language ("id"):
// English, the language its texts are written in, needs no catalogue, and a
// language without one is passed over, so a locale with none of them gets
// English too ("en"). Replaces the catalogue an earlier call installed.
// Needs the application object.
QString installTranslation(const QLocale &locale);

} // namespace kanjiaid
