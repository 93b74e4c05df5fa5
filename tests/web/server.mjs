// SPDX-FileCopyrightText: 2026 The kanjiaid developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A static web server for the site, on 127.0.0.1, as a plain host would
// serve it: the types a browser needs (.wasm as application/wasm), bodies
// compressed when the browser accepts it (the site's own .br or .gz file
// where there is one, else gzipped here, or compressed as asked), "no-cache"
// with an ETag, so that the browser asks again on every load and is told
// "not modified" when nothing has changed. It sends the page's own
// Content-Security-Policy as a header too, with what only a header can say,
// as the README advises a host to. It counts the bytes it sends, can be
// taken offline, and can be given another folder (a new version).
import crypto from 'node:crypto';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import zlib from 'node:zlib';

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
    '.png': 'image/png',
};

const compressors = {
    br: body => zlib.brotliCompressSync(body, {
        params: { [zlib.constants.BROTLI_PARAM_QUALITY]: 11,
                  [zlib.constants.BROTLI_PARAM_SIZE_HINT]: body.length } }),
    gzip: body => zlib.gzipSync(body, { level: 9 }),
};

// The policy of the site's page, as its <meta> states it; none for a
// folder that is no site (the tests' programs).
function pagePolicy(root) {
    let page;
    try {
        page = fs.readFileSync(path.join(root, 'index.html'), 'utf8');
    } catch {
        return undefined;
    }
    const policy = page.match(/<meta http-equiv="Content-Security-Policy" content="([^"]*)">/)?.[1];
    if (!policy)
        throw new Error(`${root}/index.html states no Content-Security-Policy`);
    return `${policy}; frame-ancestors 'none'`;
}

export async function serve(root, { encodings = ['gzip'] } = {}) {
    const compressed = new Map();
    const state = { root, offline: false, sent: 0, requests: [] };
    const server = http.createServer((request, response) => {
        if (state.offline) {
            request.socket.destroy();
            return;
        }
        const url = new URL(request.url, 'http://127.0.0.1');
        let file = path.join(state.root, path.normalize(decodeURIComponent(url.pathname)));
        if (!file.startsWith(state.root)) {
            response.writeHead(403).end();
            return;
        }
        if (file.endsWith(path.sep))
            file += 'index.html';
        let body;
        try {
            body = fs.readFileSync(file);
        } catch {
            response.writeHead(404).end();
            return;
        }
        const tag = `"${crypto.createHash('sha256').update(body).digest('hex').slice(0, 32)}"`;
        const headers = {
            'Content-Type': types[path.extname(file)] ?? 'application/octet-stream',
            'Cache-Control': 'no-cache',
            'ETag': tag,
        };
        const policy = pagePolicy(state.root);
        if (policy)
            headers['Content-Security-Policy'] = policy;
        if (request.headers['if-none-match'] === tag) {
            state.requests.push({ path: url.pathname, bytes: 0, encoding: 'not modified' });
            response.writeHead(304, headers).end();
            return;
        }
        const accepted = request.headers['accept-encoding'] ?? '';
        // A file compressed beside it is sent as it is, as a host serving
        // the site's .br and .gz files does; others are compressed here.
        const stored = ['br', 'gzip'].find(each => accepted.includes(each)
            && fs.existsSync(`${file}.${each === 'gzip' ? 'gz' : each}`));
        const encoding = stored ?? encodings.find(each => accepted.includes(each));
        if (stored) {
            body = fs.readFileSync(`${file}.${stored === 'gzip' ? 'gz' : stored}`);
            headers['Content-Encoding'] = stored;
        } else if (encoding) {
            const key = `${encoding} ${tag}`;
            if (!compressed.has(key))
                compressed.set(key, compressors[encoding](body));
            body = compressed.get(key);
            headers['Content-Encoding'] = encoding;
        }
        headers['Content-Length'] = body.length;
        state.sent += body.length;
        state.requests.push({ path: url.pathname, bytes: body.length, encoding });
        response.writeHead(200, headers);
        response.end(request.method === 'HEAD' ? undefined : body);
    });
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    state.url = `http://127.0.0.1:${server.address().port}/`;
    state.close = () => new Promise(resolve => {
        server.closeAllConnections();
        server.close(resolve);
    });
    return state;
}
