// SPDX-License-Identifier: GPL-3.0-or-later
// The loan office on the page: a loan taken while the opening deal goes on behind
// its box, then, rich through the cheat, the payback at the next round's start.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { scratchFolder, within } from '../lib/scratch.mjs';
import { sessionsIn } from '../lib/session.mjs';
import {
    answerBox, aRound, boxes, boxLines, control, dealtAt, desktop, openCashFile, openTable, parseBox, shortly,
    shown, waitForBox, waitForText,
} from '../lib/table.mjs';

const scratch = scratchFolder();
const session = sessionsIn(scratch);

const at = 36000;  // the page's clock stopped at 10:00:00, its shuffles known
const { command: deckCommand } = dealtAt(at);
const broke = '0\r\n0\r\n';
const numbers = ['Label3', 'Label4', 'Label5', 'Label10', 'Label13'];

async function sameAsDesktop(page, commands, when) {
    const d = desktop(['load', ...commands, ...numbers.map((n) => `get ${n}.Caption`)],
                      { files: { 'Korvane.cash': broke }, scratch });
    for (const name of numbers) assert.equal(await shown(page, name), d.get(`${name}.Caption`), `${name} ${when}`);
    return d;
}

// The boxes the desktop shows through the whole test, in order; the page must
// show the same, one after the other.
const loan = [deckCommand, 'click Command3', 'answer yes after 3600', 'answer ok', 'click Label15'];
const round = [...loan, 'click Command2', 'wait 5000'];
const rich = [...round, 'answer ok', 'dblclick Label16', 'click Label17'];
const payback = [...rich, deckCommand, 'answer yes', 'answer ok', 'click Command3'];
let shownBoxes = 0;
async function sameBox(page, answer) {
    const box = await waitForBox(page);
    const all = desktop(['load', ...payback], { files: { 'Korvane.cash': broke }, scratch }).boxes;
    const want = parseBox(all[shownBoxes++]);
    assert.equal(box.title, want.title, want.text);
    assert.equal(boxLines(box.text).trim(), want.text);
    await answerBox(page, answer);
}

test('a loan while the deal ticks behind its box, and a payback with the surcharge', within(90), async () => {
    const s = await session('loan');
    const page = await openTable(s.context, s.origin, { clock: at });
    await openCashFile(page, broke);
    await waitForBox(page);
    await answerBox(page, 'yes');
    await waitForText(page, 'Label10', '0', shortly);

    await control(page, 'Command3').click();
    await control(page, 'Label15').click();
    const offer = await waitForBox(page);
    assert.equal(offer.title, 'Korvane - Loan Shark');
    // The deal's timer keeps ticking while the box waits for its answer.
    await waitForText(page, 'Label5', 'Your Turn', aRound);
    assert.equal(await shown(page, 'Label10'), '0', 'no loan before the answer');
    await sameBox(page, 'yes');
    await sameBox(page, 'ok');
    await sameAsDesktop(page, loan, 'after the loan');

    await control(page, 'Command2').click();
    await page.waitForFunction(() => !document.getElementById('Command3').disabled, null, { timeout: aRound });
    await sameAsDesktop(page, round, 'after the round on the loan');

    await control(page, 'Label16').dblclick();
    await sameBox(page, 'ok');
    await control(page, 'Label17').click();
    await waitForText(page, 'Label10', '10000', shortly);
    await control(page, 'Command3').click();
    await sameBox(page, 'yes');
    await sameBox(page, 'ok');
    const d = desktop(['load', ...payback, 'get Label10.Caption', 'get Debt'], { files: { 'Korvane.cash': broke }, scratch });
    await waitForText(page, 'Label10', d.get('Label10.Caption'), shortly);
    assert.equal(d.get('Debt'), '0');
    await s.assertClean();
});

test('a loan offered by the settlement while the rules box is open, one box over the other', within(60), async () => {
    // At 10:00:08 the player stands on the two cards and the dealer draws and wins.
    const losing = dealtAt(36008).command;
    const ten = '10\r\n0\r\n';
    const commands = [losing, 'click Command3', 'wait 3500', 'click Command2', 'answer ok after 5000', 'answer yes',
                      'answer ok', 'click Label11'];
    const d = desktop(['load', ...commands, 'get Label10.Caption', 'get Debt'], { files: { 'Korvane.cash': ten }, scratch });
    const want = d.boxes.map(parseBox);
    assert.deepEqual(want.map((b) => b.title), ['Korvane', 'Korvane - Loan Shark', 'Korvane']);

    const s = await session('nested');
    const page = await openTable(s.context, s.origin, { clock: 36008 });
    await openCashFile(page, ten);
    await waitForBox(page);
    await answerBox(page, 'yes');
    await waitForText(page, 'Label10', '10', shortly);
    await control(page, 'Command3').click();
    await waitForText(page, 'Label5', 'Your Turn');
    await control(page, 'Command2').click();
    await control(page, 'Label11').click();
    const rules = await waitForBox(page);
    assert.equal(boxLines(rules.text).trim(), want[0].text);
    // The dealer plays on behind the rules; the lost round's loan offer opens over them.
    await page.waitForFunction(() => document.querySelectorAll('[role="alertdialog"], [role="dialog"]').length === 2,
                               null, { timeout: aRound });
    for (const [box, answer] of [[want[1], 'yes'], [want[2], 'ok'], [want[0], 'ok']]) {
        const top = await waitForBox(page);
        assert.equal(top.title, box.title);
        assert.equal(boxLines(top.text).trim(), box.text);
        await answerBox(page, answer);
    }
    await waitForText(page, 'Label10', d.get('Label10.Caption'), shortly);
    assert.equal(await boxes(page).count(), 0);
    await s.assertClean();
});
