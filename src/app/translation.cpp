/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/translation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace kanjiaid {

void installTranslation(const QLocale &locale)
{
    QCoreApplication *const app = QCoreApplication::instance();
    const QString name = QStringLiteral("kanjiaid catalogue");
    // A translator leaves the application's list when it is destroyed.
    delete app->findChild<QTranslator *>(name, Qt::FindDirectChildrenOnly);

    // Qt tries the locale's interface languages in order. English has a
    // catalogue too, an empty one, so that a language listed after it is
    // never chosen; a locale with no language that has one (C, POSIX, any
    // other) loads nothing, and the texts stay as written, in English.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(
            locale, QStringLiteral("kanjiaid"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return;
    translator->setObjectName(name);
    QCoreApplication::installTranslator(translator.get());
    translator.release()->setParent(app);
}

} // namespace kanjiaid
