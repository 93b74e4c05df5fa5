/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// Any UTF-16, lone surrogates and huge pastes included: at most 60 characters
// laid out, in order, with line breaks as CR LF and no surrogate pair split.
#include "expression/expressionlayout.h"
#include "fuzzcheck.h"

#include <algorithm>
#include <cstring>
#include <iterator>

using namespace kanjiaid;

namespace {

// The text as the grid counts it: every line feed after a carriage return.
QString withCrLf(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n' && (i == 0 || text.at(i - 1) != u'\r'))
            out += u'\r';
        out += text.at(i);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The bytes after the first, as UTF-16 code units: copied rather than
    // read in place, as they start at an odd address.
    const auto count = static_cast<qsizetype>((size - 1) / 2);
    QString text(count, Qt::Uninitialized);
    std::memcpy(text.data(), data + 1, static_cast<std::size_t>(count) * sizeof(QChar));
    if ((data[0] & 1U) != 0) {
        // A paste of a megabyte: the input, then text of every kind. Built
        // once and overwritten in place, so a long paste costs no copy.
        static QChar paste[1 << 20];
        static const bool filled = [] {
            const QString pattern = QStringLiteral("日本語\n𠮷a\r");
            for (std::size_t i = 0; i < std::size(paste); ++i)
                paste[i] = pattern.at(static_cast<qsizetype>(i) % pattern.size());
            return true;
        }();
        Q_UNUSED(filled);
        const qsizetype head = std::min<qsizetype>(count, std::size(paste));
        std::copy(text.cbegin(), text.cbegin() + head, paste);
        text = QString::fromRawData(paste, std::size(paste));
    }

    const ExpressionLayout layout = layoutExpression(text, 60);
    FUZZ_CHECK(layout.characters.size() <= 60);
    const QString joined = layout.characters.join(QString());
    // Sixty characters take at most 120 code units, so this much of the text
    // tells whether anything was left out.
    const QString expected = withCrLf(text.left(124));
    FUZZ_CHECK(expected.startsWith(joined));
    FUZZ_CHECK(layout.truncated == (joined.size() < expected.size()));
    for (const QString &character : layout.characters) {
        FUZZ_CHECK(character.size() == 1 || character.size() == 2);
        if (character.size() == 2)
            FUZZ_CHECK(character.at(0).isHighSurrogate() && character.at(1).isLowSurrogate());
    }
    // A high surrogate alone in a label must not have had its partner next.
    qsizetype at = 0;
    for (const QString &character : layout.characters) {
        at += character.size();
        if (character.size() == 1 && character.at(0).isHighSurrogate() && at < expected.size())
            FUZZ_CHECK(!expected.at(at).isLowSurrogate());
    }
    return 0;
}
