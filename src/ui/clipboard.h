/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QString>

#include <functional>

class QObject;

namespace kanjiaid::ui {

// Reads the text on the system's clipboard and hands it to received. A
// desktop answers before this returns. A browser answers later, from the
// event loop, once the student has allowed the page to read the clipboard,
// and not at all if context has gone by then; where it will not, what the
// program itself last copied or was given by a paste stands in.
void readClipboardText(QObject *context, std::function<void(const QString &)> received);

} // namespace kanjiaid::ui
