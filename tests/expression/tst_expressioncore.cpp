/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "expression/expressionlayout.h"

#include <QTest>

#include <memory>

using namespace kanjiaid;
using namespace Qt::StringLiterals;

class TestExpressionCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void layout_data();
    void layout();
    void hugePasteStopsAtTheLimit();
    void lookup_data();
    void lookup();

private:
    std::unique_ptr<KanjiTable> m_table = std::make_unique<KanjiTable>();
    qint16 m_count = 0;
};

void TestExpressionCore::initTestCase()
{
    loadBuiltinRecords(*m_table, m_count);
}

void TestExpressionCore::layout_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QStringList>("characters");
    QTest::addColumn<bool>("truncated");

    const QString sixty(60, u'日');
    QTest::newRow("empty") << QString() << QStringList {} << false;
    QTest::newRow("kanji and kana") << u"悪い"_s << QStringList { u"悪"_s, u"い"_s } << false;
    QTest::newRow("line feed counts as CR LF")
        << u"a\nb"_s << QStringList { u"a"_s, u"\r"_s, u"\n"_s, u"b"_s } << false;
    QTest::newRow("CR LF stays CR LF")
        << u"a\r\nb"_s << QStringList { u"a"_s, u"\r"_s, u"\n"_s, u"b"_s } << false;
    QTest::newRow("surrogate pair is one character")
        << u"𠮷野"_s << QStringList { u"𠮷"_s, u"野"_s } << false;
    QTest::newRow("lone high surrogate") << QString(QChar(0xD842)) + u"a"_s
                                         << QStringList { QString(QChar(0xD842)), u"a"_s } << false;
    QTest::newRow("exactly sixty") << sixty << QStringList(60, u"日"_s) << false;
    QTest::newRow("sixty-one") << sixty + u"x"_s << QStringList(60, u"日"_s) << true;
    QTest::newRow("line break over the limit")
        << QString(59, u'日') + u"\n"_s << QStringList(59, u"日"_s) + QStringList { u"\r"_s }
        << true;
    QTest::newRow("sixty pairs") << QString(60, u'x').replace(u"x"_s, u"𠮷"_s)
                                 << QStringList(60, u"𠮷"_s) << false;
}

void TestExpressionCore::layout()
{
    QFETCH(QString, expression);
    QFETCH(QStringList, characters);
    QFETCH(bool, truncated);
    const ExpressionLayout result = layoutExpression(expression, 60);
    QCOMPARE(result.characters, characters);
    QCOMPARE(result.truncated, truncated);
}

void TestExpressionCore::hugePasteStopsAtTheLimit()
{
    const QString paste(10 * 1024 * 1024, u'語');
    const ExpressionLayout result = layoutExpression(paste, 60);
    QCOMPARE(result.characters.size(), 60);
    QVERIFY(result.truncated);
}

void TestExpressionCore::lookup_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("summary");
    QTest::newRow("first of two records") << u"悪"_s << 1 << u"warui; aku; bad"_s;
    QTest::newRow("placeholder kunyomi") << u"意"_s << 6 << u"*; i; mind; meaning"_s;
    QTest::newRow("last record") << u"曰"_s << 320 << u"ひ; ka/nichi/jitsu; day; sun"_s;
    QTest::newRow("kana") << u"い"_s << 0 << QString();
    QTest::newRow("ideographic space") << u"\u3000"_s << 0 << QString();
    QTest::newRow("latin") << u"a"_s << 0 << QString();
    QTest::newRow("empty") << QString() << 0 << QString();
    QTest::newRow("two characters") << u"悪い"_s << 0 << QString();
}

void TestExpressionCore::lookup()
{
    QFETCH(QString, character);
    QFETCH(int, row);
    QFETCH(QString, summary);
    const int found = lookupKanji(*m_table, m_count, character);
    QCOMPARE(found, row);
    if (row != 0)
        QCOMPARE(kanjiSummary(*m_table, found), summary);
}

QTEST_APPLESS_MAIN(TestExpressionCore)
#include "tst_expressioncore.moc"
