/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QString>
#include <QWidget>

// Small lookups shared by the window tests.
namespace guitest {

template <typename T> T *child(const QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}

// The language the program starts in next, whatever the machine's: it
// installs the catalogue of the default locale's language at start-up. The
// window tests run in English ("en") unless a row asks for another.
inline void useLanguage(const QString &language)
{
    QLocale::setDefault(QLocale(language));
}

inline QWidget *topLevel(const QString &name)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

// Whether the text, wrapped at word boundaries, fits the rectangle whole.
inline bool fitsWrapped(const QFont &font, const QString &text, const QRect &area)
{
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(
        QRect(0, 0, area.width(), 100000), Qt::AlignLeft | Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

inline int wrappedLines(const QFont &font, const QString &text, int width)
{
    const QFontMetrics metrics(font);
    const QRect needed
        = metrics.boundingRect(QRect(0, 0, width, 100000), Qt::AlignLeft | Qt::TextWordWrap, text);
    return needed.height() / metrics.lineSpacing();
}

} // namespace guitest
