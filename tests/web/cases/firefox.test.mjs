// SPDX-License-Identifier: GPL-3.0-or-later
// The table in Debian's firefox-esr: a whole round by mouse on the desktop, and
// one by touch on a phone upright with every control in reach and readable. At
// the settlement the page shows the cash and status korvane-drive shows after the
// same commands. What firefox's driver cannot do: it has no mobile viewport
// (isMobile is ignored), and touch comes from a preference (firefox.mjs).
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { firefoxSession, launchFirefox } from '../lib/firefox.mjs';
import { scratchFolder, within } from '../lib/scratch.mjs';
import { smallScreenFaults, touched } from '../lib/small_screen.mjs';
import { aRound, atTimeOfDay, clockScript, drive, selector, shortly } from '../lib/table.mjs';

const scratch = scratchFolder();
let browser;
before(async () => { browser = await launchFirefox(scratch); }, within(60));
after(() => browser?.close());

// The deal of the page's clock stopped at 10:00:00 (round.test.mjs): the player
// holds 17, a hit brings 18, and the player wins.
const at = 36000;
const turn = ['load', atTimeOfDay(at), 'click Command3', 'wait 3500'];
const settled = [...turn, 'click Command1', 'click Command2', 'wait 5000'];

async function until(page, what, check, argument, timeout) {
    try {
        await page.waitForFunction(check, { timeout }, argument);
    } catch (error) {
        throw new Error(`${what} after ${timeout} ms`, { cause: error });
    }
}
async function textIs(page, name, text, timeout = shortly) {
    const sel = selector(name);
    await until(page, name, ([s, want]) => document.querySelector(s)?.textContent === want, [sel, text], timeout)
        .catch(async (error) => {
            const now = await page.$eval(sel, (e) => e.textContent).catch(() => 'nothing');
            throw new Error(`${name} shows ${JSON.stringify(now)}, not ${JSON.stringify(text)}`, { cause: error });
        });
}

for (const screen of [
    { name: 'by mouse on the desktop', viewport: { width: 1024, height: 768 }, press: 'click' },
    { name: 'by touch on a phone upright', press: 'tap', small: true,
      viewport: { width: 390, height: 844, deviceScaleFactor: 3, hasTouch: true, isMobile: true } },
]) {
    test(`a whole round ${screen.name} in firefox`, within(60), async () => {
        const s = await firefoxSession(browser, { viewport: screen.viewport, initScript: clockScript(at) });
        try {
            const { page } = s;
            const faults = [];
            const look = async (names, when) => { if (screen.small) faults.push(...(await smallScreenFaults(page, names, when))); };
            const press = (name) => page[screen.press](selector(name));
            await page.goto(`${s.origin}/`);
            await page.waitForSelector(selector('Command3'), { visible: true, timeout: shortly });
            await look([...touched, 'saveCash', 'openCash'], 'at start-up');
            await press('Command3');
            await textIs(page, 'Label5', 'Your Turn', aRound);
            await look(['Command1', 'Command2'], "at the player's turn");
            await press('Command1');
            await textIs(page, 'Label3', drive([...turn, 'click Command1', 'get Label3.Caption']).get('Label3.Caption'));
            await press('Command2');
            await until(page, 'no Start again', () => !document.getElementById('Command3').disabled, undefined, aRound);
            const d = drive([...settled, 'get Label10.Caption', 'get Label5.Caption']);
            await textIs(page, 'Label10', d.get('Label10.Caption'));
            await textIs(page, 'Label5', d.get('Label5.Caption'));
            await press('Picture4(2)');
            await page.waitForSelector(selector('Frame4'), { visible: true, timeout: shortly });
            await look(['Picture1(6)', 'Picture1(10)'], 'with the chooser open');
            assert.deepEqual(faults, []);
            await s.assertClean();
        } finally {
            await s.close();
        }
    });
}
