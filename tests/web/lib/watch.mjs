// SPDX-License-Identifier: GPL-3.0-or-later
// What every case asks of a browser at its end, whichever driver held it: no request
// left the page's origin, no box of the browser's own opened, the page threw nothing.
import assert from 'node:assert/strict';

export function assertNothingWatched(watch) {
    assert.deepEqual([...watch.foreign], [], 'requests to another origin');
    assert.deepEqual(watch.nativeBoxes, [], "boxes of the browser's own");
    assert.deepEqual(watch.errors, [], 'errors the page threw');
}
