/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace kanjiaid::ui {

// Dialogs are drawn in the desktop's own font, whatever the application's.

// A modal message box with one OK button; returns when the user closes it.
void showMessage(QWidget *parent, const QString &title, const QString &text);

// A modal input box with OK and Cancel and an empty text field. Returns the
// typed text, or nothing when the user cancels.
[[nodiscard]] std::optional<QString> askText(
    QWidget *parent, const QString &title, const QString &prompt);

} // namespace kanjiaid::ui
