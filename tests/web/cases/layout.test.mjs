// SPDX-License-Identifier: GPL-3.0-or-later
// The page's own drawing of the table: every control at the place korvane-drive
// gives it (twips / 15, scaled with the table, within a pixel) on screens that
// hold the window, every control in reach and readable on those that do not; the
// roles and names of Chromium's accessibility tree; the Tab order; nothing fetched
// from another origin, which the page's policy refuses; and the page's own faces
// where none are installed. What the names say is the core's, tested below the page.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { scratchFolder, within } from '../lib/scratch.mjs';
import { serve } from '../lib/server.mjs';
import { sessionsIn } from '../lib/session.mjs';
import { smallScreenFaults, touched } from '../lib/small_screen.mjs';
import {
    answerBox, atTimeOfDay, control, controlName, drive, elementId, openTable, shortly, waitForBox, waitForText,
} from '../lib/table.mjs';

const scratch = scratchFolder();
const session = sessionsIn(scratch);

const at = 36000;  // the page's clock stopped at 10:00:00, its shuffles known
const dealt = ['load', atTimeOfDay(at), 'click Command3', 'wait 3500'];
// The design's client area, 10395 x 8445 twips.
const width = 693, height = 563;

// Each control element's rectangle, from the top-left of the control it lies in
// (the table for most, a frame for what the frame holds), and that control's name.
async function placesOnPage(page) {
    return page.evaluate(() => {
        const table = document.getElementById('table');
        const box = table.getBoundingClientRect();
        const out = { table: { x: box.x, y: box.y, width: box.width, height: box.height }, controls: {} };
        for (const e of table.querySelectorAll('[id]')) {
            const parent = e.parentElement.closest('[id]');
            const r = e.getBoundingClientRect(), p = parent.getBoundingClientRect();
            out.controls[e.id] = { x: r.x - p.x, y: r.y - p.y, width: r.width, height: r.height,
                                   visible: e.checkVisibility(), in: parent === table ? '' : parent.id };
        }
        return out;
    });
}

async function checkPlaces(page, facts, viewport, when) {
    const got = await placesOnPage(page);
    const scale = got.table.width / width;
    assert.ok(Math.abs(got.table.height / scale - height) <= 1, `the table keeps its proportions ${when}`);
    assert.ok(got.table.x >= -0.5 && got.table.y >= -0.5 && got.table.x + got.table.width <= viewport.width + 0.5 &&
              got.table.y + got.table.height <= viewport.height + 0.5, `the whole table fits the screen ${when}`);
    const shown = (id) => !id || (facts.controls[controlName(id)].Visible === 'True' && shown(got.controls[id].in));
    for (const [id, on] of Object.entries(got.controls)) {
        const c = facts.controls[controlName(id)];
        if (!c) continue;  // a part of a control, not a control
        const want = { x: c.Left / 15, y: c.Top / 15, width: c.Width / 15, height: c.Height / 15 };
        if (!shown(id) || (!on.in && (want.x >= width || want.y >= height))) {
            assert.ok(!on.visible || on.x >= got.table.width || on.y >= got.table.height, `${id} unseen ${when}`);
            continue;
        }
        assert.ok(on.visible, `${id} on the table ${when}`);
        for (const side of ['x', 'y', 'width', 'height'])
            assert.ok(Math.abs(on[side] / scale - want[side]) <= 1,
                      `${id}.${side} ${when}: ${(on[side] / scale).toFixed(2)} px, the table says ${want[side]}`);
    }
}

for (const screen of [{ name: 'a 1280 x 800 screen', viewport: { width: 1280, height: 800 } },
                      { name: 'a 1920 x 1080 screen', viewport: { width: 1920, height: 1080 }, hasTouch: true },
                      { name: 'a 4K screen', viewport: { width: 3840, height: 2160 } }]) {
    test(`each control stands at its place on ${screen.name}`, within(60), async () => {
        const s = await session(`places-${screen.viewport.width}`, screen);
        const page = await openTable(s.context, s.origin, { clock: at });
        await checkPlaces(page, drive(['load', 'state']), screen.viewport, 'at start-up');
        // Crisp: past one device pixel a table pixel, the pictures drawn at twice the size.
        const pixels = (await placesOnPage(page)).table.width / width * (screen.deviceScaleFactor ?? 1);
        const sharp = pixels > 1.01 ? '@2x.png' : '.png';
        const source = await control(page, 'Picture1(11)').evaluate((e) => e.currentSrc);
        assert.ok(source.endsWith(`back10${sharp}`), `${source} at ${pixels.toFixed(2)} device pixels a pixel`);
        // On a touch screen a touch is a click.
        if (screen.hasTouch) await control(page, 'Command3').tap();
        else await control(page, 'Command3').click();
        await waitForText(page, 'Label5', 'Your Turn');
        await checkPlaces(page, drive([...dealt, 'state']), screen.viewport, "at the player's turn");
        await control(page, 'Picture4(2)').click();
        await checkPlaces(page, drive([...dealt, 'click Picture4(2)', 'state']), screen.viewport, 'with the chooser open');
        await s.assertClean();
    });
}

// Where the window does not fit at its own size a round plays by touch, and
// every control stays in reach and readable.
for (const screen of [{ name: 'a phone upright', viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, hasTouch: true },
                      { name: 'a phone on its side', viewport: { width: 844, height: 390 }, deviceScaleFactor: 3, hasTouch: true },
                      { name: 'a window zoomed to 200%', viewport: { width: 640, height: 400 }, deviceScaleFactor: 2 }]) {
    test(`every control is in reach and readable on ${screen.name}`, within(60), async () => {
        const s = await session(`small-${screen.viewport.width}`, screen);
        const page = await openTable(s.context, s.origin, { clock: at });
        // The table makes its controls as it first draws itself, Start among the first.
        await page.waitForFunction((ids) => ids.every((id) => document.getElementById(id)), touched.map(elementId),
                                   { timeout: shortly }).catch(() => {});
        const faults = await smallScreenFaults(page, [...touched, 'saveCash', 'openCash'], 'at start-up');
        const press = (name) => (screen.hasTouch ? control(page, name).tap() : control(page, name).click());
        await press('Command3');
        await waitForText(page, 'Label5', 'Your Turn');
        faults.push(...(await smallScreenFaults(page, ['Command1', 'Command2'], "at the player's turn")));
        await press('Command2');
        await page.waitForFunction(() => !document.getElementById('Command3').disabled, null, { timeout: 20000 });
        await press('Picture4(2)');
        await control(page, 'Frame4').waitFor({ state: 'visible', timeout: shortly });
        faults.push(...(await smallScreenFaults(page, ['Picture1(6)', 'Picture1(10)'], 'with the chooser open')));
        await press('Picture1(10)');
        assert.deepEqual(faults, []);
        await s.assertClean();
    });
}


// What Chromium's accessibility tree names in the table, a "role name" each, in its
// order; "[checked]" follows a chosen choice. (A status tells its changes as they come.)
async function namedIn(page) {
    return (await page.locator('#table').ariaSnapshot()).split('\n')
        .map((line) => line.match(/^\s*- '?([a-z]+) "((?:[^"]|'')*)"( \[checked\])?/)).filter(Boolean)
        .map(([, role, name, checked]) => `${role} ${name.replace(/''/g, "'")}${checked ?? ''}`);
}

test('the accessibility tree names what the player sees, and nothing else', within(60), async () => {
    const s = await session('spoken');
    const page = await openTable(s.context, s.origin, { clock: at });
    assert.deepEqual(await namedIn(page), [
        'group Settings', 'button English', 'button Danish', 'button Choose the card back', 'note Bet: 10',
        'button $ Loan office', 'checkbox Sounds [checked]', 'slider Bet', 'img Deck', 'note Your total: ?',
        "note Dealer's total: ?", 'note Status', 'note Rounds won by the dealer: 0',
        'note Rounds won by you: 0', 'note Cash: 1000', 'button Korvane Rules', 'button Start a round']);
    await control(page, 'Picture4(1)').click();
    const words = await page.evaluate(() => [document.documentElement.lang, document.getElementById('saveCash').textContent,
                                             document.getElementById('openCash').textContent]);
    assert.deepEqual(words, ['da', 'Gem kassefil', 'Åbn kassefil'], "the page's own words follow the table's");
    await page.evaluate(() => {
        window.heard = [];
        const told = document.getElementById('told');
        new MutationObserver(() => window.heard.push(told.textContent)).observe(told, { childList: true, characterData: true, subtree: true });
    });
    await control(page, 'Command3').click();
    await waitForText(page, 'Label5', 'Din Tur');
    const turn = await namedIn(page);
    for (const named of ['img Kort med bagsiden op', 'img Klør dame', 'img Spar 7', 'img Hjerter knægt',
                         'note Status: Din Tur', 'note Kontanter: 1000'])
        assert.ok(turn.includes(named), `${named} at the Danish player's turn: ${turn}`);
    const heard = await page.evaluate(() => window.heard);
    assert.ok(heard.some((h) => h.includes('Status: Din Tur')) && heard.every((h) => /[^\d\s.,-]/.test(h)),
              `changes are told in words: ${JSON.stringify(heard)}`);
    assert.equal(await page.locator('#told').getAttribute('role'), 'status');
    await control(page, 'Picture4(2)').click();
    await control(page, 'Frame4').waitFor({ state: 'visible', timeout: shortly });
    const chooser = await namedIn(page);
    assert.ok(chooser.includes('group Vælg Kortbagside'));
    assert.deepEqual(chooser.filter((n) => n.startsWith('radio')).map((n) => n.endsWith('[checked]')),
                     [false, false, false, false, true], 'five backs, the one in use chosen');
    await s.assertClean();
});

test('Tab goes round the table in its order and never to a cheat switch', within(40), async () => {
    const s = await session('tab');
    const page = await openTable(s.context, s.origin);
    const order = [];
    for (let i = 0; i < 30; ++i) {
        await page.keyboard.press('Tab');
        const id = await page.evaluate(() => {
            const at = document.activeElement?.closest('#table [id]');
            return at ? at.id : '';
        });
        if (id && !order.includes(controlName(id))) order.push(controlName(id));
    }
    // Round and round: where the focus starts does not matter.
    const from = Math.max(0, order.indexOf('Command3'));
    const cycle = [...order.slice(from), ...order.slice(0, from)];
    assert.deepEqual(cycle, ['Command3', 'HScroll1', 'Check1', 'Picture4(0)', 'Picture4(1)', 'Picture4(2)', 'Label11']);
    for (const name of ['Label16', 'Label17'])
        assert.ok(await control(page, name).evaluate((e) => e.tabIndex < 0 && !e.matches('button, input, a[href]')),
                  `${name} takes no focus`);
    await s.assertClean();
});

test("nothing is fetched from another origin, and the page's policy refuses it", within(60), async () => {
    const elsewhere = await serve(scratch);
    const s = await session('origin');
    try {
        const page = await openTable(s.context, s.origin, { clock: at });
        await control(page, 'Command3').click();
        await waitForText(page, 'Label5', 'Your Turn');
        await control(page, 'Label11').click();
        await waitForBox(page);
        await answerBox(page, 'ok');
        await s.assertClean();
        // What the page's script would fetch from elsewhere, its policy refuses before it leaves.
        const refused = await page.evaluate(async (other) => {
            const seen = [];
            document.addEventListener('securitypolicyviolation', (e) => seen.push(e.effectiveDirective));
            await fetch(`${other}/x.json`).catch(() => {});
            const script = document.createElement('script');
            script.src = `${other}/x.js`;
            document.head.append(script);
            const img = new Image();
            img.src = `${other}/x.png`;
            document.body.append(img);
            await new Promise((resolve) => img.addEventListener('error', resolve, { once: true }));
            return seen.sort();
        }, elsewhere.origin);
        assert.deepEqual(refused, ['connect-src', 'img-src', 'script-src-elem']);
        assert.deepEqual(elsewhere.requests, [], 'nothing reached the other server');
    } finally {
        await elsewhere.close();
    }
});

test("the table is drawn with the page's own faces in a browser that has none of them", within(60), async () => {
    const s = await session('fonts', { fonts: ['/usr/share/fonts/truetype/dejavu'] });
    const page = await openTable(s.context, s.origin);
    const faces = await page.evaluate(async () => {
        const out = {};
        for (const face of ['14px "Liberation Sans"', 'bold 14px "Liberation Sans"', '14px "Liberation Serif"'])
            out[face] = (await document.fonts.load(face).catch(() => [])).map((f) => f.status).join() || 'none';
        return out;
    });
    assert.deepEqual(Object.values(faces), ['loaded', 'loaded', 'loaded'], JSON.stringify(faces));
    const fetched = [...new Set(s.server.requests.filter((u) => u.startsWith('/fonts/')))].sort();
    assert.deepEqual(fetched, ['/fonts/LiberationSans-Bold.ttf', '/fonts/LiberationSans-Regular.ttf',
                               '/fonts/LiberationSerif-Regular.ttf'], 'the faces came from the site');
    // In another face the large captions no longer fit their labels.
    const lines = await control(page, 'Label6').evaluate((e) => {
        const range = document.createRange();
        range.selectNodeContents(e);
        return new Set([...range.getClientRects()].map((r) => Math.round(r.top))).size;
    });
    assert.equal(lines, 1, '"DEALER" on one line');
    await s.assertClean();
});
