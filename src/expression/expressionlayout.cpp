/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "expression/expressionlayout.h"

#include <algorithm>

namespace kanjiaid {

ExpressionLayout layoutExpression(const QString &expression, int limit)
{
    ExpressionLayout layout;
    const auto add = [&layout, limit](const QString &character) {
        if (layout.characters.size() < limit)
            layout.characters.append(character);
        else
            layout.truncated = true;
    };

    const qsizetype size = expression.size();
    for (qsizetype i = 0; i < size && !layout.truncated; ++i) {
        const QChar ch = expression.at(i);
        if (ch == u'\n' && (i == 0 || expression.at(i - 1) != u'\r')) {
            add(QStringLiteral("\r"));
            add(QStringLiteral("\n"));
        } else if (ch.isHighSurrogate() && i + 1 < size && expression.at(i + 1).isLowSurrogate()) {
            add(expression.mid(i, 2));
            ++i;
        } else {
            add(QString(ch));
        }
    }
    return layout;
}

int lookupKanji(const KanjiTable &table, qint16 recordCount, const QString &character)
{
    if (character.isEmpty())
        return 0;
    const int lastRow = std::min<int>(recordCount, KanjiTable::LastRow);
    for (int row = 1; row <= lastRow; ++row) {
        if (table(row, KanjiColumn) == character)
            return row;
    }
    return 0;
}

QString kanjiSummary(const KanjiTable &table, int row)
{
    const QString separator = QStringLiteral("; ");
    return table(row, KunyomiColumn) + separator + table(row, OnyomiColumn) + separator
        + table(row, EnglishColumn);
}

} // namespace kanjiaid
