// SPDX-License-Identifier: GPL-3.0-or-later
// The table's page as the cases see it, and the desktop to hold it against.
//
// What the cases ask of the page:
// - the table's client area is the element #table, and every control an element
//   whose id is its name in the game, an array's index after "_" (Command3,
//   Label10, Picture1_0, HScroll1);
// - the shuffle is seeded from the page's clock, `new Date()`: stopped at a time
//   of day, the page deals the deck the core deals at that time (dealtAt), which
//   the driver's `deck` command then forces on the desktop;
// - a message box is an element of role dialog or alertdialog, its title and
//   text the elements its aria-labelledby and aria-describedby name, the text
//   with a line a line, and its buttons;
// - a picture box shows the image file named as the core names the image
//   (images/face31.png, images/back10@2x.png);
// - "Save cash file" and "Open cash file" are buttons beside #table.
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';

export const shortly = 10000;  // ms a page has to show what a click or key asked for
export const aRound = 20000;   // ms a round's timers have to run their course

// The element of a control: Picture1(0) is #Picture1_0.
export const elementId = (name) => name.replace(/\((\d+)\)$/, '_$1');
export const controlName = (id) => id.replace(/_(\d+)$/, '($1)');
export const selector = (name) => `[id="${elementId(name)}"]`;
export const control = (page, name) => page.locator(selector(name));

// The page's clock stopped at `seconds` past midnight for every page of the
// context; the timers run on, as they follow performance.now().
const stopped = new WeakSet();
async function stopClock(context, seconds) {
    if (stopped.has(context)) return;
    stopped.add(context);
    const [h, m, s] = [Math.floor(seconds / 3600), Math.floor(seconds / 60) % 60, seconds % 60];
    await context.addInitScript({
        content: `(() => {
            const Real = Date;
            const at = new Real(2026, 0, 1, ${h}, ${m}, ${s}, 0).getTime();
            window.Date = class extends Real {
                constructor(...args) { if (args.length) super(...args); else super(at); }
            };
        })();`,
    });
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

// The text a control shows, as the game holds its caption: the access key's "&" is
// drawn as an underline, so it is not in the text.
export const shown = (page, name) => control(page, name).evaluate((e) => e.textContent);
export const caption = (text) => text.replace(/&(.)/g, '$1');

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

// The image a picture box shows, by the core's name for it ("face31"), or "none".
export async function pictureOn(page, name) {
    const source = await control(page, name).evaluate((e) => e.currentSrc || e.getAttribute('src') || '');
    return source ? source.split('/').pop().replace(/(@\dx)?\.png$/, '') : 'none';
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
        throw new Error(`${name} shows ${await pictureOn(page, name)}, not ${want}`, { cause: error });
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

// The box's text as the desktop's driver prints it: lines joined by character 13.
export const boxLines = (text) => text.replace(/\r\n?|\n/g, '\r').replace(/\r+$/, '');

// The core, headless, played through the same commands: what the desktop shows.
// Given files, it plays in a folder of its own holding them, on the disk, as the
// game reads and writes its cash file.
let folders = 0;
export function desktop(commands, { files, scratch } = {}) {
    let cwd;
    const args = [...commands];
    if (files) {
        cwd = path.join(scratch, `desktop-${++folders}`);
        mkdirSync(cwd, { recursive: true });
        for (const [name, bytes] of Object.entries(files)) writeFileSync(path.join(cwd, name), bytes);
        args.unshift('--disk');
    }
    const out = execFileSync(process.env.KORVANE_TABLE_FACTS, args, { cwd, encoding: 'utf8', maxBuffer: 64 << 20 });
    const facts = JSON.parse(out);
    facts.get = (property) => {
        const line = facts.said.find((l) => l.startsWith(`${property}=`));
        if (line === undefined) throw new Error(`the desktop said nothing of ${property}`);
        return line.slice(property.length + 1);
    };
    facts.boxes = facts.said.filter((l) => l.startsWith('box '));
    facts.fileText = (name) => (cwd ? readFileSync(path.join(cwd, name)) : Buffer.from(facts.files[name] ?? '', 'hex'));
    return facts;
}

// The deck a shuffle deals at `seconds` past midnight, and the driver's command
// that makes the desktop's next shuffle deal it.
export function dealtAt(seconds) {
    const { deck } = JSON.parse(execFileSync(process.env.KORVANE_TABLE_FACTS, ['--deal-at', String(seconds)],
                                             { encoding: 'utf8' }));
    return { deck, command: `deck ${deck.join(' ')}` };
}

// What the desktop's driver printed for a box: title, text (\r between lines), buttons.
export function parseBox(line) {
    const unescape = (s) => s.replace(/\\(.)/g, (_, c) => (c === 'r' ? '\r' : c));
    const m = line.match(/^box title="((?:[^"\\]|\\.)*)" text="((?:[^"\\]|\\.)*)" buttons=(\w+) icon=(\w+)/);
    return m && { title: unescape(m[1]), text: unescape(m[2]), buttons: m[3], icon: m[4] };
}

// What Chromium's accessibility tree tells of each named control: its role and
// name, whether it is left out of the tree, checked for a choice, and how a change
// of it is told (live).
export async function spokenOf(page, names) {
    const cdp = await page.context().newCDPSession(page);
    try {
        const { root } = await cdp.send('DOM.getDocument', { depth: 0 });
        const told = {};
        for (const name of names) {
            const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector: selector(name) });
            if (!nodeId) {
                told[name] = null;
                continue;
            }
            const { nodes } = await cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: true });
            const { node: dom } = await cdp.send('DOM.describeNode', { nodeId });
            const self = nodes.find((n) => n.backendDOMNodeId === dom.backendNodeId) ?? { ignored: true };
            const named = (n) => n && !n.ignored && (n.name?.value ?? '') !== '';
            // Only a node that stands for nothing itself, or a label around its control,
            // hands over to a named child.
            const empty = self.ignored || ['generic', 'none', 'presentation', 'LabelText'].includes(self.role?.value);
            const child = empty ? (self.childIds ?? []).map((id) => nodes.find((n) => n.nodeId === id)).find(named) : null;
            const node = named(self) || !child ? self : child;
            const property = (key) => node.properties?.find((p) => p.name === key)?.value?.value;
            told[name] = { ignored: Boolean(self.ignored) && !child, role: node.role?.value ?? '', name: node.name?.value ?? '',
                           checked: property('checked'), live: property('live') };
        }
        return told;
    } finally {
        await cdp.detach();
    }
}

// Chromium's roles for each kind of thing the desktop's screen reader is told of.
export const rolesFor = {
    window: ['RootWebArea', 'main', 'application', 'region'],
    group: ['group', 'region', 'figure'],
    label: ['status', 'note', 'paragraph', 'StaticText', 'LabelText', 'text', 'region', 'log', 'term'],
    button: ['button'],
    checkbox: ['checkbox'],
    scrollbar: ['slider', 'scrollbar', 'spinbutton'],
    graphic: ['img', 'image', 'graphics-symbol', 'figure'],
    choice: ['radio', 'option', 'button', 'menuitemradio', 'checkbox'],
};

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
