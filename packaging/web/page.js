// SPDX-FileCopyrightText: 2026 The kanjiaid developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page around the program: it says what it is doing while the program
// loads, starts it scaled to fit a small screen, says so when the browser
// cannot run it or when it has ended, and keeps the site for use offline.
// Its texts (texts.js) are translated in the program's catalogues, which the
// site's build writes into the table below; the language is the first of
// the browser's that the program speaks, as the program itself chooses it.
'use strict';

const catalogues = {}; // filled in by the site's build
// The size of kanjiaid.wasm, whatever a server compresses it to on the way.
const programBytes = 0; // filled in by the site's build

const language = (() => {
    for (const tag of navigator.languages ?? [navigator.language ?? 'en']) {
        const base = tag.toLowerCase().split('-')[0];
        if (base === 'en' || base in catalogues)
            return base;
    }
    return 'en';
})();

function tr(text) {
    return catalogues[language]?.[text] || text;
}

// The windows' size in the program's own pixels, with Qt's frame: the
// expression window is the wider of the two.
const programWidth = 560;
const programHeight = 540;

const status = document.getElementById('status');
const message = document.getElementById('message');
const progress = document.getElementById('progress');
const restart = document.getElementById('restart');
const screen = document.getElementById('screen');

function say(text, { busy = false, again = false } = {}) {
    message.textContent = text;
    progress.hidden = !busy;
    restart.hidden = !again;
    status.setAttribute('aria-busy', String(busy));
    status.hidden = false;
}

// A screen narrower or lower than the windows scales the program as a whole,
// as a high-resolution screen does; the layout inside stays as designed.
function scaleFactor() {
    const fit = Math.min(innerWidth / programWidth, innerHeight / programHeight, 1);
    return Math.floor(fit * 100) / 100;
}

// Qt's browser platform gives each widget a shadow element for screen
// readers, once one asks for it ("Enable Screen Reader"). Two things it
// leaves out are made good here, as the elements appear: a text box and a
// check box carry their names where a screen reader reads them, and what a
// read-only text shows is announced when it changes, as a desktop's screen
// reader announces a value label.
const announcer = document.getElementById('announcer');
function announce(text) {
    const line = document.createElement('p');
    line.textContent = text;
    announcer.append(line);
    while (announcer.childElementCount > 20)
        announcer.firstElementChild.remove();
}

function completeAccessibility(root) {
    // Qt writes a box's name as its text, and later as its "name"; what the
    // box holds is its value.
    const name = element => {
        if (element.tagName !== 'INPUT' && (element.tagName !== 'TEXTAREA' || element.readOnly))
            return null;
        return element.getAttribute('name') || element.textContent || null;
    };
    // A text is announced from its second on: the first is what it shows as
    // the screen reader starts, which it reads as it reads the window.
    const filled = new WeakSet();
    const observer = new MutationObserver(records => {
        for (const record of records) {
            const target = record.target.nodeType === Node.ELEMENT_NODE
                ? record.target : record.target.parentElement;
            if (record.type === 'childList' && target?.tagName === 'TEXTAREA' && target.readOnly) {
                if (!filled.has(target))
                    filled.add(target);
                else if (target.textContent && target.getAttribute('aria-hidden') !== 'true')
                    announce(target.textContent);
            }
            for (const element of [target, ...record.addedNodes]) {
                if (element?.nodeType !== Node.ELEMENT_NODE)
                    continue;
                const label = name(element);
                if (label && element.getAttribute('aria-label') !== label)
                    element.setAttribute('aria-label', label);
            }
        }
    });
    observer.observe(root, { subtree: true, childList: true, attributes: true,
                             attributeFilter: ['name'], characterData: true });
}

// Qt places the shadow elements in its own, unscaled pixels: on a scaled
// screen they are scaled as the windows are, so that a screen reader finds
// each where it is drawn.
function scaleAccessibility(root, factor) {
    if (factor === 1)
        return;
    const style = document.createElement('style');
    style.textContent = `.qt-window-a11y-container { transform: scale(${factor}); transform-origin: 0 0; }`;
    root.append(style);
}

// Qt keeps its windows in a shadow root of its own, made as it starts.
function watchProgram(factor) {
    const host = screen.querySelector('#qt-shadow-container');
    if (host?.shadowRoot) {
        scaleAccessibility(host.shadowRoot, factor);
        completeAccessibility(host.shadowRoot);
    } else {
        requestAnimationFrame(() => watchProgram(factor));
    }
}

// The program's code, fetched with its progress shown.
async function fetchProgram(url) {
    const response = await fetch(url);
    if (!response.ok)
        throw new Error(`${url}: ${response.status} ${response.statusText}`);
    if (!response.body || !programBytes)
        return WebAssembly.compile(await response.arrayBuffer());
    const reader = response.body.getReader();
    const chunks = [];
    let received = 0;
    for (;;) {
        const { done, value } = await reader.read();
        if (done)
            break;
        chunks.push(value);
        received += value.length;
        progress.value = Math.min(received / programBytes, 1);
    }
    return WebAssembly.compile(await new Blob(chunks).arrayBuffer());
}

async function start() {
    document.documentElement.lang = language;
    document.title = tr(pageTexts.title);
    document.getElementById('heading').textContent = document.title;
    restart.textContent = tr(pageTexts.startAgain);
    restart.addEventListener('click', () => location.reload());

    if (typeof WebAssembly !== 'object' || typeof WebAssembly.compile !== 'function') {
        say(tr(pageTexts.noWebAssembly));
        return;
    }
    const factor = scaleFactor();
    say(tr(pageTexts.loading), { busy: true });
    progress.removeAttribute('value');
    try {
        await qtLoad({
            qt: {
                module: fetchProgram('kanjiaid.wasm'),
                entryFunction: window.kanjiaid_entry,
                containerElements: [screen],
                environment: { QT_SCALE_FACTOR: String(factor) },
                // Qt measures its screen as the program starts: the element
                // is laid out from the first, under the status until then.
                onLoaded: () => {
                    status.hidden = true;
                    watchProgram(factor);
                    // Kept for offline use once running, so that caching
                    // never competes with the first start.
                    if ('serviceWorker' in navigator && isSecureContext)
                        navigator.serviceWorker.register('sw.js').catch(error => console.warn(error));
                },
                onExit: exit => {
                    screen.hidden = true;
                    if (exit.crashed || (exit.code ?? 0) !== 0) {
                        console.error(exit.text);
                        say(tr(pageTexts.failed), { again: true });
                    } else {
                        say(tr(pageTexts.ended), { again: true });
                    }
                },
            },
        });
    } catch (error) {
        console.error(error);
        say(tr(pageTexts.notLoaded), { again: true });
    }
}

start();
