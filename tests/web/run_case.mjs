// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one case of cases/ after checking that what it needs is there: the browser
// and its driver (make web-deps) and the built site (make web). Missing, the case is
// skipped (77), or fails when KORVANE_WEB_REQUIRED=1 (make web-test) asks for them.
import { existsSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const name = process.argv[2];
const site = process.env.KORVANE_WEB_SITE ?? '';
const missing = [];
// The firefox case drives Debian's firefox-esr with puppeteer; the others chromium with playwright.
const firefox = name === 'firefox';
const driver = firefox ? 'puppeteer-core' : 'playwright-core';
if (!existsSync(path.join(here, 'node_modules', driver))) missing.push(`the browser driver ${driver} (make web-deps)`);
if (firefox && !existsSync(process.env.KORVANE_FIREFOX ?? '/usr/bin/firefox-esr')) missing.push('firefox-esr (make web-deps)');
if (!existsSync(path.join(site, 'index.html'))) missing.push(`the site in "${site}" (make web)`);
if (missing.length) {
    console.log(`missing ${missing.join(' and ')}`);
    process.exit(process.env.KORVANE_WEB_REQUIRED === '1' ? 1 : 77);
}
await import(pathToFileURL(path.join(here, 'cases', `${name}.test.mjs`)).href);
