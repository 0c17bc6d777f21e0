// SPDX-License-Identifier: GPL-3.0-or-later
// Each case works in a folder of its own under the build tree, made afresh: the
// browser's profile, its temporary files and anything the case saves go there.
import { mkdirSync, rmSync } from 'node:fs';
import path from 'node:path';

export function scratchFolder() {
    const folder = process.env.KORVANE_WEB_SCRATCH;
    if (!folder || !path.isAbsolute(folder)) throw new Error('KORVANE_WEB_SCRATCH must name an absolute folder');
    rmSync(folder, { recursive: true, force: true });
    const tmp = path.join(folder, 'tmp');
    mkdirSync(tmp, { recursive: true });
    // The driver and the browser put their temporary files here, not in /tmp.
    process.env.TMPDIR = tmp;
    return folder;
}

// The environment of a browser whose home, settings and cache are `scratch`/home.
export function browserHome(scratch) {
    const home = path.join(scratch, 'home');
    mkdirSync(home, { recursive: true });
    return { ...process.env, HOME: home, XDG_CONFIG_HOME: path.join(home, '.config'), XDG_CACHE_HOME: path.join(home, '.cache') };
}

// The site under test: the folder `make web` builds.
export function siteFolder() {
    return process.env.KORVANE_WEB_SITE ?? '';
}

// Each test's own limit, inside the one ctest gives the whole case.
export function within(seconds) {
    const whole = Number(process.env.KORVANE_CASE_SECONDS) || 60;
    return { timeout: Math.min(seconds, whole - 5) * 1000 };
}
