/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

// Answers the modal dialogs the program has open, when told to, and records
// what each one showed. A handler opens its box and returns; the test then
// calls answer(), as the student would answer before doing anything else.
// Answers are used in order; an input box with no answer left gets the
// standing reply, if one was given, and is otherwise accepted as it stands
// (OK), as is every message box.
//
// An answer still queued when the driver goes fails the running test: the
// handler did not ask what the test expected it to ask.
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
        QStringList buttonTexts; // as the buttons read, left to right
    };

    DialogDriver() = default;
    ~DialogDriver() override;
    Q_DISABLE_COPY_MOVE(DialogDriver)

    // Type the reply into the next input box and press OK.
    void reply(const QString &text);
    // Press Cancel on the next input box.
    void cancel();
    // Type the reply into every input box that finds no answer queued.
    void replyToEvery(const QString &text);
    // Answers every dialog open now, and those its answer opens, and
    // returns when none is left open (and the closed ones are gone).
    void answer();

    [[nodiscard]] const QList<Seen> &seen() const { return m_seen; }

private:
    void answer(QWidget *modal);

    struct Answer
    {
        std::optional<QString> text; // nothing: cancel
    };
    QList<Answer> m_answers;
    std::optional<QString> m_standing;
    QList<Seen> m_seen;
};
