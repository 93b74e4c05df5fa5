/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// What a screen reader is told as values change, recorded in-process. Qt
// passes accessibility events on only while its platform accessibility is
// active, which the offscreen platform does not offer: this test runs on a
// real platform (xcb, on a private X server) and switches it on, as qtbase's
// own accessibility tests do.

#include "app/startup.h"
#include "support/guitest.h"
#include "ui/controls.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtTest/qtestaccessible.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>

using namespace Qt::StringLiterals;
using guitest::child;
using kanjiaid::ui::ValueLabel;

namespace {

// QTestAccessibility keeps copies of the events it records, and its own
// clearEvents() forgets them without freeing them.
void forgetEvents()
{
    qDeleteAll(QTestAccessibility::events());
    QTestAccessibility::clearEvents();
}

} // namespace

class TestAnnouncements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void everyChangeIsAnnounced_data();
    void everyChangeIsAnnounced();
};

void TestAnnouncements::initTestCase()
{
    QTestAccessibility::initialize();
    QPlatformAccessibility *platform
        = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY2(platform, "this platform offers no accessibility; run the test on xcb");
    platform->setActive(true);
    QVERIFY(QAccessible::isActive());
    guitest::useLanguage(u"en"_s);
}

void TestAnnouncements::cleanupTestCase()
{
    forgetEvents();
    QTestAccessibility::cleanup();
}

void TestAnnouncements::everyChangeIsAnnounced_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("label"); // the label the step must change, and to what
    QTest::addColumn<QString>("value");
    QTest::newRow("a search") << u"search"_s << u"Label1"_s << u"明"_s;
    QTest::newRow("a browse") << u"browse"_s << u"Label15"_s << u" 1"_s;
    QTest::newRow("an analysed expression") << u"analyse"_s << u"Label2(1)"_s << u"日"_s;
    QTest::newRow("a pressed cell") << u"press"_s << u"Label1"_s << u"akarui; mei/myou; bright"_s;
    QTest::newRow("a conjugation") << u"conjugate"_s << u"Label6"_s << u"tabemasu"_s;
}

// Every value label that shows another value after the step has announced
// it, last, as a text update: a change made past setValue() goes unheard.
void TestAnnouncements::everyChangeIsAnnounced()
{
    QFETCH(QString, step);
    QFETCH(QString, label);
    QFETCH(QString, value);
    const std::unique_ptr<QWidget> main(startApplication());
    QWidget *top = main.get();
    const auto click
        = [&top](const char *name) { child<QPushButton>(top, QString::fromLatin1(name))->click(); };
    if (step != u"search"_s && step != u"browse"_s) {
        click("Command10");
        top = guitest::topLevel(u"Form2"_s);
        QVERIFY(top);
        child<QPlainTextEdit>(top, u"Text1"_s)->setPlainText(u"今日明"_s);
        if (step != u"analyse"_s)
            click("Command1");
    }
    const auto values = top->findChildren<ValueLabel *>();
    QHash<const QObject *, QString> before;
    for (const ValueLabel *each : values)
        before.insert(each, each->shownText());
    forgetEvents();

    if (step == u"search"_s) {
        child<QLineEdit>(top, u"Text1"_s)->setText(u"bright"_s);
        click("Command2");
    } else if (step == u"browse"_s) {
        click("Command7");
    } else if (step == u"analyse"_s) {
        click("Command1");
    } else if (step == u"press"_s) {
        QAccessible::queryAccessibleInterface(child<QWidget>(top, u"Label2(2)"_s))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    } else {
        child<QLineEdit>(top, u"Text2"_s)->setText(u"taberu"_s);
        click("Command4");
    }

    QHash<const QObject *, QString> announced;
    for (const QAccessibleEvent *event : QTestAccessibility::events()) {
        if (event->type() == QAccessible::TextUpdated) {
            announced.insert(event->object(),
                static_cast<const QAccessibleTextUpdateEvent *>(event)->textInserted());
        }
    }
    const auto *changed = child<ValueLabel>(top, label);
    QVERIFY(changed);
    QCOMPARE(changed->shownText(), value);
    QVERIFY(before.value(changed) != value);
    for (const ValueLabel *each : values) {
        if (each->shownText() == before.value(each))
            continue;
        QVERIFY2(announced.contains(each), qPrintable(each->objectName()));
        QCOMPARE(announced.value(each), each->shownText());
    }
}

QTEST_MAIN(TestAnnouncements)

#include "tst_announcements.moc"
