// SPDX-License-Identifier: GPL-3.0-or-later
// The cash in the browser: kept across a reload and a crash of the page, one
// table an origin, storage that is blocked or full, and cash files moved in and
// out through the page's buttons, each read as the desktop reads it.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { pending } from '../lib/pending.mjs';
import { scratchFolder, within } from '../lib/scratch.mjs';
import { tableSession } from '../lib/session.mjs';
import {
    answerBox, aRound, boxes, control, dealtAt, desktop, openCashFile, openTable, saveCashFile, shortly, shown,
    waitForBox, waitForText,
} from '../lib/table.mjs';

const scratch = scratchFolder();
const sessions = [];
after(() => Promise.all(sessions.map((s) => s.close())));
async function session(profile, options = {}) {
    const s = await tableSession(scratch, { profile, ...options });
    sessions.push(s);
    return s;
}

const at = 36000;  // the page's clock stopped at 10:00:00 deals a round that a hit and a stop win
const { command: deckCommand } = dealtAt(at);
const won = [deckCommand, 'click Command3', 'wait 3500', 'click Command1', 'click Command2', 'wait 5000'];

async function winRound(page) {
    await control(page, 'Command3').click();
    await waitForText(page, 'Label5', 'Your Turn');
    await control(page, 'Command1').click();
    await control(page, 'Command2').click();
    await page.waitForFunction(() => !document.getElementById('Command3').disabled, null, { timeout: aRound });
}

// Ends the page's renderer at once: no unload, no hiding, nothing more of its own runs.
async function crash(page) {
    const crashed = page.waitForEvent('crash', { timeout: shortly });
    const cdp = await page.context().newCDPSession(page);
    cdp.send('Page.crash').catch(() => {});
    await crashed;
    await page.close();
}

test('the cash is kept across a reload, a crash after a round, and a crash mid-round', within(90), async () => {
    const s = await session('kept');
    let page = await openTable(s.context, s.origin, { clock: at });
    await winRound(page);
    const one = desktop(['load', ...won, 'get Label10.Caption']).get('Label10.Caption');
    assert.equal(await shown(page, 'Label10'), one);
    await page.reload();
    await control(page, 'Command3').waitFor({ timeout: shortly });
    await waitForText(page, 'Label10', one, shortly);

    await winRound(page);
    const two = await shown(page, 'Label10');
    assert.notEqual(two, one);
    await crash(page);
    page = await openTable(s.context, s.origin, { clock: at });
    await waitForText(page, 'Label10', two, shortly);

    // Closed mid-round, the table keeps the cash from before the round.
    await control(page, 'Command3').click();
    await waitForText(page, 'Label5', 'Your Turn');
    await crash(page);
    page = await openTable(s.context, s.origin);
    await waitForText(page, 'Label10', two, shortly);
    await s.assertClean();
});

test('a second tab of the page is told the table is open and plays nothing', within(60), async () => {
    const s = await session('second');
    const first = await openTable(s.context, s.origin);
    const second = await s.context.newPage();
    await second.goto(`${s.origin}/`);
    const told = await waitForBox(second);
    assert.match(told.text, /already open/);
    await answerBox(second, 'ok');
    const startable = await control(second, 'Command3')
        .evaluate((b) => b.checkVisibility() && !b.disabled && !b.closest('[inert]')).catch(() => false);
    assert.equal(startable, false, 'the second tab offers no Start');
    await control(first, 'Command3').click();
    await waitForText(first, 'Label5', 'Shuffling', shortly);
    await second.close();
    await s.assertClean();
});

for (const [what, script] of [
    ['blocked', `Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('The operation is insecure.', 'SecurityError'); } });`],
    ['full', `Storage.prototype.setItem = function () { throw new DOMException('The quota has been exceeded.', 'QuotaExceededError'); };`],
]) {
    test(`storage that is ${what} is told, and the table still plays`, within(60), async () => {
        const s = await session(`storage-${what}`, { initScript: { content: script } });
        const page = await openTable(s.context, s.origin, { clock: at });
        const told = await waitForBox(page, aRound);
        assert.ok(told.text.trim().length > 0);
        await answerBox(page, 'ok');
        await control(page, 'Command3').click();
        await waitForText(page, 'Label5', 'Your Turn');
        await control(page, 'Command2').click();
        await page.waitForFunction(() => !document.getElementById('Command3').disabled ||
                                         document.querySelector('[role="dialog"], [role="alertdialog"]')?.checkVisibility(),
                                   null, { timeout: aRound });
        while (await boxes(page).count()) await answerBox(page, 'ok');
        await page.waitForFunction(() => !document.getElementById('Command3').disabled, null, { timeout: aRound });
        await s.assertClean();
    });
}

// A small generator of our own, so the random bytes are the same every run.
function randomBytes(count, seed) {
    const bytes = Buffer.alloc(count);
    let x = seed;
    for (let i = 0; i < count; ++i) {
        x = (x * 1103515245 + 12345) % 2147483648;
        bytes[i] = x >> 16;
    }
    return bytes;
}

const files = [
    ['a good one', Buffer.from('2500\r\n0\r\n')],
    ['one with a BOM', Buffer.from('\xEF\xBB\xBF2500\r\n0\r\n', 'latin1')],
    ['one with line feeds alone and a debt', Buffer.from('3000\n1000\n')],
    ['a 10 MB one', Buffer.concat([Buffer.from('2500\r\n0\r\n'), Buffer.alloc(10 * 1024 * 1024, '7')])],
    ['random bytes', randomBytes(4096, 23), pending.nul],
];

for (const [index, [what, bytes, todo]] of files.entries()) {
    test(`an opened cash file, ${what}, is read as the desktop reads it, and taken only when the player agrees`,
         { ...within(60), todo }, async () => {
        const s = await session(`file-${index}`);
        const page = await openTable(s.context, s.origin);
        const start = await shown(page, 'Label10');
        const d = desktop(['load', 'get Label10.Caption'], { files: { 'Korvane.cash': bytes }, scratch });
        await openCashFile(page, bytes);
        const asked = await waitForBox(page, aRound);
        if (d.boxes.length > 0) {
            // The desktop could not use it: the page tells so and keeps nothing of it.
            assert.deepEqual(asked.buttons, ['OK'], 'told, not asked');
            await answerBox(page, 'ok');
            await page.reload();
            await waitForText(page, 'Label10', start, shortly, 'reloaded after a file it could not use');
        } else {
            assert.equal(asked.buttons.length, 2, 'asked before the cash is replaced');
            await answerBox(page, 'no');
            assert.equal(await shown(page, 'Label10'), start, 'refused, nothing changes');
            await openCashFile(page, bytes);
            await waitForBox(page, aRound);
            await answerBox(page, 'yes');
            await waitForText(page, 'Label10', d.get('Label10.Caption'), shortly, 'taken');
            const saved = await saveCashFile(page);
            assert.equal(saved.name, 'Korvane.cash');
            const unloaded = desktop(['load', 'unload'], { files: { 'Korvane.cash': bytes }, scratch });
            assert.deepEqual(saved.bytes, unloaded.fileText('Korvane.cash'), 'saved as the desktop saves it');
            await page.reload();
            await waitForText(page, 'Label10', d.get('Label10.Caption'), shortly, 'kept across a reload');
        }
        await s.assertClean();
    });
}
