// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the table. The table itself runs in korvane.wasm; the page's
// scripts draw what it is told (table.js, boxes.js), hand it the player's events
// one at a time (events.js, keys.js) and keep the browser's side of things
// (services.js). This one starts the table once the page holds it.
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

(function (K) {
    // What the table calls on the page (web/page_bridge.cpp).
    window.Module = {
        page: Object.assign({ nextEvent: K.events.next }, K.view, K.boxes, K.services),
    };
    K.claimTable().then((claimed) => {
        K.services.claimed = claimed;
        const core = document.createElement("script");
        core.src = "korvane.js";
        document.body.append(core);
    });
})(window.Korvane);
