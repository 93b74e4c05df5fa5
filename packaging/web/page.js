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

// The program's code, fetched with its progress shown.
async function fetchProgram(url) {
    const response = await fetch(url);
    if (!response.ok)
        throw new Error(`${url}: ${response.status} ${response.statusText}`);
    const total = Number(response.headers.get('Content-Length')) || 0;
    if (!response.body || !total)
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
        progress.value = Math.min(received / total, 1);
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
    if ('serviceWorker' in navigator && isSecureContext)
        navigator.serviceWorker.register('sw.js').catch(error => console.warn(error));

    say(tr(pageTexts.loading), { busy: true });
    progress.removeAttribute('value');
    try {
        await qtLoad({
            qt: {
                module: fetchProgram('kanjiaid.wasm'),
                entryFunction: window.kanjiaid_entry,
                containerElements: [screen],
                environment: { QT_SCALE_FACTOR: String(scaleFactor()) },
                // Qt measures its screen as the program starts: the element
                // is laid out from the first, under the status until then.
                onLoaded: () => {
                    status.hidden = true;
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
