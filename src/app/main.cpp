/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/startup.h"

#include <QApplication>
#include <QWidget>

#include <memory>

int main(int argc, char *argv[])
{
    const QApplication app(argc, argv);
    const std::unique_ptr<QWidget> window(startApplication());
    return QApplication::exec();
}
