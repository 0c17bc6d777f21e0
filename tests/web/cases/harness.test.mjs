// SPDX-License-Identifier: GPL-3.0-or-later
// The harness itself: the server keeps to its folder and to 127.0.0.1, and the
// browser's watch catches, and stops, a request to another origin.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { request } from 'node:http';
import { existsSync, readdirSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../lib/server.mjs';
import { closeBrowser, openBrowser } from '../lib/browser.mjs';
import { scratchFolder } from '../lib/scratch.mjs';

const fixtures = path.join(path.dirname(fileURLToPath(import.meta.url)), '..', 'fixtures');
const scratch = scratchFolder();
const site = await serve(fixtures);
const elsewhere = await serve(fixtures);
after(() => Promise.all([site.close(), elsewhere.close(), closeBrowser()]));

function get(origin, rawPath) {
    return new Promise((resolve, reject) => {
        const { hostname, port } = new URL(origin);
        const req = request({ hostname, port, path: rawPath }, (res) => {
            res.resume();
            res.on('end', () => resolve(res.statusCode));
        });
        req.on('error', reject);
        req.end();
    });
}

test('the server answers on 127.0.0.1 and only from its folder', async () => {
    assert.match(site.origin, /^http:\/\/127\.0\.0\.1:\d+$/);
    assert.equal(await get(site.origin, '/leaky.html'), 200);
    assert.equal(await get(site.origin, '/missing.html'), 404);
    // The folder's parent holds package.json: no way of writing its path reaches it.
    for (const outside of ['/%2e%2e/package.json', '/..%2fpackage.json', '/..%2F..%2Ftests/web/package.json',
                           '/fixtures/../../package.json'])
        assert.notEqual(await get(site.origin, outside), 200, outside);
});

test('a request to another origin is caught and never arrives', async () => {
    const { context, watch, profileDir } = await openBrowser(scratch, site.origin);
    try {
        const page = await context.newPage();
        await page.goto(`${site.origin}/leaky.html?elsewhere=${encodeURIComponent(elsewhere.origin)}`);
        await page.waitForFunction(() => document.getElementById('own').dataset.ran === 'yes', null, {
            timeout: 10000,
        });
        await page.waitForFunction(() => performance.getEntriesByType('resource').length >= 2, null, {
            timeout: 10000,
        });
        assert.deepEqual([...watch.foreign].sort(), [`${elsewhere.origin}/count`, `${elsewhere.origin}/font.png`]);
        assert.deepEqual(elsewhere.requests, []);
        assert.ok(site.requests.includes('/leaky.js'));
        assert.deepEqual(watch.errors, []);
        assert.ok(existsSync(profileDir) && readdirSync(profileDir).length > 0, 'the profile is in the scratch folder');
    } finally {
        await context.close();
    }
});
