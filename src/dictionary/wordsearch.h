/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include "store/kanjitable.h"
#include "store/text.h"

#include <QString>

namespace kanjiaid {

// The form in which a query and a record field are compared: spaces trimmed,
// then lower-cased.
[[nodiscard]] QString searchKey(const QString &text);

// Scans rows 1 to recordCount of the table and returns the first row whose
// field in the given column equals the query after both went through
// searchKey(); 0 when no row matches. The whole field is compared.
[[nodiscard]] int findRecord(
    const KanjiTable &table, qint16 recordCount, int column, const QString &typed);

} // namespace kanjiaid
