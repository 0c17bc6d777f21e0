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
        // Cues start in the order the table gives them, though the first of a file
        // waits for its decoding: a shuffle still decoding must not sound after
        // the deal that followed it.
        queue: Promise.resolve(),
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
            sound.queue = sound.queue.then(() => buffer).then((decoded) => {
                if (!decoded) return;
                const source = sound.context.createBufferSource();
                source.buffer = decoded;
                source.connect(sound.context.destination);
                source.start();
            }).catch(() => {});
        },
    };
    for (const gesture of ["pointerdown", "keydown", "touchstart"])
        window.addEventListener(gesture, sound.start, { capture: true, once: true, passive: true });

    // The cash's lines under their name, as the text their UTF-8 bytes spell
    // (bridge.js turns them into text and back). Why storage is refused is a
    // code the table words: "full" or "none".
    const storage = {
        checked: false,
        why: "",
        store() {
            const s = window.localStorage;
            if (!s) throw new Error("none");
            return s;
        },
        reason(e) {
            return e && e.name === "QuotaExceededError" ? "full" : "none";
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
                storage.why = storage.reason(e);
            }
            return storage.why;
        },
        read(key) {
            const why = storage.usable();
            if (why) return { state: 2, why };
            try {
                const value = storage.store().getItem(key);
                return value === null ? { state: 1 } : { state: 0, text: value };
            } catch (e) {
                return { state: 2, why: "none" };
            }
        },
        write(key, text) {
            try {
                storage.store().setItem(key, text);
                return "";
            } catch (e) {
                return storage.reason(e);
            }
        },
    };

    const services = {
        claimed: 0,
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
        // The page's own words in the language in force: "name=words" a line.
        setWords(lines) {
            for (const line of lines.split("\n")) {
                const at = line.indexOf("=");
                const [name, words] = [line.slice(0, at), line.slice(at + 1)];
                if (name === "lang") document.documentElement.lang = words;
                else if (name === "saveCash" || name === "openCash") document.getElementById(name).textContent = words;
                else K.words[name] = words;
            }
        },
        // A change a screen reader is told, in words: the labels themselves are
        // no live regions, or a reader would say the bare number they show.
        announce(words) {
            document.getElementById("told").textContent = words;
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
    K.words = {};

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

    // Where the browser has no Web Locks (a host that is no secure context), the
    // hold is a lease in the page's storage: "<page> <until>", renewed while the
    // page is open and let go when it closes. A page that ended without letting go
    // (a crash) holds it only until it runs out.
    const lease = {
        key: "Korvane.lease",
        lasts: 15000,    // ms a lease holds without renewal
        renewal: 4000,   // ms between renewals
        me: Math.random().toString(36).slice(2) + Date.now().toString(36),
        holder() {
            const [who, until] = (window.localStorage.getItem(lease.key) || "").split(" ");
            return who && Number(until) > Date.now() ? who : "";
        },
        leaving: false,  // the page is closing: its last save takes nothing back
        // Takes the lease if it is free or this page's; 0 held, 1 another page's.
        take() {
            try {
                const who = lease.holder();
                if (who && who !== lease.me) return 1;
                if (lease.leaving) return 0;
                window.localStorage.setItem(lease.key, lease.me + " " + (Date.now() + lease.lasts));
                return 0;
            } catch (e) {
                return 0;  // a page that keeps nothing keeps no cash to write over
            }
        },
        release() {
            try {
                if (lease.holder() === lease.me) window.localStorage.removeItem(lease.key);
            } catch (e) { /* nothing was kept */ }
        },
        hold() {
            setInterval(lease.take, lease.renewal);
            window.addEventListener("pagehide", () => {
                lease.leaving = true;
                lease.release();
            });
            // Back from the browser's page cache: held again, if no other page took it.
            window.addEventListener("pageshow", (event) => {
                if (!event.persisted) return;
                lease.leaving = false;
                lease.take();
            });
        },
    };

    // One page of the origin holds the table; another is told so and plays nothing.
    // index.html asks the browser's Web Locks; without them the page holds a lease.
    // A page closed a moment ago may still be letting go: a second waits for it a
    // little before it stands down.
    const patience = 1500;
    function claimTable() {
        services.claim = lease.take;
        const held = () => { lease.hold(); return 0; };
        if (lease.take() === 0) return Promise.resolve(held());
        return new Promise((resolve) => setTimeout(resolve, patience))
            .then(() => (lease.take() === 0 ? held() : 1));
    }

    K.claimTable = claimTable;
})(window.Korvane);
