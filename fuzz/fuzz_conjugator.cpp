/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// Any text through the conjugation rules: forms only for ticked boxes, the
// same whichever other boxes are ticked, bounded in length, and made of the
// text's own letters and the letters of the fixed endings.
#include "expression/conjugator.h"
#include "fuzzcheck.h"

using namespace kanjiaid;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    FormTicks ticks {};
    const unsigned mask = data[0] | (data[1] << 8);
    for (std::size_t i = 0; i < VerbFormCount; ++i)
        ticks[i] = (mask >> i & 1U) != 0;
    const QString typed = fuzzText(data + 2, size - 2);

    const FormTexts some = conjugate(typed, ticks);
    const FormTexts all = conjugateAll(typed);
    const QString letters = typed.toLower() + QStringLiteral("abcdeghikmnorstuwy");
    for (std::size_t i = 0; i < VerbFormCount; ++i) {
        FUZZ_CHECK(some[i] == (ticks[i] ? all[i] : QString()));
        FUZZ_CHECK(all[i].size() <= typed.size() + 8);
        for (const QChar ch : all[i])
            FUZZ_CHECK(letters.contains(ch));
    }
    return 0;
}
