/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace kanjiaid {

class Form1;
class Form2;

// Moves the user between the two windows: only one shows at a time, and
// neither is destroyed until the dictionary window is. The expression window
// is created on its first request and kept.
class WindowSwitcher : public QObject
{
    Q_OBJECT

public:
    // Becomes a child of the dictionary window.
    WindowSwitcher(Form1 *dictionary, const QString &applicationTitle);
    ~WindowSwitcher() override;

private:
    void showExpressionWindow();
    void showDictionaryWindow();
    void closeExpressionWindow();

    Form1 *m_dictionary;
    QString m_title;
    std::unique_ptr<Form2> m_expression;
};

} // namespace kanjiaid
