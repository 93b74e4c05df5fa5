/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "store/kanjitable.h"

#include "store/builtinrecords.h"

#include <algorithm>

namespace kanjiaid {

namespace {

constexpr int cellIndex(int row, int column) noexcept
{
    return row * (KanjiTable::LastColumn + 1) + column;
}

struct ProcessRecords
{
    KanjiTable table;
    qint16 count = 0;
};

ProcessRecords &processRecords()
{
    static ProcessRecords records;
    return records;
}

} // namespace

const QString &KanjiTable::operator()(int row, int column) const noexcept
{
    static const QString outside;
    if (!contains(row, column))
        return outside;
    return m_cells[cellIndex(row, column)];
}

bool KanjiTable::store(int row, int column, const QString &text)
{
    if (!contains(row, column))
        return false;
    m_cells[cellIndex(row, column)] = text;
    return true;
}

void ParseRecords(KanjiTable &table, qint16 recordCount)
{
    const int lastRow = std::min<int>(recordCount, KanjiTable::LastRow);
    for (int row = 1; row <= lastRow; ++row) {
        // Copied first: the final store replaces the line in column 8.
        const QString line = table(row, LevelColumn);
        qsizetype start = 0;
        int column = 1;
        for (; column < LevelColumn; ++column) {
            const qsizetype comma = line.indexOf(u',', start);
            if (comma < 0)
                break;
            table.store(row, column, line.mid(start, comma - start));
            start = comma + 1;
        }
        table.store(row, column, line.mid(start));
    }
}

void loadBuiltinRecords(KanjiTable &table, qint16 &recordCount)
{
    for (int n = 1; n <= BuiltinRecordCount; ++n)
        table.store(n, LevelColumn, BuiltinRecords[static_cast<std::size_t>(n - 1)].toString());
    recordCount = BuiltinRecordCount;
    ParseRecords(table, recordCount);
}

const KanjiTable &KanjiData()
{
    return processRecords().table;
}

qint16 RecordCount()
{
    return processRecords().count;
}

void loadBuiltinRecords()
{
    ProcessRecords &records = processRecords();
    loadBuiltinRecords(records.table, records.count);
}

} // namespace kanjiaid
