// SPDX-License-Identifier: GPL-3.0-or-later
// The table's controls as elements: one each, at its place and size, drawn as
// the table says; the whole scaled to fit the browser's window.
"use strict";

(function (K) {
    const elements = new Map();
    let tableWidth = 0, tableHeight = 0;

    function idOfEvent(element) {
        return element.dataset.control;
    }

    // The element that takes the focus and carries the name: the sound switch's
    // box inside its <label>, else the control itself. Never a control held
    // inside it, as the settings frame holds the switch and the bet.
    function own(e) {
        return e.classList.contains("check") ? e.querySelector(":scope > input") : e;
    }

    // A click and a double click as the desktop tells them apart: the first click
    // of a pair is a click, the second a double click.
    function clickable(element) {
        element.addEventListener("click", (e) => {
            if (e.detail <= 1) K.events.post("click " + idOfEvent(element));
        });
        element.addEventListener("dblclick", () => K.events.post("second " + idOfEvent(element)));
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
        if (key) element.setAttribute("aria-keyshortcuts", "Alt+" + key.toUpperCase());
        else element.removeAttribute("aria-keyshortcuts");
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
            e.addEventListener("click", () => K.events.post("click " + idOfEvent(e)));
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
            box.addEventListener("change", () => K.events.post("check " + (box.checked ? 1 : 0)));
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
            e.addEventListener("input", () => K.events.post((dragging ? "drag " : "scroll ") + e.value));
            const letGo = () => {
                if (!dragging) return;
                dragging = false;
                K.events.post("enddrag");
            };
            e.addEventListener("change", letGo);
            e.addEventListener("pointerup", letGo);
            e.addEventListener("pointercancel", letGo);
            Object.defineProperty(e, "korvaneDragging", { get: () => dragging });
            return e;
        },
    };

    // A card drawn larger than its own pixels, by the screen or by the table's
    // scale, comes from the art made at twice the size, so it stays crisp.
    let sharp = false;
    function drawPicture(e) {
        const image = "images/" + e.dataset.image;
        // The srcset alone, as a src would stand beside it as a 1x choice.
        e.removeAttribute("src");
        e.srcset = sharp ? image + "@2x.png 2x" : image + ".png 1x";
    }

    // The table's window where the screen holds it at its own size or larger,
    // scaled to fill it; else the compact rows of page.css.
    function fit() {
        if (!tableWidth) return;
        const room = Math.max(1, window.innerHeight - K.dom.cashBar.offsetHeight);
        const scale = Math.min(window.innerWidth / tableWidth, room / tableHeight);
        const compact = scale < 1;
        document.documentElement.classList.toggle("compact", compact);
        const nowSharp = (compact ? 1 : scale) * window.devicePixelRatio > 1.01;
        if (nowSharp !== sharp) {
            sharp = nowSharp;
            for (const e of elements.values())
                if (e.tagName === "IMG" && e.dataset.image && e.dataset.image !== "none") drawPicture(e);
        }
        K.dom.table.style.transform = "scale(" + scale + ")";
        K.dom.stage.style.width = tableWidth * scale + "px";
        K.dom.stage.style.height = tableHeight * scale + "px";
    }
    window.addEventListener("resize", fit);


    // A text that does not fit its label is whole in its tooltip. The labels are
    // measured once the table has drawn all it changes, so the page is laid out
    // once for them all, not once a label.
    const unmeasured = new Set();
    function measureLabels() {
        for (const e of unmeasured) {
            const over = e.scrollHeight > e.clientHeight + 1 || e.scrollWidth > e.clientWidth + 1;
            e.title = !e.hidden && over ? e.textContent : "";
        }
        unmeasured.clear();
    }

    K.view = {
        // The language of the texts, so a screen reader speaks them in it.
        setTitle(title, danish) {
            document.title = title;
            K.dom.table.lang = danish ? "da" : "en";
        },
        setSize(width, height, back) {
            tableWidth = width;
            tableHeight = height;
            K.dom.table.style.width = width + "px";
            K.dom.table.style.height = height + "px";
            K.dom.table.style.background = back;
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
            (parent ? elements.get(parent) : K.dom.table).append(e);
            elements.set(id, e);
        },
        setShown(id, visible, enabled) {
            const e = elements.get(id);
            e.hidden = !visible;
            const input = own(e);
            if ("disabled" in input) input.disabled = !enabled;
            else if (enabled) e.removeAttribute("aria-disabled");
            else e.setAttribute("aria-disabled", "true");
        },
        setText(id, text) {
            const e = elements.get(id);
            if (e.tagName === "BUTTON") putCaption(e, text);
            else if (e.classList.contains("frame")) e.querySelector(".frame-caption").textContent = text;
            else if (e.classList.contains("check")) e.querySelector("span").textContent = text;
            else if (e.classList.contains("label")) {
                e.textContent = text;
                if (unmeasured.size === 0) queueMicrotask(measureLabels);
                unmeasured.add(e);
            }
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
            e.dataset.image = image;
            if (image === "none") {
                e.removeAttribute("src");
                e.removeAttribute("srcset");
                return;
            }
            drawPicture(e);
        },
        setCheck(id, value) {
            own(elements.get(id)).checked = value === 1;
        },
        setRange(id, min, max, value, small, large) {
            const e = elements.get(id);
            e.min = min;
            e.max = max;
            e.step = small;
            e.dataset.page = large;
            if (!e.korvaneDragging) e.value = value;
        },

        setStop(id, order) {
            const e = elements.get(id);
            own(e).tabIndex = order > 0 ? order : -1;
        },
        focus(id) {
            const e = elements.get(id);
            if (e) own(e).focus({ preventScroll: true });
        },
        focused() {
            const a = document.activeElement;
            const control = a && a.closest ? a.closest("#table [data-control]") : null;
            return control ? control.dataset.control : "";
        },
        // What a control tells a screen reader, as the table words it; no role:
        // nothing at all.
        setSpoken(id, role, name, description, checked) {
            const e = elements.get(id);
            if (!e) return;
            const target = own(e);
            const native = target.tagName === "BUTTON" || target.tagName === "INPUT";
            if (!role) {
                e.setAttribute("aria-hidden", "true");
                if (e.tagName === "IMG") e.alt = "";
                return;
            }
            e.removeAttribute("aria-hidden");
            if (!native && role !== "img") target.setAttribute("role", role);
            if (e.tagName === "IMG" && role === "img") e.alt = name;
            else target.setAttribute("aria-label", name);
            if (description) target.setAttribute("aria-description", description);
            else target.removeAttribute("aria-description");
            if (role === "radio") target.setAttribute("aria-checked", checked ? "true" : "false");
        },
    };
})(window.Korvane);
