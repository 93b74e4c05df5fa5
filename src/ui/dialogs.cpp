/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace kanjiaid::ui {

namespace {

// Qt names its standard buttons from its own catalogues, which not every
// language the program speaks has: where the program's catalogue words a
// button otherwise, its wording stands. English keeps Qt's (and the desktop
// theme's) own, mnemonics included.
QString buttonText(const char *source)
{
    const QString text = QCoreApplication::translate("kanjiaid::ui", source);
    return text == QLatin1String(source) ? QString() : text;
}

} // namespace

void showMessage(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(parent);
    box.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    if (const QString ok = buttonText(QT_TRANSLATE_NOOP("kanjiaid::ui", "OK")); !ok.isEmpty())
        box.button(QMessageBox::Ok)->setText(ok);
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
    if (const QString ok = buttonText(QT_TRANSLATE_NOOP("kanjiaid::ui", "OK")); !ok.isEmpty())
        dialog.setOkButtonText(ok);
    if (const QString cancel = buttonText(QT_TRANSLATE_NOOP("kanjiaid::ui", "Cancel"));
        !cancel.isEmpty())
        dialog.setCancelButtonText(cancel);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace kanjiaid::ui
