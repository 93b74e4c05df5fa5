/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/windowicon.h"

namespace kanjiaid {

QIcon windowIcon()
{
    QIcon icon;
    for (const int size : { 32, 64 })
        icon.addFile(QStringLiteral(":/kanjiaid/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace kanjiaid
