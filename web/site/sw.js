// SPDX-License-Identifier: MIT
// Keeps every file of the site, so the page opens without a network once it
// has been loaded. The build writes the file list and the cache name, which
// changes with the files' contents.
const CACHE = "kov-@KOV_SITE_HASH@";
const FILES = @KOV_SITE_FILES@;

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
    event.waitUntil(
        caches.keys()
            .then((names) => Promise.all(names.filter((n) => n !== CACHE).map((n) => caches.delete(n))))
            .then(() => self.clients.claim()));
});

// The site's own files from the cache first; the address's fragment never
// reaches here, let alone a server.
self.addEventListener("fetch", (event) => {
    if (event.request.method !== "GET")
        return;
    event.respondWith(
        caches.open(CACHE).then((cache) =>
            cache.match(event.request, { ignoreSearch: true }).then((hit) => hit || fetch(event.request))));
});
