/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QString>

namespace kanjiaid {

// Which browse prompt a reply answers. The two prompts store differently:
// after the last-record prompt the record becomes the number typed, after the
// first-record prompt the number typed plus one.
enum class BrowseEnd { Last, First };

struct RecordReply
{
    enum class Kind {
        Unchanged, // cancelled, empty or spaces only: nothing to do, nothing to say
        Invalid, // not a number, or a number outside 1 to the record count
        Accepted, // record holds the new current record
    };
    Kind kind = Kind::Unchanged;
    qint16 record = 0;
};

// Rounds to the nearest whole number, halves to the even neighbour.
[[nodiscard]] double roundHalfEven(double value);

// Reads a reply to a browse prompt. A reply is accepted only when it reads as
// a finite number (surrounding spaces allowed, C locale) whose rounded value
// lies in 1 to recordCount and whose stored value lies in 1 to
// recordCount + 1, so the current record never leaves 0 to recordCount + 1.
[[nodiscard]] RecordReply readRecordReply(const QString &reply, BrowseEnd end, qint16 recordCount);

} // namespace kanjiaid
