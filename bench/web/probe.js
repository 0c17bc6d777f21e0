// SPDX-License-Identifier: GPL-3.0-or-later
// Put into a page before its own scripts run: counts every wake of the page's
// script (timers, frames, idle callbacks, messages), keeps the WebAssembly memories
// it makes, and notes the first frame that shows the controls named in
// __readyWhen, said on the console as it comes, then the moment the first click is
// taken (the status line moves).
(() => {
    const probe = { wakes: 0, kinds: {}, firstFrame: -1, clickAt: -1, takenAt: -1, memories: [] };
    window.__probe = probe;
    const count = (kind, callback) =>
        function (...args) {
            probe.wakes += 1;
            probe.kinds[kind] = (probe.kinds[kind] ?? 0) + 1;
            return callback.apply(this, args);
        };
    const frame = window.requestAnimationFrame.bind(window);
    for (const name of ['setTimeout', 'setInterval', 'requestAnimationFrame', 'requestIdleCallback']) {
        const original = window[name];
        if (!original) continue;
        window[name] = function (callback, ...rest) {
            return original.call(window, typeof callback === 'function' ? count(name, callback) : callback, ...rest);
        };
    }
    window.addEventListener('message', () => count('message', () => {})(), true);
    // A memory made by the page's script and handed to the module, or one the module exports.
    const Memory = WebAssembly.Memory;
    WebAssembly.Memory = function (descriptor) {
        const memory = new Memory(descriptor);
        probe.memories.push(memory);
        return memory;
    };
    WebAssembly.Memory.prototype = Memory.prototype;
    for (const name of ['instantiate', 'instantiateStreaming']) {
        const original = WebAssembly[name];
        WebAssembly[name] = async function (...args) {
            const made = await original.apply(this, args);
            for (const value of Object.values((made.instance ?? made).exports ?? {}))
                if (value instanceof Memory && !probe.memories.includes(value)) probe.memories.push(value);
            return made;
        };
    }
    const shown = (selector) => {
        const element = document.querySelector(selector);
        return element !== null && element.getClientRects().length > 0 && element.textContent.trim() !== '';
    };
    const watch = new MutationObserver(() => {
        if (probe.firstFrame < 0 && probe.readyAsked !== true && (window.__readyWhen ?? []).every(shown)) {
            probe.readyAsked = true;
            frame(() => {
                probe.firstFrame = performance.now();
                console.debug('korvane-bench: first frame');
            });
        }
        const status = document.getElementById('Label5');
        if (probe.clickAt >= 0 && probe.takenAt < 0 && status && status.textContent.trim() !== '')
            probe.takenAt = performance.now();
    });
    watch.observe(document, { subtree: true, childList: true, attributes: true, characterData: true });
    window.addEventListener('click', () => probe.clickAt < 0 && (probe.clickAt = performance.now()), true);
})();
