/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QStringView>

#include <array>

namespace kanjiaid {

inline constexpr int BuiltinRecordCount = 320;

// The built-in dictionary, one record line per element; element n - 1 is
// record n, in the text format that ParseRecords() splits.
extern const std::array<QStringView, BuiltinRecordCount> BuiltinRecords;

} // namespace kanjiaid
