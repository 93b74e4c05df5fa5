/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "store/builtinrecords.h"
#include "store/kanjitable.h"

#include <QSet>
#include <QTest>

#include <memory>

using namespace kanjiaid;
using namespace Qt::StringLiterals;

namespace {

// A table too big for the stack, parsed from the given lines.
std::unique_ptr<KanjiTable> parsed(const QStringList &lines)
{
    auto table = std::make_unique<KanjiTable>();
    for (int i = 0; i < lines.size(); ++i)
        table->store(i + 1, LevelColumn, lines.at(i));
    ParseRecords(*table, static_cast<qint16>(lines.size()));
    return table;
}

QStringList row(const KanjiTable &table, int r)
{
    QStringList columns;
    for (int c = 0; c <= KanjiTable::LastColumn; ++c)
        columns << table(r, c);
    return columns;
}

} // namespace

class TestKanjiTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseLine_data();
    void parseLine();
    void parseBeyondEightFields();
    void parseNothingWhenCountBelowOne_data();
    void parseNothingWhenCountBelowOne();
    void countBeyondTableStaysInside();
    void outsideReadsAndStores_data();
    void outsideReadsAndStores();
    void builtinRowsCarryTheirNumbers();
    void builtinLevels();
    void builtinKanjiCounts();
    void builtinPlaceholderCounts();
    void builtinSpecialRecords_data();
    void builtinSpecialRecords();
    void builtinLeavesOtherRowsEmpty();
};

void TestKanjiTable::parseLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("columns"); // 0 to 8

    QTest::newRow("plain record") << u" 1,悪,warui,aku,bad,buruk,*,3"_s
                                  << QStringList { {}, u" 1"_s, u"悪"_s, u"warui"_s, u"aku"_s,
                                         u"bad"_s, u"buruk"_s, u"*"_s, u"3"_s };
    QTest::newRow("inner spaces and ideographic space kept")
        << u" 59,口,kuchi,kou,door; mouth,pintu,人口　jinko (population),3"_s
        << QStringList { {}, u" 59"_s, u"口"_s, u"kuchi"_s, u"kou"_s, u"door; mouth"_s, u"pintu"_s,
               u"人口　jinko (population)"_s, u"3"_s };
    QTest::newRow("adjacent commas give an empty field")
        << u" 7,意,,i,will,,*,3"_s
        << QStringList { {}, u" 7"_s, u"意"_s, {}, u"i"_s, u"will"_s, {}, u"*"_s, u"3"_s };
    QTest::newRow("trailing comma gives an empty last field")
        << u" 8,医,*,i,doctor,dokter,*,"_s
        << QStringList { {}, u" 8"_s, u"医"_s, u"*"_s, u"i"_s, u"doctor"_s, u"dokter"_s, u"*"_s,
               {} };
    QTest::newRow("no comma: whole line in column 1, line kept in column 8")
        << u"no commas here"_s
        << QStringList { {}, u"no commas here"_s, {}, {}, {}, {}, {}, {}, u"no commas here"_s };
    QTest::newRow("fewer fields fill only their columns")
        << u" 5,以,*"_s
        << QStringList { {}, u" 5"_s, u"以"_s, u"*"_s, {}, {}, {}, {}, u" 5,以,*"_s };
    QTest::newRow("empty line") << QString() << QStringList { {}, {}, {}, {}, {}, {}, {}, {}, {} };
}

void TestKanjiTable::parseLine()
{
    QFETCH(QString, line);
    QFETCH(QStringList, columns);
    const auto table = parsed({ line });
    QCOMPARE(row(*table, 1), columns);
    QCOMPARE(row(*table, 0), QStringList(9, QString()));
}

void TestKanjiTable::parseBeyondEightFields()
{
    // The eighth column keeps everything from the seventh comma on.
    const auto table = parsed({ u" 9,員,*,in,member,anggota,tenin (store clerk),3,extra,more"_s });
    QCOMPARE((*table)(1, LevelColumn), u"3,extra,more"_s);
    QCOMPARE((*table)(1, ExampleColumn), u"tenin (store clerk)"_s);
    QCOMPARE((*table)(1, 0), QString());
}

void TestKanjiTable::parseNothingWhenCountBelowOne_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -5;
}

void TestKanjiTable::parseNothingWhenCountBelowOne()
{
    QFETCH(int, count);
    KanjiTable table;
    table.store(1, LevelColumn, u" 1,悪,warui,aku,bad,buruk,*,3"_s);
    ParseRecords(table, static_cast<qint16>(count));
    QCOMPARE(table(1, LevelColumn), u" 1,悪,warui,aku,bad,buruk,*,3"_s);
    QCOMPARE(table(1, NumberColumn), QString());
}

void TestKanjiTable::countBeyondTableStaysInside()
{
    auto table = std::make_unique<KanjiTable>();
    table->store(KanjiTable::LastRow, LevelColumn, u"a,b"_s);
    ParseRecords(*table, 32767);
    QCOMPARE((*table)(KanjiTable::LastRow, NumberColumn), u"a"_s);
    QCOMPARE((*table)(KanjiTable::LastRow, KanjiColumn), u"b"_s);
}

void TestKanjiTable::outsideReadsAndStores_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("row below") << -1 << 1;
    QTest::newRow("row above") << KanjiTable::LastRow + 1 << 1;
    QTest::newRow("column below") << 1 << -1;
    QTest::newRow("column above") << 1 << KanjiTable::LastColumn + 1;
}

void TestKanjiTable::outsideReadsAndStores()
{
    QFETCH(int, row);
    QFETCH(int, column);
    KanjiTable table;
    QVERIFY(!table.store(row, column, u"x"_s));
    QCOMPARE(table(row, column), QString());
}

namespace {

std::unique_ptr<KanjiTable> builtin()
{
    auto table = std::make_unique<KanjiTable>();
    qint16 count = 0;
    loadBuiltinRecords(*table, count);
    if (count != BuiltinRecordCount)
        return nullptr;
    return table;
}

} // namespace

void TestKanjiTable::builtinRowsCarryTheirNumbers()
{
    const auto table = builtin();
    QVERIFY(table);
    for (int n = 1; n <= BuiltinRecordCount; ++n)
        QCOMPARE((*table)(n, NumberColumn), u" "_s + QString::number(n));
}

void TestKanjiTable::builtinLevels()
{
    const auto table = builtin();
    for (int n = 1; n <= BuiltinRecordCount; ++n)
        QCOMPARE((*table)(n, LevelColumn), n <= 204 ? u"3"_s : u"4"_s);
}

void TestKanjiTable::builtinKanjiCounts()
{
    const auto table = builtin();
    QSet<QString> all;
    QSet<QString> level3;
    QSet<QString> level4;
    for (int n = 1; n <= BuiltinRecordCount; ++n) {
        const QString kanji = (*table)(n, KanjiColumn);
        QCOMPARE(kanji.size(), 1);
        all << kanji;
        (n <= 204 ? level3 : level4) << kanji;
    }
    QCOMPARE(all.size(), 242);
    QCOMPARE(level3.size(), 162);
    QCOMPARE(level4.size(), 80);
}

void TestKanjiTable::builtinPlaceholderCounts()
{
    const auto table = builtin();
    const auto count = [&](int column, const QString &value) {
        int found = 0;
        for (int n = 1; n <= BuiltinRecordCount; ++n)
            found += (*table)(n, column) == value ? 1 : 0;
        return found;
    };
    QCOMPARE(count(KunyomiColumn, u"*"_s), 32);
    QCOMPARE(count(EnglishColumn, u"*"_s), 2);
    QCOMPARE(count(IndonesianColumn, u"*"_s), 32);
    QCOMPARE(count(ExampleColumn, u"*"_s), 272);

    int japaneseExamples = 0;
    for (int n = 1; n <= BuiltinRecordCount; ++n)
        japaneseExamples += (*table)(n, ExampleColumn).count(QChar(0x3000));
    QCOMPARE(japaneseExamples, 33);
}

void TestKanjiTable::builtinSpecialRecords_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("line");
    QTest::newRow("320 kana kunyomi") << 320 << u" 320,曰,ひ,ka/nichi/jitsu,day; sun,*,*,4"_s;
    QTest::newRow("135 tea") << 135 << u" 135,茶,*,cha/sa,tea,teh,*,3"_s;
    QTest::newRow("136 tea again") << 136 << u" 136,茶,*,cha/sa,tea,teh,*,3"_s;
    QTest::newRow("3 no English") << 3 << u" 3,悪,warui,aku,*,*,*,3"_s;
    QTest::newRow("105 no English") << 105 << u" 105,真,ma,shin,*,*,*,3"_s;
    QTest::newRow("273 full-width digits")
        << 273 << u" 273,千,chi,sen,thousand,ribuan,２００２年　nisenni nen (year 2002),4"_s;
    QTest::newRow("286 small ke") << 286
                                  << u" 286,二,futatsu,ni,two,dua,二ヶ月　nikagetsu (2 months),4"_s;
    QTest::newRow("98 iteration mark")
        << 98 << u" 98,少,sukunai,shou,little bit,sedikit,少々　shoushou (a little bit),3"_s;
    QTest::newRow("280 onyomi with semicolon") << 280 << u" 280,天,ten,ame; ama,sky,langit,*,4"_s;
    QTest::newRow("9 romaji example") << 9 << u" 9,員,*,in,member,anggota,tenin (store clerk),3"_s;
}

void TestKanjiTable::builtinSpecialRecords()
{
    QFETCH(int, record);
    QFETCH(QString, line);
    QCOMPARE(BuiltinRecords[static_cast<std::size_t>(record - 1)], QStringView(line));
    const auto table = builtin();
    QCOMPARE(row(*table, record).mid(1).join(u','), line);
}

void TestKanjiTable::builtinLeavesOtherRowsEmpty()
{
    const auto table = builtin();
    for (int r : { 0, BuiltinRecordCount + 1, KanjiTable::LastRow }) {
        for (int c = 0; c <= KanjiTable::LastColumn; ++c)
            QVERIFY((*table)(r, c).isEmpty());
    }
    for (int n = 1; n <= BuiltinRecordCount; ++n)
        QVERIFY((*table)(n, 0).isEmpty());
}

QTEST_APPLESS_MAIN(TestKanjiTable)
#include "tst_kanjitable.moc"
