/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/startup.h"
#include "dictionary/form1.h"
#include "expression/form2.h"
#include "store/kanjitable.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace kanjiaid;
using namespace Qt::StringLiterals;
using guitest::child;

// Whatever a user types or pastes, every handler returns, the windows stay
// usable and the record table stays as loaded.
class TestRobustness : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void typedTextInEveryBoxAndEveryButton();
    void tenMegabytePaste();

private:
    void pressEveryButton(QWidget *window);
    void checkTableIntact();

    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<DialogDriver> m_dialogs;
    QStringList m_loaded;
};

void TestRobustness::init()
{
    guitest::useLanguage(u"en"_s);
    m_dialogs = std::make_unique<DialogDriver>();
    m_window.reset(startApplication());
    m_loaded.clear();
    for (int r = 0; r <= KanjiTable::LastRow; ++r) {
        for (int c = 0; c <= KanjiTable::LastColumn; ++c)
            m_loaded << KanjiData()(r, c);
    }
}

void TestRobustness::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestRobustness::checkTableIntact()
{
    QCOMPARE(RecordCount(), qint16(320));
    int i = 0;
    for (int r = 0; r <= KanjiTable::LastRow; ++r) {
        for (int c = 0; c <= KanjiTable::LastColumn; ++c)
            QCOMPARE(KanjiData()(r, c), m_loaded.at(i++));
    }
}

void TestRobustness::pressEveryButton(QWidget *window)
{
    m_dialogs->replyToEvery(QString(100000, u'9'));
    const auto buttons = window->findChildren<QPushButton *>();
    for (QPushButton *each : buttons) {
        const QString name = each->objectName();
        // Leaving and closing are checked elsewhere; everything else is pressed.
        if (name == u"Command1"_s && qobject_cast<Form1 *>(window))
            continue;
        if (name == u"Command10"_s || (name == u"Command5"_s && qobject_cast<Form2 *>(window)))
            continue;
        each->click();
        m_dialogs->answer();
    }
}

void TestRobustness::typedTextInEveryBoxAndEveryButton()
{
    // 100 000 characters: the first thousand key by key, the rest as an input
    // method commits them (Qt lays a text box out anew on every key, so typing
    // them all one by one would take minutes). Kana and kanji only arrive that
    // way: QTest types Latin-1 only.
    const QString keys = u"kanji taberu 1e9 "_s.repeated(59).left(1000);
    const QString committed = u"漢字かな𠮷"_s.repeated(99000 / 6);
    const auto type = [&](QWidget *box) {
        QTest::keyClicks(box, keys);
        if (auto *line = qobject_cast<QLineEdit *>(box))
            line->insert(committed);
        else
            qobject_cast<QPlainTextEdit *>(box)->insertPlainText(committed);
    };
    auto *form1 = qobject_cast<Form1 *>(m_window.get());
    auto *box = child<QLineEdit>(form1, u"Text1"_s);
    type(box);
    QCOMPARE(box->text().size(), box->maxLength()); // the box holds what it can
    pressEveryButton(form1);
    QVERIFY(form1->currentRecord() >= 0 && form1->currentRecord() <= 321);

    child<QPushButton>(form1, u"Command10"_s)->click();
    auto *form2 = qobject_cast<Form2 *>(guitest::topLevel(u"Form2"_s));
    QVERIFY(form2);
    type(child<QPlainTextEdit>(form2, u"Text1"_s));
    type(child<QLineEdit>(form2, u"Text2"_s));
    QCOMPARE(child<QPlainTextEdit>(form2, u"Text1"_s)->toPlainText().size(), 100000);
    pressEveryButton(form2);
    for (int i = 0; i < Form2::GridSize; ++i)
        QTest::mouseClick(child<QLabel>(form2, u"Label2(%1)"_s.arg(i)), Qt::LeftButton);
    QCOMPARE(
        child<QLabel>(form2, u"Label1"_s)->text(), u"That kanji isn't in this dictionary yet."_s);
    checkTableIntact();

    // Still usable afterwards.
    child<QPushButton>(form2, u"Command5"_s)->click();
    box->setText(u"bad"_s);
    child<QPushButton>(form1, u"Command2"_s)->click();
    QCOMPARE(form1->currentRecord(), qint16(1));
}

void TestRobustness::tenMegabytePaste()
{
    QString paste;
    paste.reserve(10 * 1024 * 1024);
    const QString chunk
        = u"日本語を勉強します。\n𠮷野家\u0000abc"_s + QChar(0xD800); // a lone surrogate too
    while (paste.size() < 10 * 1024 * 1024)
        paste += chunk;
    QGuiApplication::clipboard()->setText(paste);

    child<QPushButton>(m_window.get(), u"Command10"_s)->click();
    auto *form2 = qobject_cast<Form2 *>(guitest::topLevel(u"Form2"_s));
    QVERIFY(form2);
    child<QPushButton>(form2, u"Command3"_s)->click();
    child<QPushButton>(form2, u"Command1"_s)->click();
    m_dialogs->answer();
    QCOMPARE(m_dialogs->seen().size(), 1);
    QCOMPARE(m_dialogs->seen().first().text, u"We will take the first 60 letters only!"_s);
    QCOMPARE(child<QPlainTextEdit>(form2, u"Text1"_s)->toPlainText().size(), paste.size());
    QCOMPARE(child<QLabel>(form2, u"Label2(0)"_s)->text(), u"日"_s);
    QCOMPARE(child<QLabel>(form2, u"Label2(11)"_s)->text(), u"\n"_s);
    QCOMPARE(child<QLabel>(form2, u"Label2(12)"_s)->text(), u"𠮷"_s);
    QTest::mouseClick(child<QLabel>(form2, u"Label2(0)"_s), Qt::LeftButton);
    QCOMPARE(child<QLabel>(form2, u"Label1"_s)->text(), u"hi; jitsu/nichi; sun"_s);
    QTest::mouseClick(child<QLabel>(form2, u"Label2(59)"_s), Qt::LeftButton);
    checkTableIntact();
    QGuiApplication::clipboard()->clear();
}

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
