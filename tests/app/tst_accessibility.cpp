/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/startup.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"
#include "ui/controls.h"

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
using kanjiaid::ui::ClickableLabel;
using kanjiaid::ui::ValueLabel;

// Both windows as a screen reader and a keyboard user meet them.
class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void valueLabelsReadWhatTheyShow_data();
    void valueLabelsReadWhatTheyShow();
    void pressingACellDoesWhatAClickDoes_data();
    void pressingACellDoesWhatAClickDoes();
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

namespace {

QString interfaceText(QWidget *widget)
{
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(widget)->textInterface();
    return text ? text->text(0, text->characterCount()) : u"(no text interface)"_s;
}

} // namespace

// A value label keeps its name and reads what it shows, nothing while it is
// hidden. (That a change is announced, Qt passes on only to a listening
// screen reader: tst_announcements records it in-process, and the
// real-window walk hears it over AT-SPI.)
void TestAccessibility::valueLabelsReadWhatTheyShow_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("label"); // one value label and what it must read after the step
    QTest::addColumn<QString>("reads");
    QTest::newRow("search") << u"search bright"_s << u"Label1"_s << u"明"_s;
    QTest::newRow("readings hidden") << u"search bright"_s << u"Label3"_s << QString();
    QTest::newRow("readings shown") << u"show details"_s << u"Label3"_s << u"mei/myou"_s;
    QTest::newRow("browsed record") << u"browse up"_s << u"Label15"_s << u" 1"_s;
    QTest::newRow("analyser cell") << u"run expression"_s << u"Label2(1)"_s << u"日"_s;
    QTest::newRow("analyser answer")
        << u"press cell"_s << u"Label1"_s << u"akarui; mei/myou; bright"_s;
    QTest::newRow("conjugated form") << u"conjugate"_s << u"Label6"_s << u"tabemasu"_s;
}

void TestAccessibility::valueLabelsReadWhatTheyShow()
{
    QFETCH(QString, step);
    QFETCH(QString, label);
    QFETCH(QString, reads);
    const bool expression
        = !step.contains(u"search"_s) && step != u"show details"_s && step != u"browse up"_s;
    QWidget *top = window(expression ? u"Form2"_s : u"Form1"_s);
    const auto values = top->findChildren<ValueLabel *>();
    QVERIFY(values.size() >= (expression ? 71 : 7));
    QHash<QObject *, QString> names;
    for (ValueLabel *value : values)
        names.insert(value, value->accessibleName());

    const auto click
        = [top](const char *name) { child<QPushButton>(top, QString::fromLatin1(name))->click(); };
    if (step == u"search bright"_s) {
        child<QLineEdit>(top, u"Text1"_s)->setText(u"bright"_s);
        click("Command2");
    } else if (step == u"show details"_s) {
        child<QLineEdit>(top, u"Text1"_s)->setText(u"bright"_s);
        click("Command2");
        click("Command4");
    } else if (step == u"browse up"_s) {
        click("Command7");
    } else {
        child<QPlainTextEdit>(top, u"Text1"_s)->setPlainText(u"今日明"_s);
        click("Command1");
        if (step == u"press cell"_s) {
            QAccessible::queryAccessibleInterface(child<QWidget>(top, u"Label2(2)"_s))
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        } else if (step == u"conjugate"_s) {
            child<QLineEdit>(top, u"Text2"_s)->setText(u"taberu"_s);
            click("Command4");
        }
    }
    for (ValueLabel *value : values) {
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(value);
        const QByteArray where = value->objectName().toLatin1();
        QCOMPARE(node->text(QAccessible::Name), names.value(value));
        QVERIFY2(!names.value(value).isEmpty(), where);
        QCOMPARE(interfaceText(value), value->isVisibleTo(top) ? value->text() : QString());
    }
    QCOMPARE(interfaceText(child<QWidget>(top, label)), reads);
}

// The press action a screen reader offers on an analyser cell: the same
// lookup, answer and highlight as a click, and the focus where it was.
void TestAccessibility::pressingACellDoesWhatAClickDoes_data()
{
    QTest::addColumn<int>("cell");
    QTest::newRow("a kanji the dictionary has") << 2;
    QTest::newRow("a character it lacks") << 1;
    QTest::newRow("an empty cell") << 30;
}

void TestAccessibility::pressingACellDoesWhatAClickDoes()
{
    QFETCH(int, cell);
    QStringList states[2];
    for (const bool press : { false, true }) {
        m_main.reset();
        m_main.reset(startApplication());
        QWidget *form2 = window(u"Form2"_s);
        child<QPlainTextEdit>(form2, u"Text1"_s)->setPlainText(u"今x明"_s);
        child<QPushButton>(form2, u"Command1"_s)->click();
        auto *target = child<ClickableLabel>(form2, u"Label2(%1)"_s.arg(cell));
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(target);
        QCOMPARE(node->actionInterface()->actionNames().value(0),
            QAccessibleActionInterface::pressAction());
        if (press)
            node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        else
            QTest::mouseClick(target, Qt::LeftButton);
        QStringList &state = states[press ? 1 : 0];
        state << child<QLabel>(form2, u"Label1"_s)->text() << form2->focusWidget()->objectName();
        for (const ClickableLabel *each : form2->findChildren<ClickableLabel *>()) {
            QCOMPARE(each->focusPolicy(), Qt::NoFocus);
            state << each->palette().color(QPalette::Window).name()
                    + (each->autoFillBackground() ? u" filled"_s : QString());
        }
    }
    QVERIFY(!states[0].first().isEmpty());
    QCOMPARE(states[1], states[0]);
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
        dialogs.answer();
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
    const auto click = [this, &dialogs](const char *name) {
        child<QPushButton>(m_main.get(), QString::fromLatin1(name))->click();
        dialogs.answer();
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
        dialogs.answer();
        QTest::mouseClick(child<QLabel>(form2, u"Label2(0)"_s), Qt::LeftButton);
        addReadableTexts(texts, form2);
    } else if (scene == u"help text"_s) {
        m_main->findChild<QAction *>(u"Help"_s)->trigger();
        dialogs.answer();
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
