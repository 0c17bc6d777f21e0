// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page's own files, so that after one visit the table plays without
// the network. The build writes this version's files and its mark below: a new
// version changes this script, the browser installs it beside the old one, and
// the next visit plays the new files.
"use strict";

const version = "@VERSION@";
const files = [@FILES@];
const kept = "korvane-" + version;

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(kept).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((n) => n.startsWith("korvane-") && n !== kept)
            .map((n) => caches.delete(n))))
        .then(() => self.clients.claim()));
});

// The page's files from what is kept, anything else from the network.
self.addEventListener("fetch", (event) => {
    const request = event.request;
    if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
    event.respondWith(caches.open(kept)
        .then((cache) => cache.match(request, { ignoreSearch: true }))
        .then((found) => found || fetch(request)));
});
