/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// Any query against the built-in records: the row found holds the query,
// after trimming spaces and lower-casing both, and no row before it does; a
// field typed back in any case with spaces around is always found.
#include "dictionary/wordsearch.h"
#include "fuzzcheck.h"

#include <memory>

using namespace kanjiaid;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static qint16 count = 0;
    static const auto table = [] {
        auto loaded = std::make_unique<KanjiTable>();
        loadBuiltinRecords(*loaded, count);
        return loaded;
    }();
    if (size < 2)
        return 0;
    const int column = (data[0] & 1U) != 0 ? EnglishColumn : KunyomiColumn;
    QString query = fuzzText(data + 2, size - 2);
    int typedBack = 0;
    if ((data[0] & 2U) != 0) { // a field of a record, typed back with capitals and spaces
        typedBack = 1 + data[1] % count;
        query = QString(data[1] % 3, u' ') + (*table)(typedBack, column).toUpper()
            + QStringLiteral("  ");
    }

    const int row = findRecord(*table, count, column, query);
    FUZZ_CHECK(row >= 0 && row <= count);
    const QString key = searchKey(query);
    for (int r = 1; r < (row == 0 ? count + 1 : row); ++r)
        FUZZ_CHECK(searchKey((*table)(r, column)) != key);
    if (row != 0)
        FUZZ_CHECK(searchKey((*table)(row, column)) == key);
    if (typedBack != 0)
        FUZZ_CHECK(row != 0 && row <= typedBack);
    return 0;
}
