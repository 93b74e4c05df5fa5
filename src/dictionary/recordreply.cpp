/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "dictionary/recordreply.h"

#include <QLocale>

#include <cfenv>
#include <cmath>

namespace kanjiaid {

double roundHalfEven(double value)
{
    // nearbyint honours the current rounding mode; pin it for the call.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return rounded;
}

RecordReply readRecordReply(const QString &reply, BrowseEnd end, qint16 recordCount)
{
    const QString text = reply.trimmed();
    if (text.isEmpty())
        return {};

    const RecordReply invalid { RecordReply::Kind::Invalid, 0 };
    bool ok = false;
    const double number = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(number))
        return invalid;

    const double typed = roundHalfEven(number);
    const double stored = end == BrowseEnd::First ? roundHalfEven(number + 1.0) : typed;
    const double count = recordCount;
    if (typed < 1.0 || typed > count || stored < 1.0 || stored > count + 1.0)
        return invalid;
    return { RecordReply::Kind::Accepted, static_cast<qint16>(stored) };
}

} // namespace kanjiaid
