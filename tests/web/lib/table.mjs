// SPDX-License-Identifier: GPL-3.0-or-later
// The table's page as the cases see it, and the desktop to hold it against.
//
// What the cases ask of the page:
// - the table's client area is the element #table, and every control an element
//   whose id is its name in the game, an array's index after "_" (Command3,
//   Label10, Picture1_0, HScroll1);
// - the shuffle is seeded from the page's clock, `new Date()`: stopped at a time
//   of day, the page deals the deck korvane-drive deals once its clock has come
//   round to that time (atTimeOfDay);
// - a message box is an element of role dialog or alertdialog, its title and
//   text the elements its aria-labelledby and aria-describedby name, the text
//   with a line a line, and its buttons;
// - a picture box shows the image file named as the core names the image
//   (images/face31.png, images/back10@2x.png);
// - "Save cash file" and "Open cash file" are buttons beside #table.
import { execFileSync } from 'node:child_process';
import { mkdtempSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';

export const shortly = 10000;  // ms a page has to show what a click or key asked for
export const aRound = 20000;   // ms a round's timers have to run their course

// The element of a control: Picture1(0) is #Picture1_0.
export const elementId = (name) => name.replace(/\((\d+)\)$/, '_$1');
export const controlName = (id) => id.replace(/_(\d+)$/, '($1)');
export const selector = (name) => `[id="${elementId(name)}"]`;
export const control = (page, name) => page.locator(selector(name));

// The page's clock stopped at `seconds` past midnight, a script to run before the
// page's own; the timers run on, as they follow performance.now().
export function clockScript(seconds) {
    const [h, m, s] = [Math.floor(seconds / 3600), Math.floor(seconds / 60) % 60, seconds % 60];
    return `(() => {
            const Real = Date;
            const at = new Real(2026, 0, 1, ${h}, ${m}, ${s}, 0).getTime();
            window.Date = class extends Real {
                constructor(...args) { if (args.length) super(...args); else super(at); }
            };
        })();`;
}

// The page's time `times` as fast as the wall's: its timers, performance.now()
// and Date.now() alike (one origin for every tab, so a lease one tab takes
// another reads aright), so a round's pauses pass in an eighth of their time in
// the order they come. How long each pause lasts is the core's, tested on its
// virtual clock.
export function hurryScript(times = 8, since = Date.now()) {
    return `(() => {
            const times = ${times}, since = ${since};
            const perf = performance.now.bind(performance), wall = Date.now;
            performance.now = () => perf() * times;
            Date.now = () => since + (wall() - since) * times;
            const sooner = (set) => (f, ms, ...rest) => set(f, (Number(ms) || 0) / times, ...rest);
            window.setTimeout = sooner(window.setTimeout.bind(window));
            window.setInterval = sooner(window.setInterval.bind(window));
        })();`;
}

// The clock stopped for every page of the context.
const stopped = new WeakSet();
async function stopClock(context, seconds) {
    if (stopped.has(context)) return;
    stopped.add(context);
    await context.addInitScript({ content: clockScript(seconds) });
}

export async function openTable(context, origin, { clock } = {}) {
    if (clock !== undefined) await stopClock(context, clock);
    const page = context.pages().find((p) => !p.isClosed()) ?? (await context.newPage());
    await page.goto(`${origin}/`);
    // Up, or telling something at start-up in a box before the table shows.
    await page.locator(`${selector('Command3')}, [role="dialog"], [role="alertdialog"]`).first()
        .waitFor({ state: 'visible', timeout: shortly });
    return page;
}

// The text a control shows.
export const shown = (page, name) => control(page, name).evaluate((e) => e.textContent);

export async function waitForText(page, name, text, timeout = aRound, when = '') {
    try {
        await page.waitForFunction(([sel, want]) => document.querySelector(sel)?.textContent === want,
                                   [selector(name), text], { timeout });
    } catch (error) {
        const now = await shown(page, name).catch(() => 'nothing');
        throw new Error(`${name} shows ${JSON.stringify(now)}, not ${JSON.stringify(text)}, after ${timeout} ms ${when}`,
                        { cause: error });
    }
}

// Waits until a picture box shows that image: a picture is fetched once it can be seen.
export async function waitForPicture(page, name, want, timeout = shortly) {
    try {
        await page.waitForFunction(([sel, image]) => {
            const e = document.querySelector(sel);
            const source = e?.currentSrc || e?.getAttribute('src') || '';
            return (source ? source.split('/').pop().replace(/(@\dx)?\.png$/, '') : 'none') === image;
        }, [selector(name), want], { timeout });
    } catch (error) {
        throw new Error(`${name} shows no ${want}`, { cause: error });
    }
}

// The open message box: its title, its lines and its buttons' names.
export const boxes = (page) => page.locator('[role="dialog"]:visible, [role="alertdialog"]:visible');

export async function waitForBox(page, timeout = shortly) {
    const box = boxes(page).last();
    await box.waitFor({ state: 'visible', timeout });
    return box.evaluate((b) => {
        const named = (attribute) => document.getElementById(b.getAttribute(attribute) ?? '')?.innerText;
        const title = named('aria-labelledby') ?? b.getAttribute('aria-label') ?? '';
        const buttons = [...b.querySelectorAll('button')].map((x) => x.textContent.trim());
        return { title: title.trim(), text: named('aria-describedby') ?? b.innerText, buttons };
    });
}

const answers = { ok: /^(OK)$/i, yes: /^(Yes|Ja)$/i, no: /^(No|Nej)$/i };

// Answers the box on top; done when it is gone, or has become the next box.
export async function answerBox(page, answer) {
    const box = await boxes(page).last().elementHandle({ timeout: shortly });
    const text = await box.evaluate((b) => b.innerText);
    await boxes(page).last().getByRole('button', { name: answers[answer] }).click({ timeout: shortly });
    await page.waitForFunction(([b, before]) => !b.isConnected || !b.checkVisibility() || b.innerText !== before,
                               [box, text], { timeout: shortly });
}

// The table without a screen, korvane-drive, after the same commands, in a fresh
// folder: what it printed (boxes, sounds), the values it was asked for with
// `get`, and with `state` every control's properties.
export function drive(commands) {
    const cwd = mkdtempSync(path.join(os.tmpdir(), 'drive-'));
    const said = execFileSync(process.env.KORVANE_DRIVE, [], { cwd, input: commands.join('\n') + '\n', encoding: 'utf8',
                                                               maxBuffer: 64 << 20 }).split('\n');
    const value = (key) => {
        const line = said.find((l) => l.startsWith(`${key}=`));
        if (line === undefined) throw new Error(`the driver said nothing of ${key}`);
        return line.slice(key.length + 1);
    };
    const controls = {};
    for (const line of said) {
        const m = line.match(/^([A-Za-z0-9()]+)\.(\w+)=(.*)$/);
        if (m) (controls[m[1]] ??= {})[m[2]] = m[3];
    }
    return { said, get: value, controls, sounds: said.filter((l) => l.startsWith('sound ')).map((l) => l.slice(6)) };
}

// The driver's clock starts at noon: this command brings it round to the time of
// day the page's clock was stopped at, so both shuffle alike.
export const atTimeOfDay = (seconds) => `wait ${((seconds - 43200 + 86400) % 86400) * 1000}`;

// Gives the page a cash file through its "Open cash file" button.
export async function openCashFile(page, bytes) {
    const chooser = page.waitForEvent('filechooser', { timeout: shortly });
    await page.getByRole('button', { name: 'Open cash file' }).click();
    await (await chooser).setFiles({ name: 'Korvane.cash', mimeType: 'application/octet-stream', buffer: Buffer.from(bytes) });
}

// Takes the page's "Save cash file" download: its name and bytes.
export async function saveCashFile(page) {
    const download = page.waitForEvent('download', { timeout: shortly });
    await page.getByRole('button', { name: 'Save cash file' }).click();
    const file = await download;
    const stream = await file.createReadStream();
    const parts = [];
    for await (const part of stream) parts.push(part);
    return { name: file.suggestedFilename(), bytes: Buffer.concat(parts) };
}
