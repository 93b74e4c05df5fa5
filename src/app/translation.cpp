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

    const QStringList languages = locale.uiLanguages();
    for (const QString &language : languages) {
        const QLocale candidate(language);
        // "C" and "POSIX" read as the C locale, as does a name Qt does not
        // know: only the first two stand for English.
        if (candidate.language() == QLocale::English || language == QLatin1String("C")
            || language == QLatin1String("POSIX"))
            return;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(candidate, QStringLiteral("kanjiaid"), QStringLiteral("_"),
                QStringLiteral(":/i18n")))
            continue;
        translator->setObjectName(name);
        QCoreApplication::installTranslator(translator.get());
        translator.release()->setParent(app);
        return;
    }
}

} // namespace kanjiaid
