// SPDX-License-Identifier: GPL-3.0-or-later
// The one way into the table: the table takes the page's events from here when
// it is ready for the next, one at a time, and none while one of its boxes
// waits for an answer. The other scripts of the page hang on window.Korvane,
// which index.html's own script begins.
"use strict";

window.Korvane = window.Korvane || {};
(function (K) {
    K.dom = {
        table: document.getElementById("table"),
        stage: document.getElementById("stage"),
        cashBar: document.getElementById("cashBar"),
        boxes: document.getElementById("boxes"),
    };
    K.openBoxes = [];

    K.events = {
        queue: [],
        waiter: null,
        stoodDown: false,
        post(event) {
            if (K.openBoxes.length > 0 || K.events.stoodDown) return;
            if (K.events.waiter) {
                const waiter = K.events.waiter;
                K.events.waiter = null;
                clearTimeout(waiter.timer);
                waiter.resolve(event);
            } else {
                K.events.queue.push(event);
            }
        },
        // The next event, or "wake" once `milliseconds` have passed (never, below 0):
        // one timeout for the table's earliest timer, none while no timer is on.
        next(milliseconds) {
            if (K.events.queue.length > 0) return Promise.resolve(K.events.queue.shift());
            return new Promise((resolve) => {
                const timer = milliseconds >= 0
                    ? setTimeout(() => { K.events.waiter = null; resolve("wake"); }, milliseconds)
                    : 0;
                K.events.waiter = { resolve, timer };
            });
        },
    };
})(window.Korvane);
