// SPDX-License-Identifier: GPL-3.0-or-later
// The table's page against the minimal page built the same way, in one run of
// Debian's chromium: bytes before the first frame, time to the first frame and to
// the first click taken, wakes while idle, memory, and the page's size gzipped.
//   node bench/web/web_bench.mjs SITE MINIMAL SCRATCH
import { existsSync, readFileSync, readdirSync, statSync, mkdirSync, rmSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../../tests/web/lib/server.mjs';
import { chromium, chromiumFlags } from '../../tests/web/lib/browser.mjs';

const [site, minimal, scratch] = process.argv.slice(2);
const here = path.dirname(fileURLToPath(import.meta.url));
const probe = readFileSync(path.join(here, 'probe.js'), 'utf8');
const runs = Number(process.env.KORVANE_BENCH_RUNS) || 11;
if (!existsSync(path.join(site, 'index.html'))) {
    console.log(`web: no page in ${site}; \`make web\` builds it`);
    process.exit(0);
}
const idleMs = 3000;

rmSync(scratch, { recursive: true, force: true });
mkdirSync(path.join(scratch, 'tmp'), { recursive: true });
process.env.TMPDIR = path.join(scratch, 'tmp');

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kib = (bytes) => (bytes / 1024).toFixed(1);

// A process's private memory: what it holds beyond the files and libraries it shares.
function privateKiB(pid) {
    try {
        const line = readFileSync(`/proc/${pid}/status`, 'utf8').match(/^RssAnon:\s+(\d+)/m);
        return line ? Number(line[1]) : 0;
    } catch {
        return 0;
    }
}

// One browser for the whole run, its profile in the scratch folder; each load in
// a fresh context of its own, with nothing cached.
const home = path.join(scratch, 'home');
const browser = await chromium.launch({
    executablePath: process.env.KORVANE_CHROMIUM ?? '/usr/bin/chromium',
    args: chromiumFlags,
    env: { ...process.env, HOME: home, XDG_CONFIG_HOME: path.join(home, '.config'), XDG_CACHE_HOME: path.join(home, '.cache') },
});
const processes = await browser.newBrowserCDPSession();

// One load: what the probe saw, and with `idle`, what an idle page costs over
// idleMs once its first frame is up.
async function load(folder, readyWhen, idle) {
    const server = await serve(folder, { '/bench-blank.html': '<!doctype html><title>blank</title>' });
    const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
    const foreign = [];
    await context.route(
        (url) => !['data:', 'blob:'].includes(url.protocol) && url.origin !== server.origin,
        (route) => foreign.push(route.request().url()) && route.abort(),
    );
    try {
        await context.addInitScript({ content: `window.__readyWhen = ${JSON.stringify(readyWhen)};\n${probe}` });
        const page = await context.newPage();
        // The page's process is started on an empty answer of the same origin, so
        // the times are the page's own, not the making of a process.
        await page.goto(`${server.origin}/bench-blank.html`);
        // Nothing is asked of the page before its first frame: the driver's first
        // question puts a script of its own into the page, 7 to 12 ms on the page's
        // thread, which fell into the start of whichever page it met. The probe
        // tells of the frame on the console instead.
        const framed = page.waitForEvent('console', { predicate: (m) => m.text() === 'korvane-bench: first frame', timeout: 30000 });
        await page.goto(`${server.origin}/`, { waitUntil: 'commit' });
        await framed;
        const files = await page.evaluate(() => {
            const until = window.__probe.firstFrame;
            return performance
                .getEntriesByType('navigation')
                .concat(performance.getEntriesByType('resource').filter((e) => e.responseEnd <= until))
                .map((e) => [new URL(e.name).pathname, e.transferSize]);
        });
        const bytes = files.reduce((sum, [, size]) => sum + size, 0);
        const wasmAt = await page.evaluate(() =>
            Math.max(0, ...performance.getEntriesByType('resource').filter((e) => e.name.endsWith('.wasm')).map((e) => e.responseEnd)));
        const seen = { firstFrame: await page.evaluate(() => window.__probe.firstFrame), bytes, files, wasmAt };
        if (idle) {
            const cdp = await context.newCDPSession(page);
            await cdp.send('Performance.enable');
            const busy = async () =>
                (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
            const before = await busy();
            await page.evaluate(() => ((window.__probe.wakes = 0), (window.__probe.kinds = {})));
            // Watching an idle page is the measurement itself: nothing is waited for.
            await page.waitForTimeout(idleMs);
            seen.wakes = await page.evaluate(() => ({ count: window.__probe.wakes, kinds: window.__probe.kinds }));
            seen.busyMs = ((await busy()) - before) * 1000;
            const metrics = (await cdp.send('Performance.getMetrics')).metrics;
            seen.heap = metrics.find((m) => m.name === 'JSHeapUsedSize').value;
            seen.wasm = await page.evaluate(() => window.__probe.memories.reduce((s, m) => s + m.buffer.byteLength, 0));
            const info = await processes.send('SystemInfo.getProcessInfo');
            // The page's renderer cannot be told from the browser's spare ones: all of them, alike for both pages.
            seen.rss = info.processInfo.filter((p) => p.type === 'renderer').reduce((sum, p) => sum + privateKiB(p.id), 0);
        } else {
            await page.click('#Command3', { timeout: 10000 });
            await page.waitForFunction(() => window.__probe.takenAt >= 0, null, { timeout: 10000 });
            Object.assign(seen, await page.evaluate(() => ({ clickAt: window.__probe.clickAt, takenAt: window.__probe.takenAt })));
        }
        if (foreign.length) throw new Error(`requests to another origin: ${foreign.join(' ')}`);
        return seen;
    } finally {
        await context.close();
        await server.close();
    }
}

// korvane-wasm.js, the wasm again as a script, is fetched only by a page opened
// from the disk: a served page never asks for it, so it is counted apart.
function gzippedSize(folder) {
    const sizes = { own: 0, other: 0, fromDisk: 0 };
    const walk = (dir) => {
        for (const name of readdirSync(dir)) {
            const file = path.join(dir, name);
            if (statSync(file).isDirectory()) { walk(file); continue; }
            const kind = name === 'korvane-wasm.js' ? 'fromDisk' : /\.(js|mjs|wasm)$/.test(name) ? 'own' : 'other';
            sizes[kind] += gzipSync(readFileSync(file), { level: 9 }).length;
        }
    };
    walk(folder);
    return sizes;
}

const pages = { table: { folder: site, readyWhen: ['#Command3', '#Label10'] }, minimal: { folder: minimal, readyWhen: ['#Command3'] } };
const results = { table: [], minimal: [] };
// A load of each to warm the disk caches, then the two in turns, each first every other time.
for (let run = -1; run < runs; ++run) {
    const order = run % 2 === 0 ? ['table', 'minimal'] : ['minimal', 'table'];
    for (const name of order) {
        const seen = await load(pages[name].folder, pages[name].readyWhen, false);
        if (run >= 0) results[name].push(seen);
    }
}
const idle = {};
for (const [name, { folder, readyWhen }] of Object.entries(pages)) idle[name] = await load(folder, readyWhen, true);
await browser.close();

const m = (name, key) => median(results[name].map((r) => r[key]));
const ratio = (key) => (m('table', key) / m('minimal', key)).toFixed(2);
const spread = (name, key) => {
    const values = results[name].map((r) => r[key]);
    return `${Math.min(...values).toFixed(0)}-${Math.max(...values).toFixed(0)}`;
};
const taken = (name) => median(results[name].map((r) => r.takenAt - r.clickAt));
console.log(`web first frame: table ${m('table', 'firstFrame').toFixed(1)} ms, minimal page ${m('minimal', 'firstFrame').toFixed(1)} ms from navigation (medians of ${runs}, ranges ${spread('table', 'firstFrame')} and ${spread('minimal', 'firstFrame')} ms): ${ratio('firstFrame')}x (aim: within 1.5x)`);
const largest = results.table[0].files.sort((a, b) => b[1] - a[1]).slice(0, 4);
console.log(`web the table's largest loads before its first frame: ${largest.map(([f, b]) => `${f} ${kib(b)} KiB`).join(', ')}`);
console.log(`web the wasm is in at ${m('table', 'wasmAt').toFixed(1)} ms and ${m('minimal', 'wasmAt').toFixed(1)} ms; from there to the first frame ${median(results.table.map((r) => r.firstFrame - r.wasmAt)).toFixed(1)} ms and ${median(results.minimal.map((r) => r.firstFrame - r.wasmAt)).toFixed(1)} ms`);
// Each load of the table against the minimal page's load of the same turn: the
// machine's other work moves both alike, so this ratio scatters less.
const paired = results.table.map((r, i) => r.firstFrame / results.minimal[i].firstFrame).sort((a, b) => a - b);
console.log(`web first frame, each load against the minimal page's of the same turn: median ${median(paired).toFixed(2)}x (middle half ${paired[Math.floor(runs / 4)].toFixed(2)}x to ${paired[Math.floor((3 * runs) / 4)].toFixed(2)}x)`);
const best = (name) => Math.min(...results[name].map((r) => r.firstFrame));
console.log(`web first frame, best of ${runs}: table ${best('table').toFixed(1)} ms, minimal page ${best('minimal').toFixed(1)} ms: ${(best('table') / best('minimal')).toFixed(2)}x`);
console.log(`web bytes before the first frame: table ${kib(m('table', 'bytes'))} KiB, minimal page ${kib(m('minimal', 'bytes'))} KiB: ${ratio('bytes')}x`);
console.log(`web first click taken: table ${m('table', 'takenAt').toFixed(1)} ms, minimal page ${m('minimal', 'takenAt').toFixed(1)} ms from navigation: ${ratio('takenAt')}x; the click answered in ${taken('table').toFixed(1)} ms and ${taken('minimal').toFixed(1)} ms`);
for (const name of ['table', 'minimal'])
    console.log(`web idle ${idleMs / 1000} s: ${name} woke ${idle[name].wakes.count} times ${JSON.stringify(idle[name].wakes.kinds)}, busy ${idle[name].busyMs.toFixed(1)} ms (aim: 0 wakes)`);
console.log(`web memory: table's renderers ${kib(idle.table.rss * 1024)} KiB private, JS heap ${kib(idle.table.heap)} KiB, wasm ${kib(idle.table.wasm)} KiB; minimal page ${kib(idle.minimal.rss * 1024)} KiB, ${kib(idle.minimal.heap)} KiB, ${kib(idle.minimal.wasm)} KiB: ${(idle.table.rss / idle.minimal.rss).toFixed(2)}x private`);
const table = gzippedSize(site), least = gzippedSize(minimal);
console.log(`web size gzipped: table's script and wasm ${kib(table.own)} KiB (aim: under 300 KB), the rest ${kib(table.other)} KiB, and for a page opened from the disk ${kib(table.fromDisk)} KiB more; minimal page's ${kib(least.own)} KiB: ${(table.own / least.own).toFixed(2)}x`);
