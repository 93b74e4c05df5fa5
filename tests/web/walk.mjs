// SPDX-FileCopyrightText: 2026 The kanjiaid developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The web release as a student meets it, in Debian's headless Chromium:
//   node walk.mjs SITE OUTDIR CATALOGUE
// CATALOGUE is the Indonesian catalogue (translations/kanjiaid_id.ts), whose
// texts the walk expects when the browser's language is Indonesian.
// Each step is named; the first that fails ends the walk with its name, what
// the browser's console said and what a screen reader reads of the page.
// What the program shows is read as a screen reader reads it: through
// Chromium's accessibility tree, which Qt fills from the widgets.
import fs from 'node:fs';
import path from 'node:path';
import os from 'node:os';
import { devices } from 'playwright-core';
import { launch } from './browser.mjs';
import { serve } from './server.mjs';

const [site, out, catalogue] = process.argv.slice(2);
fs.mkdirSync(out, { recursive: true });

// The catalogue's translations by context and English text.
function readCatalogue(file) {
    const unescape = text => text.replace(/&lt;/g, '<').replace(/&gt;/g, '>')
        .replace(/&apos;/g, "'").replace(/&quot;/g, '"').replace(/&amp;/g, '&');
    const texts = new Map();
    for (const [, context, body] of fs.readFileSync(file, 'utf8')
        .matchAll(/<context>\s*<name>([^<]*)<\/name>([\s\S]*?)<\/context>/g)) {
        for (const [message] of body.matchAll(/<message>[\s\S]*?<\/message>/g)) {
            const source = message.match(/<source>([^<]*)<\/source>/)?.[1];
            const translation = message.match(/<translation>([^<]*)<\/translation>/)?.[1];
            if (source !== undefined && translation !== undefined)
                texts.set(`${context}|${unescape(source)}`, unescape(translation));
        }
    }
    return (context, source) => {
        const text = texts.get(`${context}|${source}`);
        if (text === undefined)
            throw new Error(`the catalogue has no "${source}" in ${context}`);
        return text;
    };
}
const inIndonesian = readCatalogue(catalogue);

const browser = await launch();
const server = await serve(site);
const console_ = [];
let current = null; // the page the walk is on, for the failure report
let passed = 0;
const started = Date.now();

async function step(name, body) {
    const begun = Date.now();
    try {
        await body();
    } catch (error) {
        console.log(`FAIL at step '${name}': ${error.message}`);
        if (current) {
            try {
                console.log('What a screen reader reads of the page:');
                console.log(await current.locator('body').ariaSnapshot({ timeout: 5000 }));
                await current.screenshot({ path: path.join(out, 'failure.png') });
                console.log(`The page as it stood: ${path.join(out, 'failure.png')}`);
            } catch (reportError) {
                console.log(`(the page could not be read: ${reportError.message})`);
            }
        }
        console.log('The browser\'s console:');
        for (const line of console_.slice(-40))
            console.log(`  ${line}`);
        await browser.close();
        await server.close();
        process.exit(1);
    }
    passed += 1;
    console.log(`PASS ${name} (${Date.now() - begun} ms)`);
}

function expect(condition, what) {
    if (!condition)
        throw new Error(what);
}

async function until(condition, what, timeout = 10000) {
    for (const end = Date.now() + timeout; !(await condition());) {
        if (Date.now() > end)
            throw new Error(what);
        await new Promise(resolve => setTimeout(resolve, 100));
    }
}

async function open(context, language = 'en') {
    const page = await context.newPage();
    languages.set(page, language);
    current = page;
    page.on('console', message => console_.push(`${message.type()}: ${message.text()}`));
    page.on('pageerror', error => console_.push(`page error: ${error.message}`));
    await page.goto(server.url, { waitUntil: 'commit' });
    // The status gives way once Qt has started the program.
    await page.locator('#status').waitFor({ state: 'hidden', timeout: 60000 });
    // What a screen reader user presses first: Qt builds its shadow elements
    // for screen readers only when asked.
    const enable = page.getByRole('button', { name: 'Enable Screen Reader' });
    await enable.waitFor({ timeout: 30000 });
    await enable.dispatchEvent('click');
    await program(page).button(inLanguage(page, 'kanjiaid::Form1', 'Exit')).waitFor({ timeout: 10000 });
    return page;
}

function inLanguage(page, context, text) {
    return languages.get(page) === 'id' ? inIndonesian(context, text) : text;
}

// What the program offers a screen reader, by role and name.
function program(page) {
    const screen = page.locator('#screen');
    return {
        button: name => screen.getByRole('button', { name, exact: true }),
        box: name => screen.getByRole('textbox', { name, exact: true }),
        checkbox: name => screen.getByRole('checkbox', { name, exact: true }),
        text: text => screen.getByText(text, { exact: true }),
    };
}

// A value label reads as its name, then what it shows ("Kanji: 明").
async function valueOf(page, name) {
    const element = page.locator('#screen').locator('textarea, button')
        .filter({ hasText: new RegExp(`^${name.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}(: |$)`) });
    await element.first().waitFor({ timeout: 10000 });
    const text = (await element.first().textContent()) ?? '';
    return text.slice(name.length).replace(/^: /, '').trim();
}

// A press as a screen reader gives it: the element's own click, which Qt
// turns into the control's press action.
async function press(page, name) {
    await program(page).button(name).first().dispatchEvent('click', undefined, { timeout: 10000 });
}

// Where a control is drawn, from its screen-reader element's place.
async function centre(locator) {
    await locator.waitFor({ timeout: 10000 });
    const box = await locator.boundingBox();
    expect(box && box.width > 0, 'the control has no place on the screen');
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

async function click(page, locator, { touch = false } = {}) {
    const { x, y } = await centre(locator);
    if (touch)
        await page.touchscreen.tap(x, y);
    else
        await page.mouse.click(x, y);
}

async function typeInto(page, box, text, options) {
    await click(page, program(page).box(box).first(), options);
    await page.keyboard.press('Control+A');
    await page.keyboard.type(text);
}

// The open box's texts; then, after typing the reply, if any, the given
// button pressed as a screen reader presses it, or the given key.
// An open box is the newest of Qt's windows.
async function answer(page, { reply, button, key } = {}) {
    const box = page.locator('#screen .qt-window').last();
    await box.waitFor({ timeout: 10000 });
    const texts = await box.locator('textarea').allTextContents();
    if (reply !== undefined) {
        await click(page, box.locator('input[type=text]').first());
        await page.keyboard.type(reply);
    }
    // The box's own window goes or hides; another box may take its place.
    const window = await box.elementHandle();
    if (key)
        await page.keyboard.press(key);
    else
        await box.getByRole('button', { name: button, exact: true }).dispatchEvent('click');
    await page.waitForFunction(element => !element.isConnected || element.getClientRects().length === 0
        || getComputedStyle(element).display === 'none', window, { timeout: 10000 });
    return texts;
}

// Search for a word and wait until its kanji is announced (what an earlier
// step announced is cleared first).
async function search(page, word, kanji, options) {
    await page.evaluate(() => document.querySelector('#announcer').replaceChildren());
    await typeInto(page, inLanguage(page, 'kanjiaid::Form1', 'Word to search'), word, options);
    await click(page, program(page).button(inLanguage(page, 'kanjiaid::Form1', 'Search for the word')),
        options);
    await page.waitForFunction(shown => [...document.querySelector('#announcer').children]
        .some(line => line.textContent.endsWith(`: ${shown}`)), kanji, { timeout: 10000 });
}

// Waits until the page's announcer has said the text.
function announced(page, text) {
    return page.waitForFunction(said => document.querySelector('#announcer').textContent.includes(said),
        text, { timeout: 10000 });
}

async function visibleWindows(page) {
    return page.evaluate(() => [...document.querySelector('#qt-shadow-container')
        .shadowRoot.querySelectorAll('.qt-window')]
        .filter(w => getComputedStyle(w).display !== 'none' && w.getBoundingClientRect().width > 0)
        .map(w => { const r = w.getBoundingClientRect(); return { x: r.x, y: r.y, width: r.width, height: r.height }; }));
}

// What Chromium's accessibility tree holds, as a screen reader gets it.
async function accessibilityTree(page) {
    const session = await page.context().newCDPSession(page);
    const { nodes } = await session.send('Accessibility.getFullAXTree');
    await session.detach();
    return nodes.filter(node => !node.ignored)
        .map(node => ({ role: node.role?.value ?? '', name: node.name?.value ?? '',
                        value: node.value?.value ?? '' }))
        .filter(node => ['button', 'textbox', 'checkbox', 'StaticText', 'menuitem', 'dialog']
            .includes(node.role) && (node.name || node.value));
}

const languages = new WeakMap(); // page -> 'en' | 'id'

// Markup as a copied text can carry it: it must reach the page as text.
const probe = '<img src=x onerror="window.probeRuns=(window.probeRuns||0)+1"><b id=kanjiaid-probe>x</b>';

// What the probe made of the page if it became markup anywhere, Qt's shadow
// root included: elements, runs of its handler, fetches of its image. The
// policy would stop the handler, so the elements are the proof.
async function expectNoMarkup(page) {
    const { runs, made } = await page.evaluate(() => {
        const found = [];
        const visit = root => {
            for (const element of root.querySelectorAll('*')) {
                if (element.id === 'kanjiaid-probe' || element.getAttribute('src') === 'x')
                    found.push(element.tagName.toLowerCase());
                if (element.shadowRoot)
                    visit(element.shadowRoot);
            }
        };
        visit(document);
        return { runs: window.probeRuns ?? 0, made: found };
    });
    expect(runs === 0, `the probe's handler ran ${runs} times`);
    expect(made.length === 0, `the probe made elements of the page: ${made.join(', ')}`);
    expect(!server.requests.some(request => request.path === '/x'), 'the probe\'s image was fetched');
}

// Types the probe into a box, which must then hold it as typed, as text.
async function typeProbe(page, name) {
    const box = program(page).box(name);
    await typeInto(page, name, probe);
    const typed = await box.inputValue();
    expect(typed === probe, `the box reads "${typed}"`);
    await expectNoMarkup(page);
    return box;
}

async function violations(page) {
    return page.evaluate(() => window.policyViolations.splice(0));
}

// --- The walk ----------------------------------------------------------------
const desktop = await browser.newContext({ viewport: { width: 1024, height: 768 }, locale: 'en-GB' });
await desktop.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: server.url });
await desktop.addInitScript(() => {
    window.policyViolations = [];
    document.addEventListener('securitypolicyviolation', event =>
        window.policyViolations.push(`${event.effectiveDirective} ${event.blockedURI}`));
});
let page;

await step('the page loads the program under its title, offering a screen reader', async () => {
    page = await open(desktop);
    const title = await page.title();
    expect(title === 'Kanji Learning Program', `the title is "${title}"`);
    expect(await program(page).text('Velmora University: Online Kanji Learning Program').count() >= 1,
        'the window caption is not read');
});

await step('"bright", typed and searched for, is 明, record 182', async () => {
    await search(page, 'bright', '明');
    const kanji = await valueOf(page, 'Kanji');
    expect(kanji === '明', `Kanji reads "${kanji}"`);
    const record = await valueOf(page, 'Record number');
    expect(record === '182', `Record number reads "${record}"`);
    const announced = await page.locator('#announcer').textContent();
    expect(announced.includes('Kanji: 明') && announced.includes('Record number'),
        `announced: "${announced}"`);
    await page.screenshot({ path: path.join(out, 'web-dictionary.png') });
});

await step('the accessibility tree names every control and reads every value', async () => {
    const tree = await accessibilityTree(page);
    const lines = tree.map(node => `${node.role}\t${node.name}\t${node.value}`);
    fs.writeFileSync(path.join(out, 'axtree-dictionary.tsv'), `role\tname\tvalue\n${lines.join('\n')}\n`);
    for (const name of ['Exit', 'Search for the word', 'Show/hide Onyomi, Kunyomi, Example',
        'English to Japanese', 'Japanese to English', 'Browse Up', 'Browse Down', 'Check Expression'])
        expect(tree.some(node => node.role === 'button' && node.name === name), `no button "${name}"`);
    expect(tree.some(node => node.role === 'textbox' && node.name === 'Word to search'
        && node.value === 'bright'), 'the search box is not read as "Word to search", "bright"');
    expect(tree.some(node => node.value === 'Kanji: 明' || node.name === 'Kanji: 明'),
        'the Kanji label is not read with its value');
});

await step('markup typed into the search box stays text, and a search that finds nothing keeps it', async () => {
    const box = await typeProbe(page, 'Word to search');
    await click(page, program(page).button('Search for the word'));
    const told = await answer(page, { button: 'OK' });
    expect(told.includes('Sorry, the word is not yet in the dictionary!'), `told ${JSON.stringify(told)}`);
    const kept = await box.inputValue();
    expect(kept === probe, `after the search the box reads "${kept}"`);
    const tree = await accessibilityTree(page);
    expect(tree.some(node => node.role === 'textbox' && node.name === 'Word to search' && node.value === probe),
        'a screen reader does not read the box as typed');
    await expectNoMarkup(page);
});

await step('browsing past the first record asks for a record, and an answer moves there', async () => {
    await search(page, 'bad', '悪');
    await click(page, program(page).button('Browse Down'));
    const prompt = await answer(page, { reply: '319', key: 'Enter' });
    expect(prompt.some(text => text.startsWith('Sorry, This is the first record.')),
        `the box said ${JSON.stringify(prompt)}`);
    await click(page, program(page).button('Browse Down'));
    await announced(page, '319');
});

await step('browsing past the last record asks again, and a wrong answer is told', async () => {
    await click(page, program(page).button('Browse Up'));
    await click(page, program(page).button('Browse Up'));
    const record = await valueOf(page, 'Record number');
    expect(record === '320', `Record number reads "${record}"`);
    await click(page, program(page).button('Browse Up'));
    const prompt = await answer(page, { reply: '999', button: 'OK' });
    expect(prompt.some(text => text.startsWith('Sorry, This is the last record.')),
        `the box said ${JSON.stringify(prompt)}`);
    const told = await answer(page, { button: 'OK' });
    expect(told.includes('Please enter a record number from 1 to 320.'), `told ${JSON.stringify(told)}`);
});

await step('the keyboard works after the boxes: a word typed and searched again', async () => {
    await search(page, 'bright', '明');
    const kanji = await valueOf(page, 'Kanji');
    expect(kanji === '明', `Kanji reads "${kanji}"`);
});

await step('the help text opens and closes', async () => {
    await click(page, page.locator('#screen').getByRole('menuitem', { name: 'Help' }));
    const help = await answer(page, { button: 'OK' });
    expect(help.some(text => text.startsWith('Do you know that the most frequently used kanji')),
        `the help said ${JSON.stringify(help)}`);
});

await step('the expression window: a pasted text, RUN, a pressed cell', async () => {
    await click(page, program(page).button('Check Expression'));
    await program(page).button('or Paste from other source').waitFor({ timeout: 10000 });
    await page.evaluate(() => navigator.clipboard.writeText('明日は雨'));
    await click(page, program(page).button('or Paste from other source'));
    await page.waitForFunction(() => [...document.querySelector('#qt-shadow-container').shadowRoot
        .querySelectorAll('textarea, input')].some(e => e.textContent.includes('明日は雨')
            || e.value?.includes('明日は雨')), undefined, { timeout: 10000 });
    await click(page, program(page).button('RUN and click on any kanji below:'));
    await program(page).button('Character 1: 明').waitFor({ timeout: 10000 });
    await press(page, 'Character 1: 明');
    const meaning = await valueOf(page, 'Kunyomi, onyomi and meaning');
    expect(meaning.includes('bright'), `the cell's answer reads "${meaning}"`);
    await page.screenshot({ path: path.join(out, 'web-expression.png') });
});

await step('markup typed and pasted into the expression box stays text, and RUN shows it', async () => {
    const box = await typeProbe(page, 'Kanji expression');
    await page.evaluate(text => navigator.clipboard.writeText(text), `${probe}明`);
    await click(page, program(page).button('or Paste from other source'));
    await until(async () => (await box.inputValue()) === `${probe}明`, 'the pasted text is not read as copied');
    await click(page, program(page).button('RUN and click on any kanji below:'));
    // Longer than the grid: the program says it takes the first 60.
    const told = await answer(page, { button: 'OK' });
    expect(told.includes('We will take the first 60 letters only!'), `told ${JSON.stringify(told)}`);
    await program(page).button('Character 1: <').waitFor({ timeout: 10000 });
    await program(page).button('Character 2: i').waitFor({ timeout: 10000 });
    await expectNoMarkup(page);
});

await step('the conjugator: taberu in its ta-form', async () => {
    await typeInto(page, 'Verb in romaji', 'taberu');
    await click(page, program(page).button('RUN'));
    await announced(page, 'tabeta');
});

await step('the page broke no rule of its Content-Security-Policy, which is in force', async () => {
    const broken = await violations(page);
    expect(broken.length === 0, `the page broke its policy: ${broken.join('; ')}`);
    const header = await page.evaluate(async () => (await fetch('./')).headers.get('content-security-policy'));
    const meta = await page.locator('meta[http-equiv="Content-Security-Policy"]').getAttribute('content');
    expect(meta && header?.startsWith(meta), `the page's policy is "${meta}", the server's "${header}"`);
    const ran = await page.evaluate(() => {
        const script = document.createElement('script');
        script.textContent = 'window.inlineRan = true;';
        document.head.append(script);
        return window.inlineRan === true;
    });
    expect(!ran, 'an inline script ran');
    const stopped = await violations(page);
    expect(stopped.some(line => line.startsWith('script-src')), `the inline script was not reported: ${stopped}`);
});

await step('Back to Main, then Exit: the page says the program has ended', async () => {
    await click(page, program(page).button('Back to Main'));
    await click(page, program(page).button('Exit'));
    await page.getByText('The program has ended.').waitFor({ timeout: 10000 });
    await page.getByRole('button', { name: 'Start again' }).waitFor({ timeout: 5000 });
});

await step('offline: the site starts again from the browser\'s cache', async () => {
    await page.evaluate(async () => { await navigator.serviceWorker.ready; });
    server.offline = true;
    await page.close();
    page = await open(desktop);
    server.offline = false;
});

await step('a new version served reaches the student at the next visit, offline too', async () => {
    // What a new build changes: the page, and with it the worker's version.
    const next = fs.mkdtempSync(path.join(os.tmpdir(), 'kanjiaid-next-'));
    fs.cpSync(site, next, { recursive: true });
    const marker = '<!-- the next version -->';
    fs.appendFileSync(path.join(next, 'index.html'), marker);
    const worker = path.join(next, 'sw.js');
    const script = fs.readFileSync(worker, 'utf8');
    const version = script.match(/const version = "([^"]*)";/)?.[1];
    expect(version !== undefined, 'the worker names no version');
    fs.writeFileSync(worker, script.replace(`"${version}"`, `"${version}-next"`));
    // A new build compresses what it changed anew; these copies would be stale.
    for (const changed of ['index.html', 'sw.js'])
        for (const suffix of ['.br', '.gz'])
            fs.rmSync(path.join(next, changed + suffix), { force: true });
    server.root = next;
    try {
        const caches = await page.evaluate(async () => {
            const registration = await navigator.serviceWorker.getRegistration();
            const replaced = new Promise((resolve, reject) => {
                navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true });
                setTimeout(() => reject(new Error('no new worker took the page over in 30 s')), 30000);
            });
            await registration.update();
            await replaced;
            // The old cache goes as the new worker activates.
            for (let tries = 0; tries < 50 && (await caches.keys()).length > 1; tries += 1)
                await new Promise(resolve => setTimeout(resolve, 100));
            return caches.keys();
        });
        expect(caches.length === 1 && caches[0] === `kanjiaid-${version}-next`,
            `the caches are ${JSON.stringify(caches)}`);
        server.offline = true;
        const index = await page.evaluate(async () => (await fetch('./')).text());
        expect(index.includes(marker), 'offline, the page is still the old one');
    } finally {
        server.offline = false;
        server.root = site;
        fs.rmSync(next, { recursive: true, force: true });
    }
});

await step('a browser without WebAssembly is told so, under the title', async () => {
    const context = await browser.newContext({ viewport: { width: 1024, height: 768 }, locale: 'en-GB' });
    await context.addInitScript(() => { delete globalThis.WebAssembly; });
    const bare = await context.newPage();
    current = bare;
    await bare.goto(server.url);
    await bare.getByText('This browser cannot run the program: it does not support WebAssembly.',
        { exact: false }).waitFor({ timeout: 10000 });
    const title = await bare.title();
    expect(title === 'Kanji Learning Program', `the title is "${title}"`);
    await context.close();
});

await step('in Indonesian, as the browser\'s language says', async () => {
    const context = await browser.newContext({ viewport: { width: 1024, height: 768 }, locale: 'id-ID' });
    const shown = await open(context, 'id');
    const title = await shown.title();
    expect(title === inIndonesian('page', 'Kanji Learning Program'), `the title is "${title}"`);
    await search(shown, 'bright', '明');
    await shown.screenshot({ path: path.join(out, 'web-dictionary-id.png') });
    await context.close();
});

await step('on a phone: the window fits the width and works by touch', async () => {
    const context = await browser.newContext({ ...devices['iPhone 13'], locale: 'en-GB' });
    const phone = await open(context);
    const shown = await visibleWindows(phone);
    expect(shown.length >= 1, 'no window is shown');
    expect(shown.every(w => w.x >= 0 && w.x + w.width <= 390 + 0.5),
        `a window stands outside the width: ${JSON.stringify(shown)}`);
    await search(phone, 'bright', '明', { touch: true });
    await phone.screenshot({ path: path.join(out, 'web-phone.png') });
    await context.close();
});

console.log(`${passed} passed, 0 failed`);
console.log(`walk: ${passed} steps in ${((Date.now() - started) / 1000).toFixed(1)} s;` +
            ` first visit ${server.requests.length} requests`);
await browser.close();
await server.close();
