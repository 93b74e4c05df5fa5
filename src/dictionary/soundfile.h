/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QDir>
#include <QString>

namespace kanjiaid {

// The sound file named after a kunyomi caption: spaces trimmed (trailing,
// then leading), then ".wav" appended.
[[nodiscard]] QString soundFileName(const QString &kunyomiCaption);

// Whether the sound file for the caption is an ordinary file directly inside
// the folder. The name is taken literally: "*" and "?" match only themselves,
// and a name that would reach outside the folder (a path separator, a drive
// letter's colon, a NUL) counts as missing.
[[nodiscard]] bool soundFileExists(const QString &kunyomiCaption, const QDir &folder);

} // namespace kanjiaid
