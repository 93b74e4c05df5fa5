/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// Saves one window of the running X display as PNG: grabwindow WINDOW_ID OUT.png
#include <QApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char *argv[])
{
    const QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    bool ok = false;
    const WId window = arguments.at(1).toULongLong(&ok, 0);
    if (!ok)
        return 2;
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(window);
    return !picture.isNull() && picture.save(arguments.at(2)) ? 0 : 1;
}
