// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's firefox-esr, headless, driven through WebDriver BiDi, with its profile
// and home in the case's folder. Each session is a page with storage of its own
// on a server of its own, watched as session.mjs watches chromium's.
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { browserHome, siteFolder } from './scratch.mjs';
import { foreignTo, serve } from './server.mjs';
import { assertNothingWatched } from './watch.mjs';
import { hurryScript } from './table.mjs';

export const firefoxPath = process.env.KORVANE_FIREFOX ?? '/usr/bin/firefox-esr';

export function launchFirefox(scratch) {
    const profile = path.join(scratch, 'profile');
    mkdirSync(profile, { recursive: true });
    return puppeteer.launch({
        browser: 'firefox',
        protocol: 'webDriverBiDi',
        executablePath: firefoxPath,
        headless: true,
        userDataDir: profile,
        // This firefox knows no touch override of the protocol: with touch events
        // on, a tap is a touch pointer's press and release, and then a click. A
        // release later than 300 ms is a long press and no click: on a busy machine
        // the driver's release comes that late, so a tap here may take 10 s.
        // Nor does a service worker fetch the whole site in each fresh context, as in chromium's cases.
        extraPrefsFirefox: { 'dom.w3c_touch_events.enabled': 1, 'apz.max_tap_time': 10000, 'dom.serviceWorkers.enabled': false },
        env: { ...browserHome(scratch), MOZ_HEADLESS: '1' },
        timeout: 60000,
    });
}

// A page on the built site with `viewport` and a script run before the page's own.
export async function firefoxSession(browser, { viewport, initScript }) {
    const site = await serve(siteFolder());
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport(viewport);
    await page.evaluateOnNewDocument(hurryScript());
    if (initScript) await page.evaluateOnNewDocument(initScript);
    const watch = { foreign: new Set(), nativeBoxes: [], errors: [] };
    const isForeign = foreignTo(site.origin);
    page.on('request', (request) => {
        if (isForeign(request.url())) watch.foreign.add(request.url());
    });
    page.on('dialog', (dialog) => {
        watch.nativeBoxes.push(`${dialog.type()}: ${dialog.message()}`);
        dialog.dismiss().catch(() => {});
    });
    page.on('pageerror', (error) => watch.errors.push(String(error)));
    return {
        page,
        origin: site.origin,
        async close() {
            await context.close().catch(() => {});
            await site.close();
        },
        async assertClean() {
            assertNothingWatched(watch);
            assert.ok(site.requests.includes('/'), 'the page came from its own server');
            const open = await page.evaluate(() => [...document.querySelectorAll('[role="dialog"], [role="alertdialog"]')]
                .filter((b) => b.checkVisibility()).map((b) => b.innerText));
            assert.deepEqual(open, [], 'a box no step of the test answered');
        },
    };
}
