/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kanjiaid::ui {

// Dialogs are drawn in the desktop's own font, whatever the application's.
//
// Both open a box modal to the whole program and return at once: no caller
// waits in a nested event loop, which a browser cannot run. What follows
// the user's answer is the caller's continuation. A box is deleted once
// closed, and with its parent.

// A message box with one OK button.
void showMessage(QWidget *parent, const QString &title, const QString &text);

// An input box with OK and Cancel and an empty text field. On OK, accepted
// is called with the typed text; on Cancel nothing is called. It is never
// called once the parent has gone.
void askText(QWidget *parent, const QString &title, const QString &prompt,
    std::function<void(const QString &)> accepted);

} // namespace kanjiaid::ui
