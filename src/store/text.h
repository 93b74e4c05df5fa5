/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QString>

namespace kanjiaid {

// Removes leading and trailing U+0020 spaces only; other white space, the
// ideographic space U+3000 included, belongs to the text.
[[nodiscard]] inline QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace kanjiaid
