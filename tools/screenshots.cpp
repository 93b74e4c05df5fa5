/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// Writes PNG pictures of both windows, drawn by the real widgets:
// kanjiaid_screenshots OUTPUT_DIR [SCALE_SUFFIX]
#include "app/startup.h"
#include "support/guitest.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextStream>

#include <memory>

namespace {

using guitest::child;

bool save(QWidget *window, const QString &path)
{
    QApplication::processEvents();
    return window->grab().save(path);
}

} // namespace

int main(int argc, char *argv[])
{
    const QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QDir out(arguments.value(1, QStringLiteral(".")));
    const QString suffix = arguments.value(2);

    const std::unique_ptr<QWidget> dictionary(startApplication());
    child<QLineEdit>(dictionary.get(), QStringLiteral("Text1"))->setText(QStringLiteral("bright"));
    child<QPushButton>(dictionary.get(), QStringLiteral("Command2"))->click();
    child<QPushButton>(dictionary.get(), QStringLiteral("Command4"))->click();
    bool ok = save(dictionary.get(), out.filePath(QStringLiteral("dictionary%1.png").arg(suffix)));

    child<QPushButton>(dictionary.get(), QStringLiteral("Command10"))->click();
    QWidget *expression = guitest::topLevel(QStringLiteral("Form2"));
    if (expression == nullptr)
        return 1;
    child<QPlainTextEdit>(expression, QStringLiteral("Text1"))
        ->setPlainText(QStringLiteral("明日は日本語を勉強します"));
    child<QPushButton>(expression, QStringLiteral("Command1"))->click();
    child<QLineEdit>(expression, QStringLiteral("Text2"))->setText(QStringLiteral("taberu"));
    child<QPushButton>(expression, QStringLiteral("Command4"))->click();
    ok = save(expression, out.filePath(QStringLiteral("expression%1.png").arg(suffix))) && ok;
    QTextStream(stdout) << (ok ? "screenshots written to " : "could not write to ")
                        << out.absolutePath() << '\n';
    return ok ? 0 : 1;
}
