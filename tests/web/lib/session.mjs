// SPDX-License-Identifier: GPL-3.0-or-later
// One browser on the built site for one test, and what every test checks at its
// end: no request left the page's origin, no box of the browser's own opened, and
// the page threw nothing.
import assert from 'node:assert/strict';
import { after } from 'node:test';
import { serve } from './server.mjs';
import { closeBrowser, openBrowser } from './browser.mjs';
import { siteFolder } from './scratch.mjs';
import { assertNothingWatched } from './watch.mjs';
import { hurryScript } from './table.mjs';

export async function tableSession(scratch, { profile, viewport, deviceScaleFactor, hasTouch, fonts, host, initScript, server } = {}) {
    const ownServer = !server;
    const site = server ?? (await serve(siteFolder()));
    const origin = host ? site.origin.replace('127.0.0.1', host) : site.origin;
    const browser = await openBrowser(scratch, origin, { profile, viewport, deviceScaleFactor, hasTouch, fonts, host });
    await browser.context.addInitScript({ content: hurryScript() });
    if (initScript) await browser.context.addInitScript(initScript);
    let closed = false;
    return {
        ...browser,
        server: site,
        origin,
        async close() {
            if (closed) return;
            closed = true;
            await browser.context.close().catch(() => {});
            if (ownServer) await site.close();
        },
        async assertClean() {
            assertNothingWatched(browser.watch);
            for (const page of browser.context.pages()) {
                const open = await page.locator('[role="dialog"]:visible, [role="alertdialog"]:visible').allInnerTexts();
                assert.deepEqual(open, [], 'a box no step of the test answered');
            }
        },
    };
}

// The sessions one case opens, each named for the reader, and each closed with
// the browser when the case ends.
export function sessionsIn(scratch) {
    const open = [];
    after(() => Promise.all(open.map((s) => s.close())).then(closeBrowser));
    return async (name, options = {}) => {
        const s = await tableSession(scratch, options);
        open.push(s);
        return s;
    };
}
