/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>

#include <optional>
#include <utility>

#ifdef Q_OS_WASM
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <map>
#include <string>
#endif

namespace kanjiaid::ui {

namespace {

QString programClipboard()
{
    return QGuiApplication::clipboard()->text();
}

#ifdef Q_OS_WASM
// A browser reads its clipboard asynchronously: each read waits here under
// its number until its promise settles.
struct PendingRead
{
    QPointer<QObject> context;
    std::function<void(const QString &)> received;
};

std::map<int, PendingRead> &pendingReads()
{
    static std::map<int, PendingRead> reads;
    return reads;
}

void settle(int id, const std::optional<QString> &text)
{
    auto &reads = pendingReads();
    const auto found = reads.find(id);
    if (found == reads.end())
        return;
    PendingRead read = std::move(found->second);
    reads.erase(found);
    if (!read.context)
        return;
    // The promise settles outside Qt's event loop: the answer is handled in it.
    QMetaObject::invokeMethod(
        read.context,
        [received = std::move(read.received), answer = text.value_or(programClipboard())] {
            received(answer);
        },
        Qt::QueuedConnection);
}

void browserRead(int id, const std::string &text)
{
    settle(id, QString::fromStdString(text));
}

void browserRefused(int id, const emscripten::val & /*reason*/)
{
    settle(id, std::nullopt);
}
#endif

} // namespace

void readClipboardText(QObject *context, std::function<void(const QString &)> received)
{
#ifdef Q_OS_WASM
    using emscripten::val;
    const val clipboard = val::global("navigator")["clipboard"];
    if (!clipboard.isUndefined() && !clipboard["readText"].isUndefined()) {
        static int lastId = 0;
        const int id = ++lastId;
        pendingReads().emplace(id, PendingRead { context, std::move(received) });
        const val read = val::module_property("kanjiaidClipboardRead");
        const val refused = val::module_property("kanjiaidClipboardRefused");
        clipboard.call<val>("readText")
            .call<void>("then", read.call<val>("bind", val::null(), id),
                refused.call<val>("bind", val::null(), id));
        return;
    }
#endif
    Q_UNUSED(context)
    received(programClipboard());
}

} // namespace kanjiaid::ui

#ifdef Q_OS_WASM
EMSCRIPTEN_BINDINGS(kanjiaid_clipboard)
{
    emscripten::function("kanjiaidClipboardRead", &kanjiaid::ui::browserRead);
    emscripten::function("kanjiaidClipboardRefused", &kanjiaid::ui::browserRefused);
}
#endif
