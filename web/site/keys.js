// SPDX-License-Identifier: GPL-3.0-or-later
// The table's keys go to the table, which decides what each does.
"use strict";

(function (K) {
    // On the table's controls the arrows, Page Up and Down, Home, End, Space and
    // Enter; anywhere F1 and Alt with a button's access key. A browser may keep Alt+1 and Alt+2
    // for its tabs: Alt+Shift with the same key is the page's too, as the key's
    // place on the keyboard is what counts. Tab goes round the stops the table
    // numbers, then on to the buttons beside it.
    const onControl = {
        ArrowLeft: "Left", ArrowRight: "Right", ArrowUp: "Up", ArrowDown: "Down",
        PageUp: "PageUp", PageDown: "PageDown", Home: "Home", End: "End", " ": "Space",
        Enter: "Enter",
    };
    // Alt with a letter or a digit is the table's where the table names that
    // key: the access keys its buttons' captions mark.
    function tableKey(e) {
        if (e.altKey && !e.ctrlKey && !e.metaKey) {
            const name = "Alt" + e.code.replace(/^(Key|Digit)/, "");
            return K.services.tableKeys.has(name) ? name : "";
        }
        if (e.ctrlKey || e.metaKey || e.altKey) return "";
        if (e.key === "F1") return "F1";
        return K.view.focused() ? onControl[e.key] || "" : "";
    }
    window.addEventListener("keydown", (e) => {
        if (K.openBoxes.length > 0 || K.events.stoodDown) return;
        const name = tableKey(e);
        if (!name) return;
        e.preventDefault();
        K.events.post("key " + name + (e.repeat ? " repeat" : ""));
    });
    // A Space let go on a button or the switch would click it once more.
    window.addEventListener("keyup", (e) => {
        if (e.key === " " && K.view.focused()) e.preventDefault();
    });
})(window.Korvane);
