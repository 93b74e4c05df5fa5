/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// Written as code outside this project is: Qt's keywords and implicit casts
// from ASCII, which kanjiaid's own code forbids itself.
#include "app/startup.h"

#include <QtTest>

#include <memory>

class ConsumerTest : public QObject
{
    Q_OBJECT

private slots:
    void startsTheDictionaryWindow()
    {
        const QString expected = "Form1"; // from ASCII, implicitly
        const std::unique_ptr<QWidget> window(startApplication());
        QCOMPARE(window->objectName(), expected);
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(ConsumerTest)
#include "tst_consumer.moc"
