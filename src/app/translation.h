/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

class QLocale;

namespace kanjiaid {

// Installs the program's catalogue for the first of the locale's interface
// languages that the program speaks (English, the language its texts are
// written in, or Indonesian); a language it does not speak is passed over,
// so a locale with none of them gets English. Replaces the catalogue an
// earlier call installed. Needs the application object.
void installTranslation(const QLocale &locale);

} // namespace kanjiaid
