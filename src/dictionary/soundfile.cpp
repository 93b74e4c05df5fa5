/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "dictionary/soundfile.h"

#include "dictionary/wordsearch.h"

#include <QFileInfo>

namespace kanjiaid {

QString soundFileName(const QString &kunyomiCaption)
{
    return trimSpaces(kunyomiCaption) + QStringLiteral(".wav");
}

bool soundFileExists(const QString &kunyomiCaption, const QDir &folder)
{
    const QString name = soundFileName(kunyomiCaption);
    // Windows reads "c:name" as a name in drive C's current folder, so a
    // colon is refused with the separators, on every system alike.
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(u':')
        || name.contains(QChar::Null))
        return false;
    const QFileInfo file(folder, name);
    return file.isFile();
}

} // namespace kanjiaid
