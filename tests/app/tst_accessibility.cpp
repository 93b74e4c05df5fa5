/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/startup.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using guitest::child;

// Both windows as a screen reader and a keyboard user meet them.
class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void valueLabelNamesStayWhileCaptionsChange();
    void everyButtonWorksFromTheKeyboard_data();
    void everyButtonWorksFromTheKeyboard();

private:
    QWidget *window(const QString &name);

    std::unique_ptr<QWidget> m_main;
};

void TestAccessibility::init()
{
    guitest::useLanguage(u"en"_s);
    m_main.reset(startApplication());
}

void TestAccessibility::cleanup()
{
    m_main.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QWidget *TestAccessibility::window(const QString &name)
{
    if (name == u"Form2"_s) {
        child<QPushButton>(m_main.get(), u"Command10"_s)->click();
        return guitest::topLevel(u"Form2"_s);
    }
    return m_main.get();
}

void TestAccessibility::everyControlHasAName_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("dictionary window") << u"Form1"_s;
    QTest::newRow("expression window") << u"Form2"_s;
}

void TestAccessibility::everyControlHasAName()
{
    QFETCH(QString, window);
    QWidget *top = this->window(window);
    QVERIFY(top);
    const QList<QAccessible::Role> controls = {
        QAccessible::StaticText,
        QAccessible::PushButton,
        QAccessible::CheckBox,
        QAccessible::EditableText,
        QAccessible::MenuItem,
        QAccessible::Grouping,
    };
    int named = 0;
    QList<QAccessibleInterface *> pending = { QAccessible::queryAccessibleInterface(top) };
    while (!pending.isEmpty()) {
        QAccessibleInterface *node = pending.takeFirst();
        QVERIFY(node && node->isValid());
        for (int i = 0; i < node->childCount(); ++i)
            pending << node->child(i);
        if (!controls.contains(node->role()))
            continue;
        const QString name = node->text(QAccessible::Name);
        QObject *object = node->object();
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(object ? object->objectName() : u"?"_s));
        ++named;
    }
    QVERIFY(named >= (window == u"Form1"_s ? 29 : 90));
}

void TestAccessibility::valueLabelNamesStayWhileCaptionsChange()
{
    child<QLineEdit>(m_main.get(), u"Text1"_s)->setText(u"bad"_s);
    child<QPushButton>(m_main.get(), u"Command2"_s)->click();
    const auto name = [this](const char *control) {
        return QAccessible::queryAccessibleInterface(
            child<QWidget>(m_main.get(), QString::fromLatin1(control)))
            ->text(QAccessible::Name);
    };
    QCOMPARE(name("Label1"), u"Kanji"_s);
    QCOMPARE(name("Label15"), u"Record number"_s);
    QCOMPARE(name("Label18"), u"Kanji level"_s);
    QCOMPARE(name("Text1"), u"Word to search"_s);
}

void TestAccessibility::everyButtonWorksFromTheKeyboard_data()
{
    everyControlHasAName_data(); // the same two windows
}

void TestAccessibility::everyButtonWorksFromTheKeyboard()
{
    QFETCH(QString, window);
    QWidget *top = this->window(window);
    QVERIFY(top);
    // Every visible button is in the Tab chain and Space presses it.
    QSet<QWidget *> reached;
    QWidget *at = top->focusWidget();
    QVERIFY(at);
    for (int i = 0; i < 100; ++i, at = at->nextInFocusChain()) {
        if ((at->focusPolicy() & Qt::TabFocus) != 0)
            reached << at;
    }
    DialogDriver dialogs; // searching and browsing answer with dialogs
    const auto buttons = top->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->isHidden())
            continue;
        QVERIFY2(reached.contains(button), qPrintable(button->objectName()));
        // Leaving the window is not pressed: it would end this test's window.
        if (button->text() == u"Exit"_s || button->text() == u"Check Expression"_s
            || button->text() == u"Back to Main"_s)
            continue;
        QSignalSpy pressed(button, &QPushButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QVERIFY2(pressed.size() == 1, qPrintable(button->objectName()));
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
