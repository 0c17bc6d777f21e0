// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's chromium, headless, with a fresh profile in the case's folder and
// nothing of its own on the network; every request a page makes is watched.
import { chromium } from 'playwright-core';

// The bench launches its own browser with the same flags.
export { chromium };
import { writeFileSync } from 'node:fs';
import path from 'node:path';
import { foreignTo } from './server.mjs';
import { browserHome } from './scratch.mjs';

// Chromium keeps the last --disable-features it is given, so this one repeats the
// list the pinned playwright-core passes (its chromiumSwitches) before adding the
// address bar's pop-up: every new context opens a window whose pop-up is a page
// of its own, about two thirds of what a fresh context costs the processor.
const playwrightDisables = [
    'AvoidUnnecessaryBeforeUnloadCheckSync', 'DestroyProfileOnBrowserClose', 'HttpsUpgrades',
    'HttpsFirstBalancedModeAutoEnable', 'LensOverlay', 'MediaRouter', 'PaintHolding', 'ThirdPartyStoragePartitioning',
    'AvoidCorsURLLoaderRestartOnRedirect', 'TcpPortRandomizationWin', 'OptimizationHints', 'NetworkTimeServiceQuerying',
    'AimEnabled', 'PreconnectToSearch',
];
const popUpPages = ['WebUIOmniboxPopup', 'WebUIOmniboxAimPopup', 'WebUIOmniboxFullPopup'];

export const chromiumFlags = [
    `--disable-features=${[...playwrightDisables, ...popUpPages].join(',')}`,
    '--headless',
    '--no-sandbox',
    '--disable-gpu',
    '--disable-quic',
    '--no-first-run',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
];

// One browser a case for each way of starting one: started by its first session,
// closed by closeBrowser when the case ends. Each session is a context of its own
// in it, with storage of its own, at a small part of what starting a browser
// costs. The browser keeps its profile in TMPDIR, the case's folder (scratch.mjs).
// `fonts`: the only font folders the browser's font configuration knows, as on a
// machine without the table's own faces.
// `host`: a name the browser finds at 127.0.0.1, an origin that is no secure context.
const browsers = new Map();
export async function closeBrowser() {
    const open = [...browsers.values()];
    browsers.clear();
    await Promise.all(open.map(async (browser) => (await browser).close().catch(() => {})));
}

// How a browser is started: its own home in the case's folder, and `fonts`, `host`.
function launchOptions(scratch, { fonts, host }) {
    const fontEnv = {};
    if (fonts) {
        const file = path.join(scratch, `fonts-${browsers.size}.conf`);
        writeFileSync(file, `<?xml version="1.0"?>\n<fontconfig>\n${fonts.map((f) => `<dir>${f}</dir>`).join('\n')}\n` +
                            `<cachedir>${path.join(scratch, `fontcache-${browsers.size}`)}</cachedir>\n</fontconfig>\n`);
        fontEnv.FONTCONFIG_FILE = file;
    }
    return {
        executablePath: process.env.KORVANE_CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        args: host ? [...chromiumFlags, `--host-resolver-rules=MAP ${host} 127.0.0.1`] : chromiumFlags,
        env: { ...browserHome(scratch), ...fontEnv },
        timeout: 30000,
    };
}

function theBrowser(scratch, { fonts, host } = {}) {
    const key = JSON.stringify({ fonts, host });
    if (!browsers.has(key)) browsers.set(key, chromium.launch(launchOptions(scratch, { fonts, host })));
    return browsers.get(key);
}

// A context whose pages may reach only `origin`; anything else is refused and kept
// in `foreign`. Boxes of the browser's own (alert, confirm), uncaught errors of a
// page and what its policy refused are kept too: the table draws its own boxes and
// throws nothing.
// `profile`: a browser of its own keeping its profile in that folder, as a
// player's does; only such a browser keeps a site's files or installs it, and
// only there the page's service worker runs: once the table is up it fetches
// every file of the site, which in a fresh context a test was half of what the
// browser cases cost.
export async function openBrowser(scratch, origin, { profile, viewport, deviceScaleFactor, hasTouch, fonts, host } = {}) {
    const shape = { viewport: viewport ?? { width: 1024, height: 768 }, deviceScaleFactor, hasTouch,
                    serviceWorkers: profile ? 'allow' : 'block' };
    const context = profile
        ? await chromium.launchPersistentContext(path.join(scratch, profile), { ...launchOptions(scratch, { fonts, host }), ...shape })
        : await (await theBrowser(scratch, { fonts, host })).newContext(shape);
    const watch = { requests: [], foreign: new Set(), nativeBoxes: [], errors: [] };
    const isForeign = foreignTo(origin);
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
        // A script the page's policy refuses, its own first among them, throws nothing.
        page.on('console', (message) => {
            if (message.type() === 'error' && /Content Security Policy/.test(message.text())) watch.errors.push(message.text());
        });
    };
    context.on('page', follow);
    context.pages().forEach(follow);
    context.on('request', (request) => {
        watch.requests.push(request.url());
        if (isForeign(request.url())) watch.foreign.add(request.url());
    });
    return { context, watch, profileDir: process.env.TMPDIR };
}
