// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the table. The table itself runs in korvane.wasm; the page's
// scripts draw what it is told (table.js, boxes.js), hand it the player's events
// one at a time (events.js, keys.js) and keep the browser's side of things
// (services.js). This one starts the table once the page holds it.
// The build joins the six into korvane-page.js, events.js first and this one
// last, and korvane.js, the table's, after them, so the page asks for one script.
// index.html's own script asks for korvane.wasm, compiled as it comes, and for
// the page's hold on the table, before the script arrives.
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
//   controls outside the window (Picture3_n, Picture1_5, Label1_k, Label2_k) have
//   no element: nothing ever shows them
//   #saveCash #openCash     "Save cash file" and "Open cash file", beside the table
//   #openCashInput          the file chooser behind "Open cash file"
//   #storageNote            where the cash is kept, or why it is not
//   #told                   unseen: the last change on the table, in words, for a screen reader
//   #boxes                  holds the open message boxes, the last one on top:
//     .box (role alertdialog, id box1, box2, ...), .box-title, .box-text,
//     .box-icon (.stop or .information), .box-buttons button[data-answer=ok|yes|no]
"use strict";

(function (K) {
    // A web host that serves the wasm under another type than application/wasm
    // has it refused by the streaming compiler: then it is compiled from its bytes.
    function compileFromBytes(file) {
        return fetch(file, { credentials: "same-origin" })
            .then((response) => response.arrayBuffer())
            .then((bytes) => WebAssembly.compile(bytes));
    }
    // Opened from the disk, a browser may fetch nothing beside the page: the table
    // comes as a script then, korvane-wasm.js, that holds its bytes.
    function fromScript(file) {
        return new Promise((resolve, reject) => {
            const script = document.createElement("script");
            script.src = file;
            script.onload = () => resolve(Uint8Array.from(atob(K.wasmBytes || ""), (c) => c.charCodeAt(0)));
            script.onerror = reject;
            document.head.append(script);
        }).then((bytes) => WebAssembly.compile(bytes));
    }
    // What a player can do when neither plays, said in the page.
    function tellHowToServe() {
        document.getElementById("storageNote").textContent =
            "The table could not be loaded from here. Serve this folder from a web server and open it " +
            "there: \"make web-serve\" in Korvane's source, or \"python3 -m http.server\" in this folder, " +
            "then http://127.0.0.1:8000/.";
    }
    // index.html asked for the code and the hold as it began; had its script been
    // refused, the page asks now and holds a lease.
    const asked = K.asked || { code: null, hold: null };
    const served = () => (asked.code || Promise.reject()).catch(() => compileFromBytes("korvane.wasm"));
    const compiled = (location.protocol === "file:" ? fromScript("korvane-wasm.js") : served())
        .catch((e) => {
            tellHowToServe();
            throw e;
        });
    const claimed = asked.hold || K.claimTable();

    window.Module = {
        // The table lives on after main() first waits for the page: some emscriptens
        // take that wait for the end of the program unless told.
        noExitRuntime: true,
        // What the table calls on the page (web/page_bridge.cpp).
        page: Object.assign({ nextEvent: K.events.next }, K.view, K.boxes, K.services),
        // The table starts only once the page knows whether it holds the table,
        // so a second page plays nothing, not even the start-up sound.
        instantiateWasm(imports, receive) {
            Promise.all([compiled, claimed]).then(([module, claim]) => {
                K.services.claimed = claim;
                return WebAssembly.instantiate(module, imports).then((instance) => {
                    receive(instance, module);
                    keepForOffline();
                });
            });
            return {};
        },
    };

    // Kept for a visit without the network, once the table's first frame is up:
    // the worker fetches every file of the page, and would slow that frame.
    function keepForOffline() {
        if (!("serviceWorker" in navigator) || location.protocol === "file:") return;
        requestAnimationFrame(() =>
            setTimeout(() => navigator.serviceWorker.register("service-worker.js").catch(() => {}), 0));
    }
})(window.Korvane);
