/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "ui/fonts.h"

#include <QTest>

using namespace kanjiaid::ui;
using namespace Qt::StringLiterals;

// Each role resolves, once, to the installed families it asks for, best
// first; no fonts are needed for that, only the list of installed families.
class TestFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rolesResolveToInstalledFamilies_data();
    void rolesResolveToInstalledFamilies();
};

void TestFonts::rolesResolveToInstalledFamilies_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("japanese");
    QTest::addColumn<QStringList>("interface");
    QTest::addColumn<QStringList>("tahoma");
    QTest::addColumn<QStringList>("lucida");

    const QStringList sansTail = { u"Liberation Sans"_s, u"DejaVu Sans"_s, u"IPAPGothic"_s };
    QTest::newRow("the fonts kanjiaid installs")
        << QStringList { u"DejaVu Sans"_s, u"DejaVu Sans Mono"_s, u"IPAGothic"_s, u"IPAPGothic"_s,
               u"Liberation Sans"_s, u"Liberation Serif"_s }
        << QStringList { u"IPAPGothic"_s } << sansTail << sansTail << sansTail;

    const QStringList japaneseFromWindows = { u"MS PGothic"_s, u"IPAPGothic"_s };
    QTest::newRow("the faces the layout was designed with come first")
        << QStringList { u"Arial"_s, u"IPAPGothic"_s, u"Liberation Sans"_s,
               u"Lucida Sans Unicode"_s, u"MS PGothic"_s, u"Tahoma"_s }
        << japaneseFromWindows
        << QStringList { u"Arial"_s, u"Liberation Sans"_s } + japaneseFromWindows
        << QStringList { u"Tahoma"_s, u"Liberation Sans"_s } + japaneseFromWindows
        << QStringList { u"Lucida Sans Unicode"_s, u"Liberation Sans"_s } + japaneseFromWindows;

    QTest::newRow("MS PGothic under its Japanese name")
        << QStringList { u"ＭＳ Ｐゴシック"_s, u"Liberation Sans"_s }
        << QStringList { u"ＭＳ Ｐゴシック"_s }
        << QStringList { u"Liberation Sans"_s, u"ＭＳ Ｐゴシック"_s }
        << QStringList { u"Liberation Sans"_s, u"ＭＳ Ｐゴシック"_s }
        << QStringList { u"Liberation Sans"_s, u"ＭＳ Ｐゴシック"_s };

    const QStringList withNoto = { u"DejaVu Sans"_s, u"Noto Sans CJK JP"_s };
    QTest::newRow("Noto Sans CJK JP where IPA P Gothic is absent")
        << QStringList { u"DejaVu Sans"_s, u"Noto Sans"_s, u"Noto Sans CJK JP"_s,
               u"Noto Serif CJK JP"_s }
        << QStringList { u"Noto Sans CJK JP"_s } << withNoto << withNoto << withNoto;

    QTest::newRow("names in another case, and with their foundry")
        << QStringList { u"ipapgothic"_s, u"Liberation Sans [1ASC]"_s,
               u"Liberation Sans [Other]"_s }
        << QStringList { u"IPAPGothic"_s } << QStringList { u"Liberation Sans"_s, u"IPAPGothic"_s }
        << QStringList { u"Liberation Sans"_s, u"IPAPGothic"_s }
        << QStringList { u"Liberation Sans"_s, u"IPAPGothic"_s };

    QTest::newRow("none installed: the whole list, for Qt's own fallback")
        << QStringList { u"Cantarell"_s, u"Ubuntu"_s } << preferredFamilies(FontRole::Japanese)
        << preferredFamilies(FontRole::Interface) << preferredFamilies(FontRole::Tahoma)
        << preferredFamilies(FontRole::LucidaSansUnicode);
}

void TestFonts::rolesResolveToInstalledFamilies()
{
    QFETCH(QStringList, installed);
    QFETCH(QStringList, japanese);
    QFETCH(QStringList, interface);
    QFETCH(QStringList, tahoma);
    QFETCH(QStringList, lucida);
    QCOMPARE(resolveFamilies(FontRole::Japanese, installed), japanese);
    QCOMPARE(resolveFamilies(FontRole::Interface, installed), interface);
    QCOMPARE(resolveFamilies(FontRole::Tahoma, installed), tahoma);
    QCOMPARE(resolveFamilies(FontRole::LucidaSansUnicode, installed), lucida);
}

QTEST_APPLESS_MAIN(TestFonts)
#include "tst_fonts.moc"
