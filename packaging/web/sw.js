// SPDX-FileCopyrightText: 2026 The kanjiaid developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Keeps the site for use without a connection. The site's build writes the
// version and the checksum of every file below: a site that changes in any
// byte changes this script, which the browser then installs anew, with the
// new files in a cache of their own. A page already open keeps the program
// it started; the next visit starts the new one. The files are cached
// through the browser's HTTP cache, so that a first visit, whose files are
// there already, does not fetch them twice.
'use strict';

const version = '@VERSION@';
const files = []; // filled in by the site's build
const cacheName = `kanjiaid-${version}`;

self.addEventListener('install', event => {
    event.waitUntil((async () => {
        const cache = await caches.open(cacheName);
        await cache.addAll(['./', ...files]);
        await self.skipWaiting();
    })());
});

self.addEventListener('activate', event => {
    event.waitUntil((async () => {
        for (const name of await caches.keys()) {
            if (name !== cacheName)
                await caches.delete(name);
        }
        await self.clients.claim();
    })());
});

// The site's own files from the cache, everything else (nothing, today) from
// the network.
self.addEventListener('fetch', event => {
    if (event.request.method !== 'GET')
        return;
    // Matched without opening: caches.open() would make the cache anew in
    // a worker that a new version has just replaced.
    event.respondWith((async () => {
        const cached = await caches.match(event.request, { cacheName, ignoreSearch: true });
        return cached ?? fetch(event.request);
    })());
});
