/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "support/dialogdriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>

#include <algorithm>

DialogDriver::~DialogDriver()
{
    if (!m_answers.isEmpty() && QTest::runningTest() && !QTest::currentTestFailed()) {
        QTest::qFail(
            "an answer given to the dialog driver was never asked for", __FILE__, __LINE__);
    }
}

void DialogDriver::reply(const QString &text)
{
    m_answers.append({ text });
}

void DialogDriver::cancel()
{
    m_answers.append({ std::nullopt });
}

void DialogDriver::replyToEvery(const QString &text)
{
    m_standing = text;
}

namespace {

QStringList buttonTexts(const QWidget *dialog)
{
    QStringList texts;
    if (const auto *box = dialog->findChild<QDialogButtonBox *>()) {
        QList<QAbstractButton *> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(),
            [](const QAbstractButton *a, const QAbstractButton *b) { return a->x() < b->x(); });
        for (const QAbstractButton *button : std::as_const(buttons))
            texts.append(button->text());
    }
    return texts;
}

} // namespace

void DialogDriver::answer()
{
    // A box that never closes would loop for ever: a few hundred are more
    // than any handler opens.
    for (int left = 1000; left > 0; --left) {
        QCoreApplication::processEvents();
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            break;
        answer(modal);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void DialogDriver::answer(QWidget *modal)
{
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        m_seen.append({ QStringLiteral("message"), box->windowTitle(), box->text(), box->isModal(),
            buttonTexts(box) });
        box->accept();
    } else if (auto *input = qobject_cast<QInputDialog *>(modal)) {
        m_seen.append({ QStringLiteral("input"), input->windowTitle(), input->labelText(),
            input->isModal(), buttonTexts(input) });
        const Answer answer = m_answers.isEmpty() ? Answer { m_standing.value_or(QString()) }
                                                  : m_answers.takeFirst();
        if (answer.text) {
            input->setTextValue(*answer.text);
            input->accept();
        } else {
            input->reject();
        }
    } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}
