/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "ui/dialogs.h"

#include <QFontDatabase>
#include <QInputDialog>
#include <QMessageBox>

#include <utility>

namespace kanjiaid::ui {

namespace {

void openModal(QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}

} // namespace

void showMessage(QWidget *parent, const QString &title, const QString &text)
{
    auto *box = new QMessageBox(parent);
    box->setWindowTitle(title);
    box->setTextFormat(Qt::PlainText);
    // The text is no link and no selection: a label without interaction has
    // no text control, whose changes Qt 6.8 reports to screen readers for
    // an object with no text to read, warning each time.
    box->setTextInteractionFlags(Qt::NoTextInteraction);
    box->setText(text);
    box->setStandardButtons(QMessageBox::Ok);
    openModal(box);
}

void askText(QWidget *parent, const QString &title, const QString &prompt,
    std::function<void(const QString &)> accepted)
{
    auto *dialog = new QInputDialog(parent);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(QString());
    QObject::connect(dialog, &QInputDialog::textValueSelected, parent, std::move(accepted));
    openModal(dialog);
}

} // namespace kanjiaid::ui
