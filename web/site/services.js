// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser offers the table besides its elements and boxes: sound,
// storage for the cash, files to and from the desktop, the clock, and the hold
// on the table that keeps a second page of the origin from playing.
"use strict";

(function (K) {
    const sound = {
        context: null,
        buffers: new Map(),
        files: [],  // the table's, told at start-up
        // Browsers let a page sound only after the player's first gesture: until
        // then a cue is silence, and nothing waits for it.
        start() {
            if (sound.context) return;
            const Context = window.AudioContext || window.webkitAudioContext;
            if (!Context) return;
            sound.context = new Context();
            for (const file of sound.files) {
                sound.buffers.set(file, fetch(file)
                    .then((response) => response.ok ? response.arrayBuffer() : Promise.reject())
                    .then((bytes) => sound.context.decodeAudioData(bytes))
                    .catch(() => null));
            }
        },
        play(file) {
            const buffer = sound.context && sound.buffers.get(file);
            if (!buffer) return;
            buffer.then((decoded) => {
                if (!decoded) return;
                const source = sound.context.createBufferSource();
                source.buffer = decoded;
                source.connect(sound.context.destination);
                source.start();
            });
        },
    };
    for (const gesture of ["pointerdown", "keydown", "touchstart"])
        window.addEventListener(gesture, sound.start, { capture: true, once: true, passive: true });

    // The cash's two lines under their name, one character a byte.
    const storage = {
        checked: false,
        why: "",
        store() {
            const s = window.localStorage;
            if (!s) throw new Error("none");
            return s;
        },
        // Blocked, full or gone storage is told once, at start-up, as an
        // unusable cash file is on the desktop.
        usable() {
            if (storage.checked) return storage.why;
            storage.checked = true;
            try {
                const s = storage.store();
                s.setItem("Korvane.probe", "0");
                s.removeItem("Korvane.probe");
            } catch (e) {
                storage.why = e && e.name === "QuotaExceededError"
                    ? "the browser's storage for this page is full"
                    : "the browser keeps no storage for this page";
            }
            return storage.why;
        },
        read(key) {
            const why = storage.usable();
            if (why) return { state: 2, bytes: why };
            try {
                const value = storage.store().getItem(key);
                return value === null ? { state: 1, bytes: "" } : { state: 0, bytes: value };
            } catch (e) {
                return { state: 2, bytes: "the browser keeps no storage for this page" };
            }
        },
        write(key, bytes) {
            try {
                storage.store().setItem(key, bytes);
                return "";
            } catch (e) {
                return e && e.name === "QuotaExceededError"
                    ? "the browser's storage for this page is full"
                    : "the browser keeps no storage for this page";
            }
        },
    };


    const services = {
        claimed: 2,
        opened: null,
        largestCashFile: 0,
        tableKeys: new Set(),

        // What the table tells of itself at start-up.
        know(sounds, keys, largest) {
            sound.files = sounds;
            services.tableKeys = new Set(keys);
            services.largestCashFile = largest;
        },

        play(file) {
            sound.play(file);
        },
        read(key) {
            return storage.read(key);
        },
        write(key, bytes) {
            return storage.write(key, bytes);
        },
        claim() {
            return services.claimed;
        },
        offer(name, bytes) {
            const url = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
            const a = document.createElement("a");
            a.href = url;
            a.download = name;
            document.body.append(a);
            a.click();
            a.remove();
            setTimeout(() => URL.revokeObjectURL(url), 0);
        },
        takeOpened() {
            const opened = services.opened || { name: "", bytes: new Uint8Array(0) };
            services.opened = null;
            return opened;
        },
        standDown() {
            K.events.stoodDown = true;
            K.dom.table.classList.add("stood-down");
            K.dom.table.inert = true;
            for (const id of ["saveCash", "openCash"]) document.getElementById(id).disabled = true;
        },
        tellStorage(note) {
            document.getElementById("storageNote").textContent = note;
        },
        now() {
            return performance.now();
        },
        secondsSinceMidnight() {
            const d = new Date();
            return d.getHours() * 3600 + d.getMinutes() * 60 + d.getSeconds() + d.getMilliseconds() / 1000;
        },
    };
    K.services = services;

    // The table is the page's while it stays open; what it holds goes to storage
    // when the page is hidden or left.
    document.addEventListener("visibilitychange", () => {
        if (document.visibilityState === "hidden") K.events.post("save");
    });
    window.addEventListener("pagehide", () => K.events.post("save"));

    document.getElementById("saveCash").addEventListener("click", () => K.events.post("offer"));
    const chooser = document.getElementById("openCashInput");
    document.getElementById("openCash").addEventListener("click", () => chooser.click());
    chooser.addEventListener("change", () => {
        const file = chooser.files && chooser.files[0];
        chooser.value = "";
        if (!file) return;
        // One byte past the largest cash file is enough to know a file is too large.
        file.slice(0, services.largestCashFile + 1).arrayBuffer().then((bytes) => {
            services.opened = { name: file.name, bytes: new Uint8Array(bytes) };
            K.events.post("open");
        }, () => {
            services.opened = { name: file.name, bytes: new Uint8Array(0) };
            K.events.post("open");
        });
    });

    // One page of the origin holds the table; another is told so and plays nothing.
    function claimTable() {
        return new Promise((resolve) => {
            if (!navigator.locks) {
                resolve(2);
                return;
            }
            // A page closed a moment ago may still be letting go: a second waits for
            // it a little before it stands down.
            const options = AbortSignal.timeout ? { signal: AbortSignal.timeout(1500) } : { ifAvailable: true };
            navigator.locks.request("Korvane.lock", options, (lock) => {
                if (!lock) {
                    resolve(1);
                    return undefined;
                }
                resolve(0);
                return new Promise(() => {});  // held for the page's life
            }).catch((e) => resolve(e && (e.name === "AbortError" || e.name === "TimeoutError") ? 1 : 2));
        });
    }

    K.claimTable = claimTable;
})(window.Korvane);
