/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

class QWidget;

// Everything the program does before its event loop, with a QApplication
// already constructed: installs the catalogue of the default locale's
// language (the desktop's, unless QLocale::setDefault chose another),
// creates the dictionary window (which loads the records), wires it to the
// expression window, shows it and returns it. The expression window is
// created only when it is first asked for.
//
// The caller owns the returned window; deleting it deletes both windows.
QWidget *startApplication();
