// SPDX-FileCopyrightText: 2026 The kanjiaid developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Start-up in Debian's headless Chromium, from a web server on 127.0.0.1
// that gzips as a plain host does:
// - kanjiaid against a window with one label, built with the same Qt and
//   started by the same bare page (Qt's loader, no environment): the time
//   from navigation to the first paint, RUNS runs of each, alternating,
//   each in a fresh browser profile with nothing cached;
// - the site as a student meets it: the bytes of a first visit and its
//   first paint, then a second visit, from the service worker's cache.
// A paint is the first frame after a window hands the browser its pixels.
//   node web-startup.mjs BUILD RUNS
// BUILD is the web build: kanjiaid.{js,wasm}, qtloader.js, site/ and
// bench/kanjiaid_emptywindow.{js,wasm}.
import path from 'node:path';
import { barePage, launch } from './browser.mjs';
import { serve } from './server.mjs';

const [build, runsText] = process.argv.slice(2);
const runs = Number(runsText);

// Marks the first frame after the first pixels a canvas was given.
function watchFirstPaint() {
    const context = CanvasRenderingContext2D.prototype;
    for (const name of ['putImageData', 'drawImage']) {
        const original = context[name];
        context[name] = function (...args) {
            if (window.firstPaint === undefined && !window.painting) {
                window.painting = true;
                requestAnimationFrame(() => { window.firstPaint = performance.now(); });
            }
            return original.apply(this, args);
        };
    }
}

const browser = await launch();
const server = await serve(path.resolve(build));

async function firstPaint(context, url) {
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', error => errors.push(error.message));
    await page.goto(url, { waitUntil: 'commit' });
    try {
        await page.waitForFunction(() => window.firstPaint !== undefined, undefined, { timeout: 120000 });
    } catch (error) {
        throw new Error(`${url} never painted: ${errors.join('; ') || error.message}`);
    }
    return { page, ms: await page.evaluate(() => window.firstPaint) };
}

// Playwright's routing turns the HTTP cache off: only the bare pages' own
// profiles route.
async function freshContext({ bare = false } = {}) {
    const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
    await context.addInitScript(watchFirstPaint);
    if (!bare)
        return context;
    await context.route('**/bare/*.html', (route, request) => {
        const which = path.basename(new URL(request.url()).pathname, '.html');
        const pages = {
            label: barePage('bench/kanjiaid_emptywindow', ['--label']),
            kanjiaid: barePage('kanjiaid'),
        };
        return route.fulfill({ contentType: 'text/html; charset=utf-8', body: pages[which] });
    });
    return context;
}

const median = values => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const times = { label: [], kanjiaid: [], first: [], repeat: [] };
const bytes = { first: [], repeat: [] };
let firstVisit = []; // what the first visit of the last run fetched
for (let run = 0; run < runs; run += 1) {
    for (const which of ['label', 'kanjiaid']) {
        const context = await freshContext({ bare: true });
        times[which].push((await firstPaint(context, `${server.url}bare/${which}.html`)).ms);
        await context.close();
    }
    const context = await freshContext();
    let sent = server.sent;
    const asked = server.requests.length;
    const { page, ms } = await firstPaint(context, `${server.url}site/`);
    await page.evaluate(async () => { await navigator.serviceWorker.ready; });
    // The worker's own fetches belong to the first visit too.
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await page.waitForTimeout(500);
    times.first.push(ms);
    bytes.first.push(server.sent - sent);
    firstVisit = server.requests.slice(asked);
    await page.close();
    sent = server.sent;
    times.repeat.push((await firstPaint(context, `${server.url}site/`)).ms);
    bytes.repeat.push(server.sent - sent);
    await context.close();
}
await browser.close();
await server.close();

const ms = values => `${median(values).toFixed(0)} ms`;
console.log(`first paint in Chromium, median of ${runs} runs each:`);
console.log(`  one label ${ms(times.label)}, kanjiaid ${ms(times.kanjiaid)};` +
            ` ratio ${(median(times.kanjiaid) / median(times.label)).toFixed(2)}`);
console.log(`  the site, first visit: ${ms(times.first)}, ${median(bytes.first)} bytes sent (gzip)`);
console.log(`  the site, second visit: ${ms(times.repeat)}, ${median(bytes.repeat)} bytes sent`);
console.log('  what a first visit fetched (bytes sent, as what):');
for (const request of firstVisit)
    console.log(`    ${request.path.padEnd(32)} ${String(request.bytes).padStart(9)} ${request.encoding ?? 'identity'}`);
