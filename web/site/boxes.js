// SPDX-License-Identifier: GPL-3.0-or-later
// The table's message boxes, drawn by the page: modal, one over another when a
// box opens from inside a box, answered by mouse or keys.
"use strict";

(function (K) {
    let nextBox = 1;

    // `words`: the table's words for the buttons, ["OK"] or [yes, no].
    function openBox(title, text, words, icon, danish) {
        const buttons = words.length === 2 ? 1 : 0;
        const id = nextBox++;
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
        const said = document.createElement("p");
        said.className = "box-text";
        said.id = e.id + "-text";
        // Character 13 breaks a line in the game's texts.
        said.textContent = text.replace(/\r\n?/g, "\n");
        body.append(said);
        const row = document.createElement("div");
        row.className = "box-buttons";
        const answers = buttons === 1 ? [["yes", 1], ["no", 2]] : [["ok", 0]];
        answers.forEach(([name, answer], at) => {
            const b = document.createElement("button");
            b.type = "button";
            b.dataset.answer = name;
            b.textContent = words[at];
            b.addEventListener("click", () => answerBox(box, answer));
            row.append(b);
        });
        e.append(head, body, row);
        e.addEventListener("keydown", (k) => boxKey(box, words, k));
        box.element = e;
        K.openBoxes.push(box);
        K.dom.table.inert = true;
        K.dom.cashBar.inert = true;
        for (const other of K.openBoxes) if (other !== box) other.element.inert = true;
        K.dom.boxes.append(e);
        row.querySelector("button").focus();
        return id;
    }

    // Enter takes the focused button, Escape says OK or No, and the first
    // letters of the answers answer.
    function boxKey(box, words, k) {
        if (K.openBoxes[K.openBoxes.length - 1] !== box) return;
        const key = k.key.toLowerCase();
        const question = words.length === 2;
        const initial = (word) => word.charAt(0).toLowerCase();
        let answer = -1;
        if (k.key === "Escape") answer = question ? 2 : 0;
        else if (question && key === initial(words[0])) answer = 1;
        else if (question && key === initial(words[1])) answer = 2;
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
        const at = K.openBoxes.findIndex((b) => b.id === id);
        if (at < 0) return;
        const [box] = K.openBoxes.splice(at, 1);
        box.element.remove();
        const top = K.openBoxes[K.openBoxes.length - 1];
        if (top) {
            top.element.inert = false;
            top.element.querySelector("button").focus();
            return;
        }
        K.dom.table.inert = K.events.stoodDown;
        K.dom.cashBar.inert = false;
        if (box.focus && box.focus.isConnected) box.focus.focus();
    }

    K.boxes = {
        openBox,
        closeBox,
        waitBox(id, milliseconds) {
            const box = K.openBoxes.find((b) => b.id === id);
            if (box.answer >= 0) return Promise.resolve(box.answer);
            return new Promise((resolve) => {
                const timer = milliseconds >= 0
                    ? setTimeout(() => { box.waiter = null; resolve(-1); }, milliseconds)
                    : 0;
                box.waiter = (answer) => { clearTimeout(timer); box.waiter = null; resolve(answer); };
            });
        },
    };
})(window.Korvane);
