/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// Any reply to a browse prompt either changes nothing or names a record the
// browse buttons can step from: 1 to the record count, plus one after the
// first-record prompt.
#include "dictionary/recordreply.h"
#include "fuzzcheck.h"

using namespace kanjiaid;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const auto count = static_cast<qint16>(1 + (data[0] | (data[1] << 8)) % 2400);
    const QString reply = fuzzText(data + 2, size - 2);
    for (const BrowseEnd end : { BrowseEnd::Last, BrowseEnd::First }) {
        const RecordReply read = readRecordReply(reply, end, count);
        FUZZ_CHECK((read.kind == RecordReply::Kind::Unchanged) == reply.trimmed().isEmpty());
        if (read.kind != RecordReply::Kind::Accepted) {
            FUZZ_CHECK(read.record == 0);
            continue;
        }
        const int highest = end == BrowseEnd::First ? count + 1 : count;
        FUZZ_CHECK(read.record >= 1 && read.record <= highest);
    }
    return 0;
}
