// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the table, without a browser: for node, on a virtual clock.
// It plays one scenario (named on the command line) through the real backend,
// answers boxes when the scenario says, and checks what the table did.
"use strict";

const fake = {
    clock: 0,
    elements: new Map(),
    stored: new Map(),
    seconds: 43200,
    boxes: [],
    opened: [],      // every box, in the order opened
    nextBox: 1,
    sounds: [],
    writes: [],
    asked: [],       // the waits the table asked for between events
    askedInBox: 0,
    note: "",
    words: "",
    told: [],        // what a screen reader was told of changes
    focus: "",
    step: 0,
    file: null,
    failures: 0,
    checks: 0,
};

function check(ok, what) {
    fake.checks++;
    if (!ok) {
        fake.failures++;
        console.log("FAIL: " + what);
    }
}
function element(id) {
    return fake.elements.get(id) || {};
}
const text = (id) => element(id).text;
const status = () => text("Label5");
const bytesOf = (s) => Uint8Array.from(s, (c) => c.charCodeAt(0));
const lastBox = () => fake.opened[fake.opened.length - 1];

// Each scenario: what the page holds at start, the player's steps (an event sent
// once a condition holds; a null event ends the play), how boxes are answered,
// and what must hold at the end.
const scenarios = {
    round: {
        storage: "1000\r\n0\r\n",
        steps: [[() => true, "click Command3"],
                [() => status() === "Your Turn", "click Command2"],
                [() => element("Command3").enabled && fake.clock > 3500, null]],
        finish() {
            for (const id of ["Label1_0", "Label2_4", "Picture3_0", "Picture1_5"])
                check(!element(id).everShown, id + " lies outside the window and is never shown");
            const dealt = element("Picture1_0").shownAt;
            check(dealt === 2000, "the hole card falls 2000 ms after the click, not " + dealt);
            check(fake.writes.length === 1 && fake.writes[0] === text("Label10") + "\r\n0\r\n",
                  "the settlement keeps the cash: " + JSON.stringify(fake.writes));
            check(fake.asked[fake.asked.length - 1] < 0, "an idle table asks to wake for nothing");
            check(fake.told.some((t) => t.includes("Status: Your Turn")) &&
                  fake.told.every((t) => !/^[\d.-]*$/.test(t)), "changes are told in words: " + fake.told);
            check(fake.sounds[0] === "shuffle1.wav" && fake.sounds[1] === "shuffle2.wav",
                  "start-up and round sounds: " + fake.sounds.slice(0, 2));
        },
    },
    ticksInBox: {
        storage: "0\r\n0\r\n",
        steps: [[() => true, "click Command3"],
                [() => status() === "Dealing", "click Label15"],
                [() => status() === "Your Turn" || status() === "Korvane", null]],
        answer(box) {
            return box.text.startsWith("Want to take a loan") ? { after: 3000, answer: 1 }
                                                              : { after: 0, answer: 0 };
        },
        finish() {
            const loan = fake.opened[0];
            check(loan && loan.title === "Korvane - Loan Shark", "the loan offer opens");
            check(element("Picture2_1").boxesAtShow === 1,
                  "the deal goes on behind the open box");
            check(fake.askedInBox === 0, "no event is taken while a box waits");
            check(fake.writes[0] === "1000\r\n1000\r\n", "the loan is kept: " + fake.writes[0]);
            check(fake.opened[1] && fake.opened[1].text.endsWith(" 1000"), "the debt is told");
        },
    },
    nestedBox: {
        storage: "0\r\n0\r\n",
        seconds: Number(process.env.KORVANE_SECONDS || 7),
        steps: [[() => true, "click Picture4_1"],
                [() => true, "click Command3"],
                [() => status() === "Din Tur", "click Command2"],
                [() => true, "click Label11"],
                [() => element("Command3").enabled, null]],
        answer(box) {
            return box.text.startsWith("Korvane spiller") ? { after: 5000, answer: 0 }
                                                          : { after: 10, answer: 2 };
        },
        finish() {
            const rules = fake.opened[0], loan = fake.opened[1];
            check(rules && rules.danish, "the rules box speaks Danish");
            check(loan && loan.text.startsWith("Want to take a loan") && loan.under === 1,
                  "the settlement's loan offer opens over the rules box");
            check(loan && loan.closedAt < rules.closedAt, "the inner box closes first");
            check(status() === "DU TABTE", "the round is lost: " + status());
        },
    },
    openCash: {
        storage: "1000\r\n0\r\n",
        // A NUL byte in a cash text reaches the page, its box and its store whole.
        steps: [[() => true, { name: "nul.cash", bytes: "25\x0000\r\n0\r\n" }],
                [() => (fake.cashAfterNul = text("Label10")) !== undefined,
                 { name: "good.cash", bytes: "2500\r\n300\r\n" }],
                [() => true, { name: "big.cash", bytes: "7".repeat(64 * 1024 + 1) }],
                [() => true, { name: "bom.cash", bytes: "\xEF\xBB\xBF777\n5" }],
                [() => true, { name: "empty.cash", bytes: "" }],
                [() => true, null]],
        answer(box) {
            return { after: 0, answer: box.text.includes("bom.cash") ? 2 : box.buttons };
        },
        finish() {
            check(JSON.stringify(fake.writes) === JSON.stringify(["25\x0000\r\n0\r\n", "2500\r\n300\r\n"]),
                  "only the files the player took are stored: " + JSON.stringify(fake.writes));
            check(fake.opened[0].text.includes("holds 25\x0000 $"), "the NUL in the box: " + JSON.stringify(fake.opened[0].text));
            check(fake.cashAfterNul === "25\x0000", "the NUL on the table: " + JSON.stringify(fake.cashAfterNul));
            check(text("Label10") === "2500", "the cash shown: " + text("Label10"));
            check(fake.opened[3].text.includes("holds 777 $ and a debt of 5"), "the BOM is no cash");
            check(fake.opened[2].text.includes("(too large to be a cash file)"), "too large");
            check(fake.opened[4].text.includes("is empty"), "an empty file");
        },
    },
};

// What the browser kept, read back as the bytes the page wrote: text that is no
// cash stays no cash, whatever its characters' low bytes spell, and the note says
// the cash is not kept while the table leaves it unread.
for (const [name, stored, note] of [
    ["storedDigits", "\u0135\u0130\u0130\r\n0\r\n", "The cash this browser kept could not be read"],
    ["storedTooLarge", "7".repeat(64 * 1024 + 1), "The cash this browser kept could not be read"],
    ["storedDanish", "1000\r\n0\r\n", "Kassen gemmes i denne browser."],
]) {
    scenarios[name] = {
        storage: stored,
        steps: [[() => true, name === "storedDanish" ? "click Picture4_1" : "wake"], [() => true, null]],
        answer() {
            return { after: 0, answer: 0 };
        },
        finish() {
            check(text("Label10") !== "500", "stored text is read as it was written: " + text("Label10"));
            check(fake.note.startsWith(note), "the note: " + fake.note);
            if (name === "storedDanish")
                check(fake.words.includes("saveCash=Gem kassefil"), "the page's words in Danish: " + fake.words);
        },
    };
}

const scenario = scenarios[process.argv[2]];
if (!scenario) {
    console.log("no scenario " + process.argv[2]);
    process.exit(2);
}
if (scenario.seconds !== undefined) fake.seconds = scenario.seconds;
if (scenario.storage !== undefined) fake.stored.set("Korvane.cash", scenario.storage);

function finish() {
    scenario.finish();
    console.log((fake.failures ? "failed " : "passed ") + (fake.checks - fake.failures) + " of " +
                fake.checks + " checks");
    process.exit(fake.failures ? 1 : 0);
}
function stuck(why) {
    check(false, why + " (at " + fake.clock + " ms, status " + status() + ")");
    finish();
}

Module.page = {
    setTitle() {},
    setSize() {},
    make(id) {
        fake.elements.set(id, { shown: false, enabled: true });
    },
    setShown(id, visible, enabled) {
        const e = fake.elements.get(id);
        e.shown = visible;
        e.enabled = enabled;
        if (visible && !e.everShown) {
            e.everShown = true;
            e.shownAt = fake.clock;
            e.boxesAtShow = fake.boxes.length;
        }
    },
    setText(id, t) {
        fake.elements.get(id).text = t;
    },
    setLook() {},
    setPicture(id, image) {
        fake.elements.get(id).picture = image;
    },
    setCheck(id, value) {
        fake.elements.get(id).check = value;
    },
    setRange(id, min, max, value) {
        Object.assign(fake.elements.get(id), { min, max, value });
    },
    nextEvent(milliseconds) {
        fake.asked.push(milliseconds);
        if (fake.boxes.length) fake.askedInBox++;
        const step = scenario.steps[fake.step];
        if (!step) return stuck("no step left");
        if (step[0]()) {
            fake.step++;
            if (step[1] === null) return finish();
            if (typeof step[1] === "string") return Promise.resolve(step[1]);
            fake.file = step[1];
            return Promise.resolve("open");
        }
        if (milliseconds < 0) return stuck("the table sleeps before step " + fake.step);
        fake.clock += milliseconds;
        return Promise.resolve("wake");
    },
    openBox(title, t, words, icon, danish) {
        const box = { id: fake.nextBox++, title, text: t, buttons: words.length === 2 ? 1 : 0, words, icon, danish,
                      openedAt: fake.clock, under: fake.boxes.length };
        fake.boxes.push(box);
        fake.opened.push(box);
        return box.id;
    },
    waitBox(id, milliseconds) {
        const box = fake.boxes.find((b) => b.id === id);
        const rule = scenario.answer ? scenario.answer(box) : { after: 0, answer: 0 };
        const due = box.openedAt + rule.after;
        if (milliseconds < 0 || due <= fake.clock + milliseconds) {
            fake.clock = Math.max(fake.clock, due);
            return Promise.resolve(rule.answer);
        }
        fake.clock += milliseconds;
        return Promise.resolve(-1);
    },
    closeBox(id) {
        const at = fake.boxes.findIndex((b) => b.id === id);
        fake.boxes[at].closedAt = fake.clock + at / 100;  // an inner box closes before its outer
        fake.boxes.splice(at, 1);
    },
    play(file) {
        fake.sounds.push(file);
    },
    read(key) {
        const value = fake.stored.get(key);
        return value === undefined ? { state: 1 } : { state: 0, text: value };
    },
    write(key, bytes) {
        fake.stored.set(key, bytes);
        fake.writes.push(bytes);
        return "";
    },
    claim() {
        return 0;
    },
    offer() {},
    takeOpened() {
        return { name: fake.file.name, bytes: bytesOf(fake.file.bytes) };
    },
    know(sounds, keys, largest) {
        Object.assign(fake, { soundFiles: sounds, tableKeys: keys, largestCashFile: largest });
    },
    standDown() {},
    tellStorage(note) {
        fake.note = note;
    },
    setWords(lines) {
        fake.words = lines;
    },
    announce(words) {
        fake.told.push(words);
    },
    setStop(id, order) {
        fake.elements.get(id).stop = order;
    },
    focus(id) {
        fake.focus = id;
    },
    focused() {
        return fake.focus;
    },
    setSpoken() {},
    now() {
        return fake.clock;
    },
    secondsSinceMidnight() {
        return fake.seconds + fake.clock / 1000;
    },
};
