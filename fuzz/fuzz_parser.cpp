/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// Record lines and record counts of any kind: every store stays inside the
// table, and every line lands in its row field by field.
#include "fuzzcheck.h"
#include "store/kanjitable.h"

#include <QStringList>

#include <algorithm>
#include <memory>

using namespace kanjiaid;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const auto table = std::make_unique<KanjiTable>();
    if (size < 2)
        return 0;
    // The count may be anything a 16-bit integer holds; the lines come after it.
    const auto count = static_cast<qint16>(data[0] | (data[1] << 8));
    const QStringList lines = fuzzText(data + 2, size - 2).split(u'\n');
    const int rows = std::min<int>({ count, KanjiTable::LastRow, int(lines.size()) });
    for (int r = 1; r <= rows; ++r)
        table->store(r, LevelColumn, lines.at(r - 1));

    ParseRecords(*table, count);

    for (int r = 1; r <= rows; ++r) {
        const QString &line = lines.at(r - 1);
        const QStringList fields = line.split(u',');
        FUZZ_CHECK((*table)(r, 0).isEmpty());
        for (int c = 1; c < LevelColumn; ++c)
            FUZZ_CHECK((*table)(r, c) == fields.value(c - 1));
        const QString last = fields.size() >= LevelColumn
            ? QStringList(fields.mid(LevelColumn - 1)).join(u',')
            : line;
        FUZZ_CHECK((*table)(r, LevelColumn) == last);
    }
    for (int c = 0; c <= KanjiTable::LastColumn; ++c) {
        FUZZ_CHECK((*table)(0, c).isEmpty());
        if (rows < KanjiTable::LastRow)
            FUZZ_CHECK((*table)(rows + 1, c).isEmpty());
    }

    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= LevelColumn; ++c)
            table->store(r, c, QString());
    }
    return 0;
}
