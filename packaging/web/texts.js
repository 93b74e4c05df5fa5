// SPDX-FileCopyrightText: 2026 The kanjiaid developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The texts of the page around the program, as lupdate reads them (in the
// plain JavaScript it parses) into the program's catalogues, context "page".
// The page shows each in the browser's language (page.js).
'use strict';

function QT_TRANSLATE_NOOP(context, text) {
    return text;
}

var pageTexts = {
    //: The page's title and heading: the program's name, as in the menus of a desktop
    title: QT_TRANSLATE_NOOP("page", "Kanji Learning Program"),
    loading: QT_TRANSLATE_NOOP("page", "Loading the program…"),
    noWebAssembly: QT_TRANSLATE_NOOP("page",
        "This browser cannot run the program: it does not support WebAssembly. Please open this page in a current version of Chrome, Edge, Firefox or Safari."),
    notLoaded: QT_TRANSLATE_NOOP("page",
        "The program could not be loaded. Check the connection and start again."),
    ended: QT_TRANSLATE_NOOP("page", "The program has ended."),
    failed: QT_TRANSLATE_NOOP("page", "The program has stopped because of an error."),
    //: The button that starts the program again once it has ended
    startAgain: QT_TRANSLATE_NOOP("page", "Start again")
};
