/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/startup.h"

#include "app/apptitle.h"
#include "app/translation.h"
#include "app/windowicon.h"
#include "app/windowswitcher.h"
#include "dictionary/form1.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QLocale>

QWidget *startApplication()
{
    // The icons are compiled into this static library, which the linker
    // would otherwise leave out of the program.
    Q_INIT_RESOURCE(kanjiaid);
    using namespace kanjiaid;
    // The language of the desktop, unless the caller has set another default.
    installTranslation(QLocale());
    // Text laid out before a control has its font (a new line edit lays out
    // its empty text at once) uses the application's font: that it is the
    // windows' own spares a font nothing draws with. Dialogs keep the
    // desktop's font.
    ui::addBundledFonts();
    QApplication::setFont(ui::interfaceFont());
    QApplication::setWindowIcon(windowIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.kanjiaid"));
    auto *dictionary = new Form1(applicationTitle()); // owned by the caller
    new WindowSwitcher(dictionary, applicationTitle()); // owned by the window
    dictionary->show();
    return dictionary;
}
