// SPDX-License-Identifier: GPL-3.0-or-later
// Rounds on the page, by mouse and by keys, in both languages, with the rules box
// and the chooser of backs: at each step the page shows what the desktop shows
// after the same commands.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { openBrowser } from '../lib/browser.mjs';
import { scratchFolder, siteFolder, within } from '../lib/scratch.mjs';
import { sessionsIn } from '../lib/session.mjs';
import {
    answerBox, aRound, boxLines, caption, control, controlName, dealtAt, desktop, openTable, parseBox,
    shortly, shown, spokenOf, waitForBox, waitForPicture, waitForText,
} from '../lib/table.mjs';

const scratch = scratchFolder();
const session = sessionsIn(scratch);

// The page's clock stopped at 10:00:00 deals the dealer the 6 and queen of clubs,
// the player the 7 of spades and jack of hearts (17); a hit brings the ace of
// clubs (18); the dealer turns to 16, skips a card and draws the jack of spades:
// the player wins.
const at = 36000;
const { command: deckCommand } = dealtAt(at);
const numbers = ['Label3', 'Label4', 'Label5', 'Label8', 'Label9', 'Label10', 'Label13'];
const cards = [0, 1, 2, 3, 4].flatMap((k) => [`Picture1(${k})`, `Picture2(${k})`]);

// The captions and the cards on the page against the desktop's after `commands`:
// the cards by their images here; what a screen reader hears of them, in layout.
async function sameAsDesktop(page, commands, when) {
    const d = desktop(['load', ...commands, ...numbers.map((n) => `get ${n}.Caption`)]);
    for (const name of numbers) assert.equal(await shown(page, name), d.get(`${name}.Caption`), `${name} ${when}`);
    for (const c of d.controls.filter((x) => cards.includes(x.name))) {
        const seen = await control(page, c.name).isVisible();
        assert.equal(seen, c.shown, `${c.name} ${c.shown ? 'shown' : 'hidden'} ${when}`);
        if (c.shown) await waitForPicture(page, c.name, c.picture);
    }
    return d;
}

const settled = (page) => control(page, 'Command3').waitFor({ state: 'visible', timeout: aRound })
    .then(() => page.waitForFunction(() => !document.getElementById('Command3').disabled, null, { timeout: aRound }));

test('a whole round by mouse with a forced deck plays as on the desktop', within(60), async () => {
    const s = await session('mouse');
    const page = await openTable(s.context, s.origin, { clock: at });
    await sameAsDesktop(page, [], 'at start-up');
    await control(page, 'Command3').click();
    await waitForText(page, 'Label5', 'Shuffling', shortly);
    await waitForText(page, 'Label5', 'Your Turn');
    const turn = [deckCommand, 'click Command3', 'wait 3500'];
    await sameAsDesktop(page, turn, "at the player's turn");
    const hit = desktop(['load', ...turn, 'click Command1', 'get Label3.Caption']);
    await control(page, 'Command1').click();
    await waitForText(page, 'Label3', hit.get('Label3.Caption'), shortly);
    await control(page, 'Command2').click();
    await waitForText(page, 'Label5', 'YOU WIN');
    await settled(page);
    const d = await sameAsDesktop(page, [...turn, 'click Command1', 'click Command2', 'wait 5000'], 'once settled');
    assert.equal(d.get('Label10.Caption'), '1010');
    assert.ok(!(await control(page, 'Command1').isEnabled()), 'Deal is off once the round is over');
    await s.assertClean();
});

test('a round by keys alone: the bet, Start, Deal, Stop and the rules', within(60), async () => {
    const hit = desktop(['load', deckCommand, 'click Command3', 'wait 3500', 'click Command1', 'get Label3.Caption'])
        .get('Label3.Caption');
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
        await waitForText(page, 'Label13', bet, shortly);
    }
    await tabTo('Command3');
    await page.keyboard.press('Enter');
    await waitForText(page, 'Label5', 'Your Turn');
    assert.equal(await focused(), 'Command1', "the focus goes to Deal at the player's turn");
    // The browser keeps Alt+1 for its tabs; Alt+Shift+1 deals, wherever the focus is.
    await page.keyboard.press('Alt+Shift+Digit1');
    await waitForText(page, 'Label3', hit, shortly);
    assert.equal(await focused(), 'Command1');
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Command2');
    await page.keyboard.press('Enter');
    await waitForText(page, 'Label5', 'YOU WIN');
    await settled(page);
    assert.equal(await focused(), 'Command3', 'the focus goes back to Start');
    await sameAsDesktop(page, ['scroll HScroll1 99', deckCommand, 'click Command3', 'wait 3500', 'click Command1',
                               'click Command2', 'wait 5000'], 'after the round by keys');
    await page.keyboard.press('F1');
    const rules = await waitForBox(page);  // F1, wherever the focus is
    assert.equal(rules.title, 'Korvane');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => !document.querySelector('[role="dialog"], [role="alertdialog"]')?.checkVisibility(),
                               null, { timeout: shortly });
    await s.assertClean();
});

test('the Danish table: captions, the round texts and the card names', within(60), async () => {
    const s = await session('danish');
    const page = await openTable(s.context, s.origin, { clock: at });
    await control(page, 'Picture4(1)').click();
    const danish = ['Command1', 'Command2', 'Label11', 'Label12', 'Frame4'];
    const d = desktop(['load', 'click Picture4(1)', ...danish.map((n) => `get ${n}.Caption`)]);
    for (const name of ['Command1', 'Command2', 'Label11', 'Label12'])
        assert.equal(await shown(page, name), caption(d.get(`${name}.Caption`)), name);
    assert.ok((await shown(page, 'Frame4')).includes(d.get('Frame4.Caption')), 'the chooser in Danish');
    await control(page, 'Command3').click();
    await waitForText(page, 'Label5', 'Blander kort', shortly);
    await waitForText(page, 'Label5', 'Din Tur');
    await sameAsDesktop(page, ['click Picture4(1)', deckCommand, 'click Command3', 'wait 3500'], 'in Danish');
    // Back to English mid-round: the status line keeps its Danish until it is written again.
    await control(page, 'Picture4(0)').click();
    assert.equal(await shown(page, 'Command1'), '1  DEAL');
    assert.equal(await shown(page, 'Label5'), 'Din Tur');
    await s.assertClean();
});

test('the rules box in the language in force, line by line', within(40), async () => {
    const s = await session('rules');
    const page = await openTable(s.context, s.origin);
    for (const [flag, commands] of [['Picture4(1)', ['click Picture4(1)']], ['Picture4(0)', ['click Picture4(1)', 'click Picture4(0)']]]) {
        await control(page, flag).click();
        await control(page, 'Label11').click();
        const box = await waitForBox(page);
        const want = parseBox(desktop(['load', ...commands, 'click Label11']).boxes[0]);
        assert.equal(box.title, want.title);
        assert.ok(boxLines(box.text).includes(want.text), `the rules after ${flag}:\n${box.text}`);
        assert.deepEqual(box.buttons, ['OK']);
        await answerBox(page, 'ok');
    }
    await s.assertClean();
});

test('the chooser: opened by the little back, closed by a back, by mouse and by keys', within(40), async () => {
    const s = await session('chooser');
    const page = await openTable(s.context, s.origin);
    const backs = [6, 7, 8, 9, 10].map((k) => `Picture1(${k})`);
    assert.ok(!(await control(page, 'Frame4').isVisible()), 'the chooser is closed at start-up');
    await control(page, 'Picture4(2)').click();
    await control(page, 'Frame4').waitFor({ state: 'visible', timeout: shortly });
    const open = desktop(['load', 'click Picture4(2)']);
    for (const name of [...backs, 'Picture1(11)'])
        await waitForPicture(page, name, open.controls.find((c) => c.name === name).picture);
    await control(page, 'Picture1(7)').click();
    await control(page, 'Frame4').waitFor({ state: 'hidden', timeout: shortly });
    const chosen = desktop(['load', 'click Picture4(2)', 'click Picture1(7)']);
    await waitForPicture(page, 'Picture1(11)', chosen.controls.find((c) => c.name === 'Picture1(11)').picture);
    await control(page, 'Picture4(2)').click();
    await control(page, 'Frame4').waitFor({ state: 'visible', timeout: shortly });
    const inUse = 'Picture1(7)';
    // By keys: the next back, then chosen.
    await control(page, inUse).focus();
    await page.keyboard.press('ArrowRight');
    assert.equal(controlName(await page.evaluate(() => document.activeElement?.id)), 'Picture1(8)');
    await page.keyboard.press('Enter');
    await control(page, 'Frame4').waitFor({ state: 'hidden', timeout: shortly });
    await waitForPicture(page, 'Picture1(11)', 'back8');
    await s.assertClean();
});

test("the sounds of a round follow the desktop's from the first click, and none with Sounds off", within(60), async () => {
    const probe = readFileSync(new URL('../lib/sounds.js', import.meta.url), 'utf8');
    const s = await session('sounds', { initScript: { content: probe } });
    const page = await openTable(s.context, s.origin, { clock: at });
    await control(page, 'Command3').click();
    await waitForText(page, 'Label5', 'Your Turn');
    await control(page, 'Command1').click();
    await control(page, 'Command2').click();
    await settled(page);
    // The browser sounds nothing before the player's first gesture: the start-up cue is not heard.
    const d = desktop(['load', deckCommand, 'click Command3', 'wait 3500', 'click Command1', 'click Command2', 'wait 5000']);
    const heard = d.said.filter((l) => l.startsWith('sound ')).map((l) => l.slice(6)).slice(1);
    await page.waitForFunction((n) => window.__sounds.length >= n, heard.length, { timeout: shortly });
    assert.deepEqual(await page.evaluate(() => window.__sounds), heard);

    await control(page, 'Check1').click();
    assert.equal(await control(page, 'Check1').locator('input').isChecked(), false);
    // A round of whatever cards come, stood on at once.
    await control(page, 'Command3').click();
    await page.waitForFunction(() => document.getElementById('Command3').disabled, null, { timeout: shortly });
    await page.waitForFunction(() => !document.getElementById('Command3').disabled ||
                                     !document.getElementById('Command2').disabled, null, { timeout: aRound });
    if (await control(page, 'Command2').isEnabled()) await control(page, 'Command2').click();
    await settled(page);
    assert.deepEqual(await page.evaluate(() => window.__sounds), heard, 'nothing more with Sounds off');
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
        assert.deepEqual([watch.errors, watch.nativeBoxes, [...watch.foreign]], [[], [], []]);
    } finally {
        await context.close();
    }
});

test('after one visit the page plays without the network, and a browser offers to install it', within(60), async () => {
    const s = await session('offline');
    const page = await openTable(s.context, s.origin);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: shortly });
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
