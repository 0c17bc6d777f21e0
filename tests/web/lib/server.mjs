// SPDX-License-Identifier: GPL-3.0-or-later
// A static web server for one test: the site's folder on 127.0.0.1, on a port the
// system picks, with every request it was asked kept for the test to look at.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import path from 'node:path';

const kinds = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.json': 'application/json',
    '.webmanifest': 'application/manifest+json',
    '.png': 'image/png',
    '.svg': 'image/svg+xml',
    '.ico': 'image/x-icon',
    '.wav': 'audio/wav',
    '.txt': 'text/plain; charset=utf-8',
};

// The file a request names, or null for one outside the folder.
function fileFor(root, url) {
    let name;
    try {
        name = decodeURIComponent(new URL(url, 'http://127.0.0.1').pathname);
    } catch {
        return null;
    }
    if (name.endsWith('/')) name += 'index.html';
    const file = path.resolve(root, '.' + name);
    const inside = path.relative(root, file);
    return inside.startsWith('..') || path.isAbsolute(inside) ? null : file;
}

async function answer(root, extra, request, response) {
    const file = request.method === 'GET' || request.method === 'HEAD' ? fileFor(root, request.url) : null;
    let body = null;
    if (file && Object.hasOwn(extra, request.url)) {
        body = Buffer.from(extra[request.url]);
    } else if (file) {
        try {
            if ((await stat(file)).isFile()) body = await readFile(file);
        } catch {
            body = null;
        }
    }
    if (!body) {
        response.writeHead(file ? 404 : 400, { 'Content-Type': 'text/plain' });
        response.end();
        return;
    }
    response.writeHead(200, {
        'Content-Type': kinds[path.extname(file)] ?? 'application/octet-stream',
        'Content-Length': body.length,
        'Cache-Control': 'no-store',
    });
    response.end(request.method === 'HEAD' ? undefined : body);
}

// Whether a page served from `origin` asked `url` of another server: data:, blob:
// and about: ask no server at all.
const local = new Set(['data:', 'blob:', 'about:']);
export const foreignTo = (origin) => (url) => {
    const u = new URL(url);
    return !local.has(u.protocol) && u.origin !== origin;
};

// Serves `root` until close(); `requests` lists every path asked, in order.
// `extra` adds pages of the test's own by path ({'/blank.html': '...'}).
export async function serve(root, extra = {}) {
    const requests = [];
    const server = createServer((request, response) => {
        requests.push(request.url);
        answer(path.resolve(root), extra, request, response).catch(() => response.destroy());
    });
    await new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(0, '127.0.0.1', resolve);
    });
    const { address, port } = server.address();
    return {
        origin: `http://${address}:${port}`,
        requests,
        close: () =>
            new Promise((resolve) => {
                server.closeAllConnections();
                server.close(() => resolve());
            }),
    };
}
