/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// The real start-up, as main() does it, ending the program as soon as the
// dictionary window has painted once.
//   kanjiaid_startprobe                      just that
//   kanjiaid_startprobe --expression-window  then presses "Check Expression"
//                                            and prints the time from the
//                                            click to the expression window
//                                            painted, in a fresh program
#include "app/startup.h"
#include "support/guitest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QTextStream>

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

// Milliseconds from the click on "Check Expression" to the expression window
// painted; -1 when it did not open.
double firstShowOfExpressionWindow(QWidget *dictionary)
{
    auto *check = guitest::child<QPushButton>(dictionary, QStringLiteral("Command10"));
    QElapsedTimer clock;
    clock.start();
    check->click();
    QWidget *expression = guitest::topLevel(QStringLiteral("Form2"));
    if (expression == nullptr)
        return -1;
    expression->repaint(); // returns once painted
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    const QApplication app(argc, argv);
    FirstPaint probe;
    const std::unique_ptr<QWidget> window(startApplication());
    window->installEventFilter(&probe);
    const int status = QApplication::exec();
    if (!QApplication::arguments().contains(QStringLiteral("--expression-window")))
        return status;
    window->removeEventFilter(&probe);
    const double milliseconds = firstShowOfExpressionWindow(window.get());
    QTextStream(stdout) << "first show of the expression window: " << milliseconds << " ms\n";
    return milliseconds < 0 ? 1 : 0;
}
