/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/startup.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
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
    void noTextLeftInEnglish_data();
    void noTextLeftInEnglish();

private:
    QWidget *window(const QString &name);
    QMap<QString, QString> readableTexts(const QString &scene);

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

namespace {

// Every text a person can read in the window, each under a key that names
// where it stands, the same in every language. A value label's text is a
// record's, not the program's, and a text box's is the student's.
void addReadableTexts(QMap<QString, QString> &texts, QWidget *top)
{
    QList<QObject *> objects = top->findChildren<QObject *>();
    objects.prepend(top);
    for (qsizetype i = 0; i < objects.size(); ++i) {
        QObject *object = objects.at(i);
        const auto add = [&](const QString &what, const QString &text) {
            if (!text.isEmpty()) {
                texts.insert(
                    u"%1 %2 %3 %4"_s.arg(top->objectName()).arg(i).arg(object->objectName(), what),
                    text);
            }
        };
        if (auto *widget = qobject_cast<QWidget *>(object)) {
            if (widget->isWindow())
                add(u"windowTitle"_s, widget->windowTitle());
            add(u"toolTip"_s, widget->toolTip());
            add(u"whatsThis"_s, widget->whatsThis());
            add(u"accessibleName"_s, widget->accessibleName());
            add(u"accessibleDescription"_s, widget->accessibleDescription());
        }
        if (auto *button = qobject_cast<QAbstractButton *>(object))
            add(u"text"_s, button->text());
        if (auto *label = qobject_cast<QLabel *>(object);
            label && label->accessibleName().isEmpty())
            add(u"text"_s, label->text());
        if (auto *group = qobject_cast<QGroupBox *>(object))
            add(u"title"_s, group->title());
        if (auto *action = qobject_cast<QAction *>(object))
            add(u"text"_s, action->text());
        std::unique_ptr<QMenu> menu;
        if (auto *line = qobject_cast<QLineEdit *>(object)) {
            add(u"placeholderText"_s, line->placeholderText());
            menu.reset(line->createStandardContextMenu());
        } else if (auto *edit = qobject_cast<QPlainTextEdit *>(object)) {
            add(u"placeholderText"_s, edit->placeholderText());
            menu.reset(edit->createStandardContextMenu());
        }
        if (menu) {
            const auto entries = menu->actions();
            for (qsizetype entry = 0; entry < entries.size(); ++entry)
                add(u"menu entry %1"_s.arg(entry), entries.at(entry)->text());
        }
    }
}

} // namespace

// What each scene shows a person: its windows and the dialogs it opens.
QMap<QString, QString> TestAccessibility::readableTexts(const QString &scene)
{
    QMap<QString, QString> texts;
    DialogDriver dialogs;
    const auto click = [this](const char *name) {
        child<QPushButton>(m_main.get(), QString::fromLatin1(name))->click();
    };
    if (scene == u"dictionary window"_s) {
        addReadableTexts(texts, m_main.get());
    } else if (scene == u"Japanese to English"_s) {
        click("Command6");
        addReadableTexts(texts, m_main.get());
    } else if (scene == u"expression window"_s) {
        QWidget *form2 = window(u"Form2"_s);
        child<QPlainTextEdit>(form2, u"Text1"_s)->setPlainText(QString(61, u'x'));
        child<QPushButton>(form2, u"Command1"_s)->click(); // RUN: too long, then the grid
        QTest::mouseClick(child<QLabel>(form2, u"Label2(0)"_s), Qt::LeftButton);
        addReadableTexts(texts, form2);
    } else if (scene == u"help text"_s) {
        m_main->findChild<QAction *>(u"Help"_s)->trigger();
    } else if (scene == u"word not found"_s) {
        child<QLineEdit>(m_main.get(), u"Text1"_s)->setText(u"no such word"_s);
        click("Command2");
    } else if (scene == u"browsing past either end"_s) {
        dialogs.reply(u"320"_s); // from the first record to the last
        click("Command8");
        dialogs.reply(u"999"_s); // past the last: a message
        click("Command7");
    } else if (scene == u"sound file"_s) {
        click("Command3");
    }
    for (qsizetype i = 0; i < dialogs.seen().size(); ++i) {
        const DialogDriver::Seen &seen = dialogs.seen().at(i);
        const QString where = u"%1 %2 "_s.arg(seen.kind).arg(i);
        texts.insert(where + u"title"_s, seen.title);
        texts.insert(where + u"text"_s, seen.text);
        for (qsizetype b = 0; b < seen.buttonTexts.size(); ++b)
            texts.insert(where + u"button "_s + QString::number(b), seen.buttonTexts.at(b));
    }
    return texts;
}

// A text written without the translation system reads the same in
// Indonesian as in English; only these words are the same in both.
void TestAccessibility::noTextLeftInEnglish_data()
{
    QTest::addColumn<QString>("scene");
    for (const char *scene : { "dictionary window", "Japanese to English", "expression window",
             "help text", "word not found", "browsing past either end", "sound file" })
        QTest::newRow(scene) << QString::fromLatin1(scene);
}

void TestAccessibility::noTextLeftInEnglish()
{
    QFETCH(QString, scene);
    const QStringList shared
        = { u"JLPT"_s, u"Kanji"_s, u"Onyomi"_s, u"Kunyomi"_s, u"OK"_s, u"&OK"_s };
    QMap<QString, QString> texts[2];
    for (int language = 0; language < 2; ++language) {
        m_main.reset();
        guitest::useLanguage(language == 0 ? u"en"_s : u"id"_s);
        m_main.reset(startApplication());
        texts[language] = readableTexts(scene);
    }
    const auto &[english, indonesian] = texts;
    QVERIFY(!english.isEmpty());
    QCOMPARE(indonesian.keys(), english.keys());
    QStringList untranslated;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (indonesian.value(it.key()) == it.value() && !shared.contains(it.value()))
            untranslated << it.key() + u": "_s + it.value();
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
