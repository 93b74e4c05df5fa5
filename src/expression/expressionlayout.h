/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include "store/kanjitable.h"

#include <QString>
#include <QStringList>

namespace kanjiaid {

struct ExpressionLayout
{
    QStringList characters; // at most the limit, one per grid label
    bool truncated = false; // the expression had more characters than the limit
};

// Splits an expression into the characters the grid shows, at most `limit`.
//
// A line break counts as the carriage return and line feed pair: a lone LF
// (as a text box reports every line break) takes two places, "\r" and "\n".
// A surrogate pair is one character and stays whole in one place; a lone
// surrogate is a character of its own. The text is read only as far as it
// takes to know whether it exceeds the limit, so a huge paste costs no more
// than a short one.
[[nodiscard]] ExpressionLayout layoutExpression(const QString &expression, int limit);

// The first row, from row 1 upward, whose kanji field equals the character
// exactly (same UTF-16 code units); 0 when none does.
[[nodiscard]] int lookupKanji(
    const KanjiTable &table, qint16 recordCount, const QString &character);

// "kunyomi; onyomi; English" of a row, the fields as stored.
[[nodiscard]] QString kanjiSummary(const KanjiTable &table, int row);

} // namespace kanjiaid
