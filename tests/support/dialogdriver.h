/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

// Answers the modal dialogs a handler opens with exec(), from a timer, and
// records what each one showed. Answers are used in order; a dialog with no
// answer left is accepted as it stands (OK).
class DialogDriver : public QObject
{
    Q_OBJECT

public:
    struct Seen
    {
        QString kind; // "message" or "input"
        QString title;
        QString text; // message text or input prompt
        bool modal = false;
        int buttons = 0; // message boxes: how many buttons it offered
    };

    // interval: how often to look for a dialog, in milliseconds.
    explicit DialogDriver(int interval = 5);

    // Type the reply into the next input box and press OK.
    void reply(const QString &text);
    // Press Cancel on the next input box.
    void cancel();

    [[nodiscard]] const QList<Seen> &seen() const { return m_seen; }

private:
    void poll();

    struct Answer
    {
        std::optional<QString> text; // nothing: cancel
    };
    QList<Answer> m_answers;
    QList<Seen> m_seen;
    QTimer m_timer;
};
