// SPDX-FileCopyrightText: 2026 The kanjiaid developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Debian's Chromium, headless, as every browser test here starts it.
import { chromium } from 'playwright-core';

export function launch() {
    return chromium.launch({
        executablePath: '/usr/bin/chromium',
        headless: true,
        // Qt draws with WebGL where it can; SwiftShader stands in for a GPU.
        // Chromium's own traffic stays off: this machine reaches no Google host.
        args: ['--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
}
