// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's chromium, headless, with a fresh profile in the case's folder and
// nothing of its own on the network; every request a page makes is watched.
import { chromium } from 'playwright-core';

// The bench launches its own browser with the same flags.
export { chromium };
import { mkdirSync, writeFileSync } from 'node:fs';
import path from 'node:path';

export const chromiumFlags = [
    '--headless',
    '--no-sandbox',
    '--disable-gpu',
    '--disable-quic',
    '--no-first-run',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
];

// Where a request goes that is no request to a server at all.
const local = new Set(['data:', 'blob:', 'about:']);

// A browser whose pages may reach only `origin`; anything else is refused and kept
// in `foreign`. Boxes of the browser's own (alert, confirm) and uncaught errors of
// a page are kept too: the table draws its own boxes and throws nothing.
// `fonts`: the only font folders the browser's font configuration knows, as on a
// machine without the table's own faces.
// `host`: a name the browser finds at 127.0.0.1, an origin that is no secure context.
export async function openBrowser(scratch, origin, { profile = 'profile', viewport, deviceScaleFactor, hasTouch, fonts, host } = {}) {
    const profileDir = path.join(scratch, profile);
    const home = path.join(scratch, 'home');
    mkdirSync(home, { recursive: true });
    const fontEnv = {};
    if (fonts) {
        const file = path.join(scratch, `${profile}-fonts.conf`);
        writeFileSync(file, `<?xml version="1.0"?>\n<fontconfig>\n${fonts.map((f) => `<dir>${f}</dir>`).join('\n')}\n` +
                            `<cachedir>${path.join(scratch, `${profile}-fontcache`)}</cachedir>\n</fontconfig>\n`);
        fontEnv.FONTCONFIG_FILE = file;
    }
    const context = await chromium.launchPersistentContext(profileDir, {
        executablePath: process.env.KORVANE_CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        args: host ? [...chromiumFlags, `--host-resolver-rules=MAP ${host} 127.0.0.1`] : chromiumFlags,
        viewport: viewport ?? { width: 1024, height: 768 },
        deviceScaleFactor,
        hasTouch,
        env: {
            ...process.env,
            HOME: home,
            XDG_CONFIG_HOME: path.join(home, '.config'),
            XDG_CACHE_HOME: path.join(home, '.cache'),
            ...fontEnv,
        },
        timeout: 30000,
    });
    const watch = { requests: [], foreign: new Set(), nativeBoxes: [], errors: [] };
    const isForeign = (url) => {
        const u = new URL(url);
        return !local.has(u.protocol) && u.origin !== origin;
    };
    await context.route(
        (url) => isForeign(url.href),
        (route) => {
            watch.foreign.add(route.request().url());
            return route.abort('blockedbyclient');
        },
    );
    const follow = (page) => {
        page.on('dialog', (dialog) => {
            watch.nativeBoxes.push(`${dialog.type()}: ${dialog.message()}`);
            dialog.dismiss().catch(() => {});
        });
        page.on('pageerror', (error) => watch.errors.push(String(error)));
    };
    context.on('page', follow);
    context.pages().forEach(follow);
    context.on('request', (request) => {
        watch.requests.push(request.url());
        if (isForeign(request.url())) watch.foreign.add(request.url());
    });
    return { context, watch, profileDir };
}
