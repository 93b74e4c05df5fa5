// SPDX-FileCopyrightText: 2026 The kanjiaid developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The project's own tests built for WebAssembly, each run in a page of
// Debian's headless Chromium: what a test prints is its report, as on a
// desktop, and its exit status its verdict.
//   node suite.mjs BUILD LIST
// BUILD is the web build (qtloader.js at its root, the tests under tests/);
// LIST names the tests, one a line.
import fs from 'node:fs';
import path from 'node:path';
import { barePage, launch } from './browser.mjs';
import { serve } from './server.mjs';

const [build, list] = process.argv.slice(2);
const tests = fs.readFileSync(list, 'utf8').split('\n').filter(Boolean);
if (tests.length === 0)
    throw new Error(`${list} names no test`);
const browser = await launch();
const server = await serve(path.resolve(build));
const failed = [];
const started = Date.now();
for (const test of tests) {
    const begun = Date.now();
    const context = await browser.newContext();
    await context.route('**/run.html', route =>
        route.fulfill({ contentType: 'text/html; charset=utf-8', body: barePage(`tests/${test}`) }));
    const page = await context.newPage();
    const report = [];
    page.on('console', message => report.push(message.text()));
    page.on('pageerror', error => report.push(`page error: ${error.message}`));
    await page.goto(`${server.url}run.html`);
    let exit;
    try {
        await page.waitForFunction(() => window.exited !== undefined, undefined, { timeout: 120000 });
        exit = await page.evaluate(() => ({ code: window.exited.code, crashed: window.exited.crashed }));
    } catch {
        exit = { code: null, crashed: false };
    }
    await context.close();
    const passed = exit.code === 0 && !exit.crashed;
    if (!passed) {
        failed.push(test);
        console.log(report.join('\n'));
    }
    const verdict = exit.code === null ? 'did not end within 120 s'
        : exit.crashed ? 'crashed' : `exit status ${exit.code}`;
    const totals = report.find(line => line.startsWith('Totals:')) ?? '';
    console.log(`${passed ? 'PASS' : 'FAIL'} ${test}: ${verdict}; ${totals} (${Date.now() - begun} ms)`);
}
await browser.close();
await server.close();
console.log(`browser tests: ${tests.length - failed.length} of ${tests.length} passed in` +
            ` ${((Date.now() - started) / 1000).toFixed(1)} s`);
process.exit(failed.length ? 1 : 0);
