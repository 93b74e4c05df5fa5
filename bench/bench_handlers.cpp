/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// Click handlers and the core scans, timed by QtTest.
#include "app/startup.h"
#include "dictionary/form1.h"
#include "dictionary/wordsearch.h"
#include "expression/conjugator.h"
#include "expression/form2.h"
#include "store/kanjitable.h"
#include "support/guitest.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace kanjiaid;
using namespace Qt::StringLiterals;
using guitest::child;

class BenchHandlers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void searchMissFullScan();
    void searchHitHandler();
    void browseStep();
    void firstShowOfExpressionWindow();
    void runSixtyCharacters();
    void labelClick();
    void conjugatorAllTicked();
    void conjugatorThroughput();

private:
    Form2 *openForm2();

    std::unique_ptr<QWidget> m_window;
};

void BenchHandlers::init()
{
    guitest::useLanguage(u"en"_s);
    m_window.reset(startApplication());
}

void BenchHandlers::cleanup()
{
    m_window.reset();
}

Form2 *BenchHandlers::openForm2()
{
    child<QPushButton>(m_window.get(), u"Command10"_s)->click();
    return qobject_cast<Form2 *>(guitest::topLevel(u"Form2"_s));
}

void BenchHandlers::searchMissFullScan()
{
    // The handler would then open its message box; the scan is what it does first.
    QBENCHMARK {
        const int row = findRecord(KanjiData(), RecordCount(), EnglishColumn, u"  Not A Word  "_s);
        QCOMPARE(row, 0);
    }
}

void BenchHandlers::searchHitHandler()
{
    child<QLineEdit>(m_window.get(), u"Text1"_s)->setText(u"day; sun"_s);
    auto *search = child<QPushButton>(m_window.get(), u"Command2"_s);
    QBENCHMARK {
        search->click();
    }
}

void BenchHandlers::browseStep()
{
    auto *up = child<QPushButton>(m_window.get(), u"Command7"_s);
    auto *down = child<QPushButton>(m_window.get(), u"Command8"_s);
    up->click();
    QBENCHMARK {
        up->click();
        down->click();
    }
}

void BenchHandlers::firstShowOfExpressionWindow()
{
    // Click to painted window, from a new dictionary window each time; the
    // process, and the fonts it has loaded, stay (startprobe times a fresh one).
    constexpr int rounds = 30;
    QList<qint64> times;
    for (int i = 0; i < rounds; ++i) {
        m_window.reset(startApplication());
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QElapsedTimer clock;
        clock.start();
        Form2 *form2 = openForm2();
        QVERIFY(form2);
        form2->repaint(); // returns once painted
        times << clock.nsecsElapsed();
    }
    std::sort(times.begin(), times.end());
    qInfo("first show of the expression window: median %.3f ms, range %.3f to %.3f ms",
        times.at(rounds / 2) / 1e6, times.first() / 1e6, times.last() / 1e6);
}

void BenchHandlers::runSixtyCharacters()
{
    Form2 *form2 = openForm2();
    child<QPlainTextEdit>(form2, u"Text1"_s)
        ->setPlainText(u"明日は日本語を勉強します。"_s.repeated(5).left(60));
    auto *run = child<QPushButton>(form2, u"Command1"_s);
    QBENCHMARK {
        run->click();
    }
}

void BenchHandlers::labelClick()
{
    Form2 *form2 = openForm2();
    child<QPlainTextEdit>(form2, u"Text1"_s)->setPlainText(u"日本"_s);
    child<QPushButton>(form2, u"Command1"_s)->click();
    auto *cell = child<QLabel>(form2, u"Label2(0)"_s);
    QBENCHMARK {
        QTest::mouseClick(cell, Qt::LeftButton);
    }
}

void BenchHandlers::conjugatorAllTicked()
{
    Form2 *form2 = openForm2();
    child<QLineEdit>(form2, u"Text2"_s)->setText(u"kaeru"_s);
    auto *run = child<QPushButton>(form2, u"Command4"_s);
    QBENCHMARK {
        run->click();
    }
}

void BenchHandlers::conjugatorThroughput()
{
    const QStringList verbs
        = u"taberu miru kaeru hairu toru kau kaku oyogu hanasu matsu shinu "
          "asobu yomu kuru suru iku aru benkyousuru okiru shaberu"_s.split(u' ');
    constexpr int rounds = 20000;
    QElapsedTimer clock;
    clock.start();
    qsizetype letters = 0;
    for (int i = 0; i < rounds; ++i) {
        for (const QString &verb : verbs)
            letters += conjugateAll(verb)[static_cast<std::size_t>(VerbForm::Causative)].size();
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    QVERIFY(letters > 0);
    qInfo("conjugator: %.0f verbs per second, all ten forms (%lld verbs in %.3f s)",
        rounds * verbs.size() / seconds, static_cast<long long>(rounds * verbs.size()), seconds);
}

QTEST_MAIN(BenchHandlers)
#include "bench_handlers.moc"
