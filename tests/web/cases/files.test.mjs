// SPDX-License-Identifier: GPL-3.0-or-later
// Cash files moved between the desktop and the page through its "Open cash file"
// and "Save cash file" buttons: each read as the desktop reads it, taken only when
// the player agrees, and saved as the desktop saves it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { scratchFolder, within } from '../lib/scratch.mjs';
import { sessionsIn } from '../lib/session.mjs';
import {
    answerBox, aRound, desktop, openCashFile, openTable, saveCashFile, shortly, shown, waitForBox, waitForText,
} from '../lib/table.mjs';

const scratch = scratchFolder();
const session = sessionsIn(scratch);

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
    // NUL bytes among them: the cash text is kept whole, as the desktop keeps it.
    ['random bytes', randomBytes(4096, 23)],
];

for (const [index, [what, bytes]] of files.entries()) {
    test(`an opened cash file, ${what}, is read as the desktop reads it, and taken only when the player agrees`,
         within(60), async () => {
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
