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

// A page that starts one Qt program with Qt's loader and nothing else, on a
// server whose root holds qtloader.js; PROGRAM is the program's path there
// without its extension. The page's window.exited is set when the program
// ends, with its exit status.
export function barePage(program, args = []) {
    const name = program.split('/').pop();
    return `<!doctype html><html><head><meta charset="utf-8"><title>${name}</title></head>
<body style="margin:0"><div id="screen" style="width:100vw;height:100vh"></div>
<script src="/qtloader.js"></script><script src="/${program}.js"></script>
<script>
qtLoad({ arguments: ${JSON.stringify(args)}, qt: {
    module: WebAssembly.compileStreaming(fetch('/${program}.wasm')),
    entryFunction: window.${name}_entry,
    containerElements: [document.getElementById('screen')],
    onExit: exit => { window.exited = exit; } } });
</script></body></html>`;
}
