/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "dictionary/recordreply.h"
#include "dictionary/soundfile.h"
#include "dictionary/wordsearch.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cfenv>
#include <memory>

using namespace kanjiaid;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kanjiaid::BrowseEnd)

class TestDictionaryCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void trimSpacesOnly_data();
    void trimSpacesOnly();
    void findRecord_data();
    void findRecord();
    void roundHalfEven_data();
    void roundHalfEven();
    void acceptedReplies_data();
    void acceptedReplies();
    void unchangedReplies_data();
    void unchangedReplies();
    void invalidReplies_data();
    void invalidReplies();
    void soundFile_data();
    void soundFile();

private:
    std::unique_ptr<KanjiTable> m_table = std::make_unique<KanjiTable>();
    qint16 m_count = 0;
};

void TestDictionaryCore::initTestCase()
{
    loadBuiltinRecords(*m_table, m_count);
}

void TestDictionaryCore::trimSpacesOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("both ends") << u"  bad   "_s << u"bad"_s;
    QTest::newRow("inner spaces kept") << u" day; sun "_s << u"day; sun"_s;
    QTest::newRow("only spaces") << u"    "_s << QString();
    QTest::newRow("ideographic space kept") << u"\u3000bad"_s << u"\u3000bad"_s;
    QTest::newRow("tab kept") << u"\tbad"_s << u"\tbad"_s;
}

void TestDictionaryCore::trimSpacesOnly()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(trimSpaces(text), trimmed);
}

void TestDictionaryCore::findRecord_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");

    QTest::newRow("bad") << int(EnglishColumn) << u"bad"_s << 1;
    QTest::newRow("capitals and spaces") << int(EnglishColumn) << u"  BAD "_s << 1;
    QTest::newRow("first of two sounds") << int(EnglishColumn) << u"sound"_s << 19;
    QTest::newRow("first of eight brights") << int(EnglishColumn) << u"bright"_s << 182;
    QTest::newRow("i is I, not private/I") << int(EnglishColumn) << u"i"_s << 74;
    QTest::newRow("field with semicolon") << int(EnglishColumn) << u"chinese; fellow"_s << 32;
    QTest::newRow("whole field only") << int(EnglishColumn) << u"cheap"_s << 0;
    QTest::newRow("peaceful") << int(EnglishColumn) << u"peaceful"_s << 4;
    QTest::newRow("placeholder in English") << int(EnglishColumn) << u"*"_s << 3;
    QTest::newRow("placeholder in kunyomi") << int(KunyomiColumn) << u"*"_s << 5;
    QTest::newRow("kunyomi warui") << int(KunyomiColumn) << u"warui"_s << 1;
    QTest::newRow("last row") << int(EnglishColumn) << u"day; sun"_s << 320;
    QTest::newRow("empty") << int(EnglishColumn) << QString() << 0;
    QTest::newRow("spaces only") << int(EnglishColumn) << u"   "_s << 0;
    QTest::newRow("inner spaces count") << int(EnglishColumn) << u"day;sun"_s << 0;
    QTest::newRow("kana kunyomi") << int(KunyomiColumn) << u"ひ"_s << 320;
}

void TestDictionaryCore::findRecord()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(int, row);
    QCOMPARE(kanjiaid::findRecord(*m_table, m_count, column, typed), row);
}

void TestDictionaryCore::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("2.5 down") << 2.5 << 2.0;
    QTest::newRow("3.5 up") << 3.5 << 4.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("2.4") << 2.4 << 2.0;
    QTest::newRow("2.6") << 2.6 << 3.0;
}

void TestDictionaryCore::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    const int mode = std::fegetround();
    std::fesetround(FE_UPWARD); // the caller's mode must not matter
    const double result = kanjiaid::roundHalfEven(value);
    std::fesetround(mode);
    QCOMPARE(result, rounded);
}

void TestDictionaryCore::acceptedReplies_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<BrowseEnd>("end");
    QTest::addColumn<int>("record");

    QTest::newRow("last: 5") << u"5"_s << BrowseEnd::Last << 5;
    QTest::newRow("first: 5 plus one") << u"5"_s << BrowseEnd::First << 6;
    QTest::newRow("last: spaces around") << u"  12 "_s << BrowseEnd::Last << 12;
    QTest::newRow("last: 2.5 to even") << u"2.5"_s << BrowseEnd::Last << 2;
    QTest::newRow("first: 2.5 plus one is 3.5 to 4") << u"2.5"_s << BrowseEnd::First << 4;
    QTest::newRow("last: 1") << u"1"_s << BrowseEnd::Last << 1;
    QTest::newRow("last: 320") << u"320"_s << BrowseEnd::Last << 320;
    QTest::newRow("first: 320 gives 321") << u"320"_s << BrowseEnd::First << 321;
    QTest::newRow("last: 1.4 rounds to 1") << u"1.4"_s << BrowseEnd::Last << 1;
    QTest::newRow("last: exponent") << u"1e2"_s << BrowseEnd::Last << 100;
    QTest::newRow("last: 320.5 to even") << u"320.5"_s << BrowseEnd::Last << 320;
}

void TestDictionaryCore::acceptedReplies()
{
    QFETCH(QString, reply);
    QFETCH(BrowseEnd, end);
    QFETCH(int, record);
    const RecordReply read = readRecordReply(reply, end, m_count);
    QCOMPARE(read.kind, RecordReply::Kind::Accepted);
    QCOMPARE(int(read.record), record);
}

void TestDictionaryCore::unchangedReplies_data()
{
    QTest::addColumn<QString>("reply");
    QTest::newRow("empty") << QString();
    QTest::newRow("spaces") << u"     "_s;
}

void TestDictionaryCore::unchangedReplies()
{
    QFETCH(QString, reply);
    for (const BrowseEnd end : { BrowseEnd::First, BrowseEnd::Last })
        QCOMPARE(readRecordReply(reply, end, m_count).kind, RecordReply::Kind::Unchanged);
}

void TestDictionaryCore::invalidReplies_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("firstOnly");
    QTest::newRow("word") << u"five"_s << false;
    QTest::newRow("zero") << u"0"_s << false;
    QTest::newRow("minus zero") << u"-0"_s << false;
    QTest::newRow("negative") << u"-3"_s << false;
    QTest::newRow("above count") << u"321"_s << false;
    QTest::newRow("half rounds to 0") << u"0.5"_s << false;
    QTest::newRow("320.5 would store 322") << u"320.5"_s << true;
    QTest::newRow("huge") << u"1e9"_s << false;
    QTest::newRow("beyond double") << u"1e400"_s << false;
    QTest::newRow("nan") << u"NaN"_s << false;
    QTest::newRow("inf") << u"inf"_s << false;
    QTest::newRow("minus inf") << u"-inf"_s << false;
    QTest::newRow("number then word") << u"5 apples"_s << false;
    QTest::newRow("arabic-indic digits") << u"\u0665"_s << false;
    QTest::newRow("full-width digits") << u"\uFF15"_s << false;
    QTest::newRow("decimal comma") << u"5,5"_s << false;
    QTest::newRow("ten thousand characters") << QString(10000, u'9') << false;
}

void TestDictionaryCore::invalidReplies()
{
    QFETCH(QString, reply);
    QFETCH(bool, firstOnly);
    QCOMPARE(readRecordReply(reply, BrowseEnd::First, m_count).kind, RecordReply::Kind::Invalid);
    if (!firstOnly)
        QCOMPARE(readRecordReply(reply, BrowseEnd::Last, m_count).kind, RecordReply::Kind::Invalid);
}

void TestDictionaryCore::soundFile_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("exists");

    QTest::newRow("present") << QStringList { u"warui.wav"_s } << u" warui  "_s << true;
    QTest::newRow("missing") << QStringList { u"yasui.wav"_s } << u"warui"_s << false;
    QTest::newRow("star is no wildcard") << QStringList { u"warui.wav"_s } << u"*"_s << false;
    QTest::newRow("star file itself") << QStringList { u"*.wav"_s } << u"*"_s << true;
    QTest::newRow("question mark is no wildcard")
        << QStringList { u"warui.wav"_s } << u"waru?"_s << false;
    QTest::newRow("path separator")
        << QStringList { u"peaceful.wav"_s } << u"cheap/peaceful"_s << false;
    QTest::newRow("parent folder") << QStringList {} << u"../warui"_s << false;
    QTest::newRow("drive letter") << QStringList { u"c:warui.wav"_s } << u"c:warui"_s << false;
    QTest::newRow("nothing shown yet") << QStringList { u"warui.wav"_s } << QString() << false;
    QTest::newRow("folder is no file") << QStringList { u"warui.wav/"_s } << u"warui"_s << false;
}

void TestDictionaryCore::soundFile()
{
    QFETCH(QStringList, files);
    QFETCH(QString, caption);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir folder(dir.path());
    for (const QString &name : files) {
        if (name.endsWith(u'/')) {
            QVERIFY(folder.mkdir(name.chopped(1)));
            continue;
        }
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            QSKIP("this system allows no file of that name"); // "*" and ":" on Windows
    }
    QCOMPARE(soundFileExists(caption, folder), exists);
}

QTEST_APPLESS_MAIN(TestDictionaryCore)
#include "tst_dictionarycore.moc"
