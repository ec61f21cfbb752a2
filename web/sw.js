// Keeps the site usable offline once it has been opened: every file of this origin is fetched from
// the network when it can be and kept, and the kept copy answers when the network is gone. The
// network comes first so that a rebuilt site is never hidden behind an old copy.
'use strict';
const CACHE = 'simple-span';

self.addEventListener('install', () => self.skipWaiting());
self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    fetch(request)
      .then((response) => {
        if (response.ok) {
          const copy = response.clone();
          event.waitUntil(caches.open(CACHE).then((cache) => cache.put(request, copy)));
        }
        return response;
      })
      .catch(() => caches.match(request).then((kept) => kept || Response.error())),
  );
});
