/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QString>

#include <array>

namespace kanjiaid {

// Columns of a parsed record row.
enum RecordColumn : int {
    NumberColumn = 1, // " 1" … " 320", leading space kept
    KanjiColumn = 2,
    KunyomiColumn = 3,
    OnyomiColumn = 4,
    EnglishColumn = 5,
    IndonesianColumn = 6,
    ExampleColumn = 7,
    LevelColumn = 8, // the whole record line until it is parsed
};

// The record table: rows 0 to 2400 by columns 0 to 8, every cell starting
// empty. Row n holds record n; row 0 and column 0 are never used.
//
// Reads and stores outside the table are harmless by contract: a read gives
// the empty string and a store is refused, so no caller can corrupt memory
// whatever row or column it computes.
class KanjiTable
{
public:
    static constexpr int LastRow = 2400;
    static constexpr int LastColumn = 8;

    [[nodiscard]] static constexpr bool contains(int row, int column) noexcept
    {
        return row >= 0 && row <= LastRow && column >= 0 && column <= LastColumn;
    }

    [[nodiscard]] const QString &operator()(int row, int column) const noexcept;

    // Returns false, and changes nothing, outside the table.
    bool store(int row, int column, const QString &text);

private:
    static constexpr int CellCount = (LastRow + 1) * (LastColumn + 1);
    std::array<QString, CellCount> m_cells;
};

// Splits the record line held in column 8 of rows 1 to recordCount into
// columns 1 to 8 of the same row. Nothing is trimmed or converted.
//
// Beyond the record format: a ninth or later field stays in column 8 together
// with the commas before it (nothing of the line is lost), and rows above the
// table's last row are not visited.
void ParseRecords(KanjiTable &table, qint16 recordCount);

// Copies the built-in record lines into column 8 of rows 1 to 320, sets the
// count to 320 and parses them.
void loadBuiltinRecords(KanjiTable &table, qint16 &recordCount);

// The process-wide record table and its record count: empty until the
// dictionary window loads the built-in records into them, and read-only for
// everyone.
[[nodiscard]] const KanjiTable &KanjiData();
[[nodiscard]] qint16 RecordCount();

// Loads the built-in records into the process-wide table and count, the one
// place that writes them. Loading again gives the same table.
void loadBuiltinRecords();

} // namespace kanjiaid
