/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QString>

#include <array>

namespace kanjiaid {

// The ten forms, in the order of their rows in the window.
enum class VerbForm : int {
    Dictionary,
    Masu,
    Ta,
    Te,
    Imperative,
    Conditional,
    Volitional,
    Nai,
    Passive,
    Causative,
};

inline constexpr std::size_t VerbFormCount = 10;

using FormTicks = std::array<bool, VerbFormCount>;
using FormTexts = std::array<QString, VerbFormCount>;

// Conjugates a verb typed in romaji by its final letters. Only ticked forms
// are filled; the others stay empty, and a form never depends on which other
// forms are ticked. A form whose rule would cut more letters than the verb
// has (empty text; one letter for the ta and te forms) stays empty.
[[nodiscard]] FormTexts conjugate(const QString &typed, const FormTicks &ticks);

// All ten forms.
[[nodiscard]] FormTexts conjugateAll(const QString &typed);

} // namespace kanjiaid
