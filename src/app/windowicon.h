/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QIcon>

namespace kanjiaid {

// The program's icon for its windows, in the two sizes that serve the title
// bar and the task switcher (the desktop's menu takes the installed theme
// icons).
[[nodiscard]] QIcon windowIcon();

} // namespace kanjiaid
