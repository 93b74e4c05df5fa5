# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Read by cpack before it packs. The package's library dependencies come from
# dpkg-shlibdeps, which CPack feeds with the binaries that file(1) finds;
# without either tool CPack would only warn and leave them out of Depends.
find_program(KANJIAID_SHLIBDEPS dpkg-shlibdeps)
find_program(KANJIAID_FILE file)
if(NOT KANJIAID_SHLIBDEPS OR NOT KANJIAID_FILE)
    message(FATAL_ERROR "The package's Depends cannot be computed: dpkg-shlibdeps (Debian package "
                        "dpkg-dev) and file (Debian package file) are both needed")
endif()
