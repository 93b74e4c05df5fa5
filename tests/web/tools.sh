# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced: web_tools DIR puts the browser tests' modules into DIR with the
# Playwright that package-lock.json pins, installed from npm once per lock,
# and checks for what they drive (Debian's node, npm and chromium).
web_tools() {
    local here tools=$1
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
    command -v node >/dev/null || { echo "web tools: node is missing (Debian package nodejs)" >&2; return 1; }
    command -v npm >/dev/null || { echo "web tools: npm is missing (Debian package npm)" >&2; return 1; }
    [[ -x /usr/bin/chromium ]] || { echo "web tools: /usr/bin/chromium is missing (Debian package chromium)" >&2; return 1; }
    mkdir -p "$tools"
    # Node resolves a module's packages from the module's own folder.
    cp "$here/package.json" "$here/package-lock.json" "$here"/*.mjs "$tools/"
    cmp -s "$here/package-lock.json" "$tools/node_modules/.package-lock.json.kanjiaid" 2>/dev/null && return 0
    (cd "$tools" && npm ci --no-audit --no-fund --loglevel=error >/dev/null) \
        || { echo "web tools: npm could not install the packages package-lock.json names" >&2; return 1; }
    cp "$here/package-lock.json" "$tools/node_modules/.package-lock.json.kanjiaid"
}
