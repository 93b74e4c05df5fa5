/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// The real start-up, as main() does it, ending the program as soon as the
// dictionary window has painted once.
#include "app/startup.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <memory>

namespace {

class FirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QCoreApplication::exit(0); // leaves the loop once this event is done
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const QApplication app(argc, argv);
    FirstPaint probe;
    const std::unique_ptr<QWidget> window(startApplication());
    window->installEventFilter(&probe);
    return QApplication::exec();
}
