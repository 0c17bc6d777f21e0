// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the table. The table itself runs in korvane.wasm; this script
// draws what it is told, hands it the player's events one at a time, and keeps
// the browser's side of things: boxes, audio, storage, files.
//
// Element ids, kept stable for the tests and for anyone who styles the page:
//   #table                  the table's client area; every control sits in it
//   #Command1 #Command2 #Command3          the buttons (<button>)
//   #Label3 .. #Label18     the labels (<div class="label">), #Label5 the status line
//   #Frame3 #Frame4         the settings frame and the card-back chooser
//   #Picture1_0 .. #Picture1_11, #Picture2_0 .. #Picture2_4, #Picture4_0 .. #Picture4_2
//                           the card places, the deck pile, the chooser's backs, the
//                           flags and the miniature back (<img>); "(k)" becomes "_k"
//   #Check1                 the sound switch: a <label> around its <input type=checkbox>
//   #HScroll1               the bet (<input type=range>)
//   controls outside the window (Picture3_n, Picture1_5, Label1_k, Label2_k) are
//   made too, but never shown
//   #saveCash #openCash     "Save cash file" and "Open cash file", beside the table
//   #openCashInput          the file chooser behind "Open cash file"
//   #storageNote            where the cash is kept, or why it is not
//   #boxes                  holds the open message boxes, the last one on top:
//     .box (role alertdialog, id box1, box2, ...), .box-title, .box-text,
//     .box-icon (.stop or .information), .box-buttons button[data-answer=ok|yes|no]
"use strict";

(function () {
    const tableElement = document.getElementById("table");
    const stage = document.getElementById("stage");
    const cashBar = document.getElementById("cashBar");
    const boxesElement = document.getElementById("boxes");
    const elements = new Map();
    let tableWidth = 0, tableHeight = 0;

    // The one way into the table: it takes events from here when it is ready for
    // the next, and never while one of its boxes waits for an answer.
    const events = {
        queue: [],
        waiter: null,
        stoodDown: false,
        post(event) {
            if (page.boxes.length > 0 || events.stoodDown) return;
            if (events.waiter) {
                const waiter = events.waiter;
                events.waiter = null;
                clearTimeout(waiter.timer);
                waiter.resolve(event);
            } else {
                events.queue.push(event);
            }
        },
    };

    const sound = {
        context: null,
        buffers: new Map(),
        files: ["deal.wav", "shuffle1.wav", "shuffle2.wav", "youwin.wav", "youlose.wav"],
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

    function idOfEvent(element) {
        return element.dataset.control;
    }

    // A click and a double click as the desktop tells them apart: the first click
    // of a pair is a click, the second a double click.
    function clickable(element) {
        element.addEventListener("click", (e) => {
            if (e.detail <= 1) events.post("click " + idOfEvent(element));
        });
        element.addEventListener("dblclick", () => events.post("second " + idOfEvent(element)));
    }

    // "&Start": S is the access key, shown underlined; "&&" is an ampersand.
    function putCaption(element, caption) {
        element.textContent = "";
        let key = "";
        for (let i = 0; i < caption.length; ++i) {
            const c = caption[i];
            if (c === "&" && i + 1 < caption.length) {
                const next = caption[++i];
                if (next !== "&" && !key) {
                    key = next;
                    const u = document.createElement("u");
                    u.textContent = next;
                    element.append(u);
                    continue;
                }
                element.append(next);
                continue;
            }
            element.append(c);
        }
        if (key) element.accessKey = key.toLowerCase();
        else element.removeAttribute("accesskey");
    }

    const makers = {
        label() {
            const e = document.createElement("div");
            e.className = "label";
            clickable(e);
            return e;
        },
        button() {
            const e = document.createElement("button");
            e.type = "button";
            e.className = "button";
            e.addEventListener("click", () => events.post("click " + idOfEvent(e)));
            return e;
        },
        frame() {
            const e = document.createElement("div");
            e.className = "frame";
            e.setAttribute("role", "group");
            const edge = document.createElement("div");
            edge.className = "frame-edge";
            const caption = document.createElement("span");
            caption.className = "frame-caption";
            e.append(edge, caption);
            return e;
        },
        picture() {
            const e = document.createElement("img");
            e.className = "picture";
            e.alt = "";
            e.draggable = false;
            clickable(e);
            return e;
        },
        check() {
            const e = document.createElement("label");
            e.className = "check";
            const box = document.createElement("input");
            box.type = "checkbox";
            const text = document.createElement("span");
            e.append(box, text);
            box.addEventListener("change", () => events.post("check " + (box.checked ? 1 : 0)));
            return e;
        },
        range() {
            const e = document.createElement("input");
            e.type = "range";
            e.className = "range";
            // The thumb held and moved is a drag; let go, the bet lands. Keys and
            // clicks on the track move the bet at once.
            let dragging = false;
            e.addEventListener("pointerdown", () => { dragging = true; });
            e.addEventListener("input", () => events.post((dragging ? "drag " : "scroll ") + e.value));
            const letGo = () => {
                if (!dragging) return;
                dragging = false;
                events.post("enddrag");
            };
            e.addEventListener("change", letGo);
            e.addEventListener("pointerup", letGo);
            e.addEventListener("pointercancel", letGo);
            Object.defineProperty(e, "korvaneDragging", { get: () => dragging });
            return e;
        },
    };

    function fit() {
        if (!tableWidth) return;
        const room = Math.max(1, window.innerHeight - cashBar.offsetHeight);
        const scale = Math.min(window.innerWidth / tableWidth, room / tableHeight);
        tableElement.style.transform = "scale(" + scale + ")";
        stage.style.width = tableWidth * scale + "px";
        stage.style.height = tableHeight * scale + "px";
    }
    window.addEventListener("resize", fit);

    const page = {
        boxes: [],
        nextBox: 1,
        claimed: 2,
        opened: null,

        setSize(width, height, back) {
            tableWidth = width;
            tableHeight = height;
            tableElement.style.width = width + "px";
            tableElement.style.height = height + "px";
            tableElement.style.background = back;
            document.body.style.background = back;
            fit();
        },
        make(id, kind, parent, left, top, width, height) {
            const e = makers[kind]();
            e.id = id;
            e.dataset.control = id;
            e.classList.add("control");
            e.style.left = left + "px";
            e.style.top = top + "px";
            e.style.width = width + "px";
            e.style.height = height + "px";
            e.hidden = true;
            (parent ? elements.get(parent) : tableElement).append(e);
            elements.set(id, e);
        },
        setShown(id, visible, enabled) {
            const e = elements.get(id);
            e.hidden = !visible;
            const input = e.querySelector("input") || e;
            if ("disabled" in input) input.disabled = !enabled;
            else if (enabled) e.removeAttribute("aria-disabled");
            else e.setAttribute("aria-disabled", "true");
        },
        setText(id, text) {
            const e = elements.get(id);
            if (e.tagName === "BUTTON") putCaption(e, text);
            else if (e.classList.contains("frame")) e.querySelector(".frame-caption").textContent = text;
            else if (e.classList.contains("check")) e.querySelector("span").textContent = text;
            else if (e.classList.contains("label")) e.textContent = text;
        },
        setLook(id, back, fore, family, pixels, bold, align) {
            const e = elements.get(id);
            const s = e.style;
            s.fontFamily = family;
            s.fontSize = pixels + "px";
            s.fontWeight = bold ? "bold" : "normal";
            if (e.tagName === "BUTTON" || e.tagName === "INPUT") return;  // the browser's own look
            s.background = back;
            s.color = fore;
            s.textAlign = align;
            const caption = e.querySelector(".frame-caption");
            if (caption) {
                caption.style.background = back;
                e.querySelector(".frame-edge").style.top = Math.round(pixels * 0.6) + "px";
            }
        },
        setPicture(id, image) {
            const e = elements.get(id);
            if (image === "none") {
                e.removeAttribute("src");
                e.removeAttribute("srcset");
                return;
            }
            e.srcset = "images/" + image + ".png 1x, images/" + image + "@2x.png 2x";
            e.src = "images/" + image + ".png";
        },
        setCheck(id, value) {
            elements.get(id).querySelector("input").checked = value === 1;
        },
        setRange(id, min, max, value, small, large) {
            const e = elements.get(id);
            e.min = min;
            e.max = max;
            e.step = small;
            e.dataset.page = large;
            if (!e.korvaneDragging) e.value = value;
        },

        nextEvent(milliseconds) {
            if (events.queue.length > 0) return Promise.resolve(events.queue.shift());
            return new Promise((resolve) => {
                const timer = milliseconds >= 0
                    ? setTimeout(() => { events.waiter = null; resolve("wake"); }, milliseconds)
                    : 0;
                events.waiter = { resolve, timer };
            });
        },

        openBox(title, text, buttons, icon, danish) {
            return openBox(title, text, buttons, icon, danish);
        },
        waitBox(id, milliseconds) {
            const box = page.boxes.find((b) => b.id === id);
            if (box.answer >= 0) return Promise.resolve(box.answer);
            return new Promise((resolve) => {
                const timer = milliseconds >= 0
                    ? setTimeout(() => { box.waiter = null; resolve(-1); }, milliseconds)
                    : 0;
                box.waiter = (answer) => { clearTimeout(timer); box.waiter = null; resolve(answer); };
            });
        },
        closeBox(id) {
            closeBox(id);
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
            return page.claimed;
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
            const opened = page.opened || { name: "", bytes: new Uint8Array(0) };
            page.opened = null;
            return opened;
        },
        standDown() {
            events.stoodDown = true;
            tableElement.classList.add("stood-down");
            tableElement.inert = true;
            for (const id of ["saveCash", "openCash"]) document.getElementById(id).disabled = true;
        },
        tellStorage(note) {
            document.getElementById("storageNote").textContent = note;
        },
    };

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

    const boxWords = {
        ok: "OK",
        yes: ["Yes", "Ja"],
        no: ["No", "Nej"],
    };

    function openBox(title, text, buttons, icon, danish) {
        const id = page.nextBox++;
        const box = { id, answer: -1, waiter: null, focus: document.activeElement, element: null };
        const e = document.createElement("div");
        e.className = "box";
        e.id = "box" + id;
        e.setAttribute("role", "alertdialog");
        e.setAttribute("aria-modal", "true");
        e.setAttribute("aria-labelledby", e.id + "-title");
        e.setAttribute("aria-describedby", e.id + "-text");
        e.lang = danish ? "da" : "en";
        const head = document.createElement("div");
        head.className = "box-title";
        head.id = e.id + "-title";
        head.textContent = title;
        const body = document.createElement("div");
        body.className = "box-body";
        if (icon) {
            const mark = document.createElement("div");
            mark.className = "box-icon " + (icon === 1 ? "stop" : "information");
            mark.setAttribute("aria-hidden", "true");
            body.append(mark);
        }
        const words = document.createElement("p");
        words.className = "box-text";
        words.id = e.id + "-text";
        // Character 13 breaks a line in the game's texts.
        words.textContent = text.replace(/\r\n?/g, "\n");
        body.append(words);
        const row = document.createElement("div");
        row.className = "box-buttons";
        const answers = buttons === 1 ? [["yes", 1], ["no", 2]] : [["ok", 0]];
        for (const [name, answer] of answers) {
            const b = document.createElement("button");
            b.type = "button";
            b.dataset.answer = name;
            b.textContent = name === "ok" ? boxWords.ok : boxWords[name][danish ? 1 : 0];
            b.addEventListener("click", () => answerBox(box, answer));
            row.append(b);
        }
        e.append(head, body, row);
        e.addEventListener("keydown", (k) => boxKey(box, buttons, danish, k));
        box.element = e;
        page.boxes.push(box);
        tableElement.inert = true;
        cashBar.inert = true;
        for (const other of page.boxes) if (other !== box) other.element.inert = true;
        boxesElement.append(e);
        row.querySelector("button").focus();
        return id;
    }

    // Enter takes the focused button, Escape says OK or No, and the first
    // letters of the answers answer.
    function boxKey(box, buttons, danish, k) {
        if (page.boxes[page.boxes.length - 1] !== box) return;
        const key = k.key.toLowerCase();
        let answer = -1;
        if (k.key === "Escape") answer = buttons === 1 ? 2 : 0;
        else if (buttons === 1 && key === (danish ? "j" : "y")) answer = 1;
        else if (buttons === 1 && key === "n") answer = 2;
        else if (k.key === "Tab") {
            const row = [...box.element.querySelectorAll("button")];
            const at = row.indexOf(document.activeElement);
            row[(at + (k.shiftKey ? row.length - 1 : 1)) % row.length].focus();
            k.preventDefault();
            return;
        }
        if (answer < 0) return;
        k.preventDefault();
        answerBox(box, answer);
    }

    function answerBox(box, answer) {
        if (box.answer >= 0) return;
        box.answer = answer;
        if (box.waiter) box.waiter(answer);
    }

    function closeBox(id) {
        const at = page.boxes.findIndex((b) => b.id === id);
        if (at < 0) return;
        const [box] = page.boxes.splice(at, 1);
        box.element.remove();
        const top = page.boxes[page.boxes.length - 1];
        if (top) {
            top.element.inert = false;
            top.element.querySelector("button").focus();
            return;
        }
        tableElement.inert = events.stoodDown;
        cashBar.inert = false;
        if (box.focus && box.focus.isConnected) box.focus.focus();
    }

    // The table is the page's while it stays open; what it holds goes to storage
    // when the page is hidden or left.
    document.addEventListener("visibilitychange", () => {
        if (document.visibilityState === "hidden") events.post("save");
    });
    window.addEventListener("pagehide", () => events.post("save"));

    document.getElementById("saveCash").addEventListener("click", () => events.post("offer"));
    const chooser = document.getElementById("openCashInput");
    document.getElementById("openCash").addEventListener("click", () => chooser.click());
    chooser.addEventListener("change", () => {
        const file = chooser.files && chooser.files[0];
        chooser.value = "";
        if (!file) return;
        // One byte past the largest cash file is enough to know a file is too large.
        file.slice(0, 64 * 1024 + 1).arrayBuffer().then((bytes) => {
            page.opened = { name: file.name, bytes: new Uint8Array(bytes) };
            events.post("open");
        }, () => {
            page.opened = { name: file.name, bytes: new Uint8Array(0) };
            events.post("open");
        });
    });

    // One page of the origin holds the table; another is told so and plays nothing.
    function claimTable() {
        return new Promise((resolve) => {
            if (!navigator.locks) {
                resolve(2);
                return;
            }
            navigator.locks.request("Korvane.lock", { ifAvailable: true }, (lock) => {
                if (!lock) {
                    resolve(1);
                    return undefined;
                }
                resolve(0);
                return new Promise(() => {});  // held for the page's life
            }).catch(() => resolve(2));
        });
    }

    window.Module = {
        page,
        onRuntimeInitialized() {
            tableElement.removeAttribute("aria-busy");
        },
    };
    claimTable().then((claimed) => {
        page.claimed = claimed;
        const core = document.createElement("script");
        core.src = "korvane.js";
        document.body.append(core);
    });
})();
