/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "dictionary/wordsearch.h"

#include <algorithm>

namespace kanjiaid {

QString searchKey(const QString &text)
{
    return trimSpaces(text).toLower();
}

int findRecord(const KanjiTable &table, qint16 recordCount, int column, const QString &typed)
{
    const QString query = searchKey(typed);
    const int lastRow = std::min<int>(recordCount, KanjiTable::LastRow);
    for (int row = 1; row <= lastRow; ++row) {
        if (searchKey(table(row, column)) == query)
            return row;
    }
    return 0;
}

} // namespace kanjiaid
