// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window does not fit at its own size, every control the player
// touches is a target of 24 x 24 px at least, every text at least its own size,
// and nothing lies beside the screen. The look runs inside the page, so chromium's
// driver and firefox's both evaluate the one function.
import { elementId } from './table.mjs';

// What the player touches on the table at start-up.
export const touched = ['Command3', 'HScroll1', 'Check1', 'Picture4(0)', 'Picture4(1)', 'Picture4(2)', 'Label11', 'Label15'];

// Runs in the page: the faults of the controls `ids` and of the whole table, `when` said in each.
function faultsInPage([ids, when]) {
    const faults = [];
    const width = window.innerWidth;
    if (document.documentElement.scrollWidth > width) faults.push(`a sideways scroll ${when}`);
    for (const id of ids) {
        const e = document.getElementById(id);
        if (!e) {
            faults.push(`no ${id} ${when}`);
            continue;
        }
        const r = e.getBoundingClientRect();
        if (r.width < 24 || r.height < 24) faults.push(`${id} is ${r.width.toFixed(1)} x ${r.height.toFixed(1)} ${when}`);
    }
    // The table's own scale: below 1, the texts would be drawn smaller than their size.
    const transform = getComputedStyle(document.getElementById('table')).transform;
    const scale = transform === 'none' ? 1 : new DOMMatrix(transform).a;
    for (const e of document.querySelectorAll('#table .control')) {
        if (!e.checkVisibility()) continue;
        const r = e.getBoundingClientRect();
        if (r.left < -0.5 || r.right > width + 0.5) faults.push(`${e.id} lies beside the screen ${when}`);
        if (e.tagName === 'IMG') continue;
        const own = parseFloat(e.style.fontSize);
        const drawn = parseFloat(getComputedStyle(e).fontSize) * scale;
        if (own && drawn < own - 0.01) faults.push(`${e.id} text ${drawn.toFixed(1)} px, its own ${own} px ${when}`);
    }
    return faults;
}

// `page` of either driver: both take a function and one argument.
export const smallScreenFaults = (page, names, when) => page.evaluate(faultsInPage, [names.map(elementId), when]);
