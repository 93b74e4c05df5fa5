/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/startup.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <memory>

#ifdef Q_OS_WASM
#include <QTimer>

#include <emscripten.h>

namespace {

// A browser's event loop never returns from exec(): the program ends once
// the quit has been handled, and the page around it says so.
class EndsInBrowser : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::Quit)
            QTimer::singleShot(0, [] { emscripten_force_exit(0); });
        return QObject::eventFilter(watched, event);
    }
};

} // namespace
#endif

int main(int argc, char *argv[])
{
    const QApplication app(argc, argv);
#ifdef Q_OS_WASM
    EndsInBrowser ends;
    QApplication::instance()->installEventFilter(&ends);
#endif
    const std::unique_ptr<QWidget> window(startApplication());
    return QApplication::exec();
}
