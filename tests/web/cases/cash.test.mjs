// SPDX-License-Identifier: GPL-3.0-or-later
// The cash in the browser: kept across a reload and a crash of the page, a cash
// saved by the close, one table an origin, storage that is blocked or full, and
// a cash file opened from the desktop and saved to it. How a cash file is read
// and asked about is the table's, tested below the page (tests/web/fake_page.js).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { scratchFolder, within } from '../lib/scratch.mjs';
import { sessionsIn } from '../lib/session.mjs';
import {
    answerBox, aRound, boxes, control, openCashFile, openTable, saveCashFile, selector, shortly, shown, waitForBox,
    waitForText,
} from '../lib/table.mjs';

const scratch = scratchFolder();
const session = sessionsIn(scratch);

const at = 36000;  // the page's clock stopped at 10:00:00 deals a round that a hit and a stop win

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

test('the cash is kept across a reload, a crash after a round or in one, and a close', within(120), async () => {
    const s = await session('kept');
    let page = await openTable(s.context, s.origin, { clock: at });
    await winRound(page);
    assert.equal(await shown(page, 'Label10'), '1010');
    await page.reload();
    await control(page, 'Command3').waitFor({ timeout: shortly });
    await waitForText(page, 'Label10', '1010', shortly);

    await winRound(page);
    const two = await shown(page, 'Label10');
    assert.equal(two, '1020');
    await crash(page);
    page = await openTable(s.context, s.origin, { clock: at });
    await waitForText(page, 'Label10', two, shortly);

    // Closed mid-round, the table keeps the cash from before the round.
    await control(page, 'Command3').click();
    await waitForText(page, 'Label5', 'Your Turn');
    await crash(page);
    page = await openTable(s.context, s.origin);
    await waitForText(page, 'Label10', two, shortly);

    // The cheat sets the cash outside a round: only the close saves it, as on the desktop.
    await control(page, 'Label16').dblclick();
    await waitForBox(page);
    await answerBox(page, 'ok');
    await control(page, 'Label17').click();
    await waitForText(page, 'Label10', '10000', shortly);
    // Closed as a player closes it: the page's own unload handlers run.
    const closed = page.waitForEvent('close', { timeout: shortly });
    await page.close({ runBeforeUnload: true });
    await closed;
    page = await openTable(s.context, s.origin);
    await waitForText(page, 'Label10', '10000', shortly, 'after the page was closed');
    await s.assertClean();
});

// On 127.0.0.1 the browser locks; on a host name that is no secure context it has
// no locks, and a lease in the page's storage keeps the second tab out instead.
for (const host of [undefined, 'korvane.test']) {
    test(`a second tab of the page is told the table is open and plays nothing, on ${host ?? '127.0.0.1'}`, within(60), async () => {
        const s = await session(`second-${host ?? 'local'}`, { host });
        const first = await openTable(s.context, s.origin);
        assert.equal(await first.evaluate(() => Boolean(navigator.locks)), !host, 'Web Locks only in a secure context');
        const second = await s.context.newPage();
        await second.goto(`${s.origin}/`);
        const told = await waitForBox(second);
        assert.match(told.text, /already open in another tab/);
        await answerBox(second, 'ok');
        const startable = () => second.evaluate((sel) => {
            const start = document.querySelector(sel);
            return Boolean(start?.checkVisibility() && !start.disabled && !start.closest('[inert]'));
        }, selector('Command3'));
        assert.equal(await startable(), false, 'the second tab offers no Start');
        await control(first, 'Command3').click();
        await first.waitForFunction(() => document.getElementById('Command3').disabled, null, { timeout: shortly });
        // Once the first is closed, the second plays after a reload.
        await first.close({ runBeforeUnload: true });
        await second.reload();
        await control(second, 'Command3').waitFor({ timeout: shortly });
        assert.equal(await startable(), true, 'the second tab plays once the first is gone');
        await s.assertClean();
    });
}

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

test('a cash file opened from the desktop is taken when the player agrees, and saved as the game saves it',
     within(60), async () => {
    const s = await session('files');
    const page = await openTable(s.context, s.origin);
    await openCashFile(page, Buffer.from('\xEF\xBB\xBF2500\n300\n', 'latin1'));
    assert.equal((await waitForBox(page)).buttons.length, 2, 'asked before the cash is replaced');
    await answerBox(page, 'yes');
    await waitForText(page, 'Label10', '2500', shortly);
    const saved = await saveCashFile(page);
    assert.equal(saved.name, 'Korvane.cash');
    assert.equal(saved.bytes.toString('latin1'), '2500\r\n300\r\n');
    await s.assertClean();
});
