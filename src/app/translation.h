/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

class QLocale;

namespace kanjiaid {

// Installs the program's catalogue for the first of the locale's interface
// languages that the program speaks: English, the language its texts are
// written in, needs no catalogue, and a language without one is passed over,
// so a locale with none of them gets English too. Replaces the catalogue an
// earlier call installed. Needs the application object.
void installTranslation(const QLocale &locale);

} // namespace kanjiaid
