/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/windowswitcher.h"

#include "dictionary/form1.h"
#include "expression/form2.h"

namespace kanjiaid {

WindowSwitcher::WindowSwitcher(Form1 *dictionary, const QString &applicationTitle)
    : QObject(dictionary)
    , m_dictionary(dictionary)
    , m_title(applicationTitle)
{
    connect(
        dictionary, &Form1::expressionWindowRequested, this, &WindowSwitcher::showExpressionWindow);
    connect(dictionary, &Form1::exitRequested, this, &WindowSwitcher::closeExpressionWindow);
}

WindowSwitcher::~WindowSwitcher() = default;

void WindowSwitcher::showExpressionWindow()
{
    m_dictionary->hide();
    if (!m_expression) {
        m_expression = std::make_unique<Form2>(m_title, m_dictionary->backgroundColour());
        connect(m_expression.get(), &Form2::mainWindowRequested, this,
            &WindowSwitcher::showDictionaryWindow);
    }
    m_expression->show();
    m_expression->raise();
    m_expression->activateWindow();
}

void WindowSwitcher::showDictionaryWindow()
{
    // Shown first, so that the program never has no window on screen.
    m_dictionary->show();
    m_dictionary->raise();
    m_dictionary->activateWindow();
    if (m_expression)
        m_expression->hide();
}

void WindowSwitcher::closeExpressionWindow()
{
    if (m_expression)
        m_expression->hide();
}

} // namespace kanjiaid
