/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "ui/dialogs.h"

#include <QFontDatabase>
#include <QInputDialog>
#include <QMessageBox>

namespace kanjiaid::ui {

void showMessage(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(parent);
    box.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    // The text is no link and no selection: a label without interaction has
    // no text control, whose changes Qt 6.8 reports to screen readers for
    // an object with no text to read, warning each time.
    box.setTextInteractionFlags(Qt::NoTextInteraction);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

std::optional<QString> askText(QWidget *parent, const QString &title, const QString &prompt)
{
    QInputDialog dialog(parent);
    dialog.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace kanjiaid::ui
