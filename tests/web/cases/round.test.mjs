// SPDX-License-Identifier: GPL-3.0-or-later
// A whole round on the page by mouse, with its sounds, and one by keys alone: at
// each step the page shows what korvane-drive shows after the same commands. The
// rules themselves are the core's, tested below the page.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { openBrowser } from '../lib/browser.mjs';
import { scratchFolder, siteFolder, within } from '../lib/scratch.mjs';
import { sessionsIn } from '../lib/session.mjs';
import { assertNothingWatched } from '../lib/watch.mjs';
import {
    aRound, atTimeOfDay, control, controlName, drive, openTable, shortly, shown, waitForBox,
    waitForPicture, waitForText,
} from '../lib/table.mjs';

const scratch = scratchFolder();
const session = sessionsIn(scratch);

// The page's clock stopped at 10:00:00 deals the dealer the 6 and queen of clubs,
// the player the 7 of spades and jack of hearts (17); a hit brings the ace of
// clubs (18); the dealer turns to 16, skips a card and draws the jack of spades:
// the player wins.
const at = 36000;
const turn = ['load', atTimeOfDay(at), 'click Command3', 'wait 3500'];
const settled = [...turn, 'click Command1', 'click Command2', 'wait 5000'];
const numbers = ['Label3', 'Label4', 'Label5', 'Label8', 'Label9', 'Label10', 'Label13'];
const cards = [0, 1, 2, 3, 4].flatMap((k) => [`Picture1(${k})`, `Picture2(${k})`]);

// The captions and the cards on the page against the driver's after `commands`.
async function sameAsDriver(page, commands, when) {
    const d = drive([...commands, 'state']);
    for (const name of numbers) assert.equal(await shown(page, name), d.controls[name].Caption, `${name} ${when}`);
    for (const name of cards) {
        const { Visible: visible, Picture: picture } = d.controls[name];
        assert.equal(await control(page, name).isVisible(), visible === 'True', `${name} ${when}`);
        if (visible === 'True') await waitForPicture(page, name, picture);
    }
}

const startable = (page) => page.waitForFunction(() => !document.getElementById('Command3').disabled, null,
                                                 { timeout: aRound });

test('a whole round by mouse plays and sounds as the driver plays it', within(60), async () => {
    const probe = readFileSync(new URL('../lib/sounds.js', import.meta.url), 'utf8');
    const s = await session('mouse', { initScript: { content: probe } });
    const page = await openTable(s.context, s.origin, { clock: at });
    await sameAsDriver(page, ['load'], 'at start-up');
    await control(page, 'Command3').click();
    await waitForText(page, 'Label5', 'Your Turn');
    await sameAsDriver(page, turn, "at the player's turn");
    await control(page, 'Command1').click();
    await waitForText(page, 'Label3', drive([...turn, 'click Command1', 'get Label3.Caption']).get('Label3.Caption'),
                      shortly);
    await control(page, 'Command2').click();
    await startable(page);
    await sameAsDriver(page, settled, 'once settled');
    assert.ok(!(await control(page, 'Command1').isEnabled()), 'Deal is off once the round is over');
    // The browser sounds nothing before the player's first gesture: the start-up cue is not heard.
    const heard = drive(settled).sounds.slice(1);
    await page.waitForFunction((n) => window.__sounds.length >= n, heard.length, { timeout: shortly });
    assert.deepEqual(await page.evaluate(() => window.__sounds), heard);
    await s.assertClean();
});

test('a round by keys alone, and the rules box by F1', within(60), async () => {
    const s = await session('keys');
    const page = await openTable(s.context, s.origin, { clock: at });
    const focused = () => page.evaluate(() => document.activeElement?.closest('[id]')?.id ?? '').then(controlName);
    const tabTo = async (name) => {
        for (let i = 0; i < 20 && (await focused()) !== name; ++i) await page.keyboard.press('Tab');
        assert.equal(await focused(), name, `Tab reaches ${name}`);
    };
    await tabTo('HScroll1');
    for (const [key, bet] of [['ArrowRight', '11'], ['PageUp', '21'], ['PageDown', '11'], ['Home', '0'],
                              ['End', '100'], ['ArrowLeft', '99'], ['ArrowDown', '98'], ['ArrowUp', '99']]) {
        await page.keyboard.press(key);
        await waitForText(page, 'Label13', bet, shortly, `after ${key}`);
    }
    await tabTo('Command3');
    await page.keyboard.press('Enter');
    await waitForText(page, 'Label5', 'Your Turn');
    assert.equal(await focused(), 'Command1', "the focus goes to Deal at the player's turn");
    // The browser keeps Alt+1 for its tabs; Alt+Shift+1 deals, wherever the focus is.
    await page.keyboard.press('Alt+Shift+Digit1');
    const bet99 = ['load', 'scroll HScroll1 99', ...turn.slice(1)];
    await waitForText(page, 'Label3', drive([...bet99, 'click Command1', 'get Label3.Caption']).get('Label3.Caption'),
                      shortly);
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Command2');
    await page.keyboard.press('Enter');
    await startable(page);
    assert.equal(await focused(), 'Command3', 'the focus goes back to Start');
    await sameAsDriver(page, [...bet99, 'click Command1', 'click Command2', 'wait 5000'], 'after the round by keys');
    await page.keyboard.press('F1');
    const rules = await waitForBox(page);
    assert.equal(rules.title, 'Korvane');
    assert.equal(rules.text.trim().split('\n').length, 11, 'the rules box breaks its lines');
    assert.deepEqual(rules.buttons, ['OK']);
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => !document.querySelector('[role="dialog"], [role="alertdialog"]')?.checkVisibility(),
                               null, { timeout: shortly });
    await s.assertClean();
});

test('the page opened from the disk, as a file, plays', within(60), async () => {
    // A file's origin is "null": nothing else may be reached.
    const { context, watch } = await openBrowser(scratch, 'null', { profile: 'disk' });
    try {
        const page = await context.newPage();
        await page.goto(pathToFileURL(path.join(siteFolder(), 'index.html')).href);
        await control(page, 'Command3').click({ timeout: shortly });
        await page.waitForFunction(() => ['Shuffling', 'Dealing', 'Your Turn'].includes(document.getElementById('Label5').textContent),
                                   null, { timeout: shortly });
        assertNothingWatched(watch);
    } finally {
        await context.close();
    }
});

test('after one visit the page plays without the network, and a browser offers to install it', within(60), async () => {
    const s = await session('offline', { profile: 'offline' });
    const page = await openTable(s.context, s.origin);
    // The worker takes the page only once it has fetched every file of the site.
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: aRound });
    const cdp = await s.context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, [], 'installable');
    await cdp.detach();
    await s.server.close();
    await s.context.setOffline(true);
    await page.reload();
    await control(page, 'Command3').click({ timeout: shortly });
    await page.waitForFunction(() => ['Shuffling', 'Dealing', 'Your Turn'].includes(document.getElementById('Label5').textContent),
                               null, { timeout: shortly });
    await s.assertClean();
});
