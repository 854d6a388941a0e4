// SPDX-License-Identifier: MIT
// Best Order off the page's thread, so the page keeps answering while the
// search runs. Cancel ends this worker; the page starts a fresh one.
importScripts("kov.js");
const ready = createKovModule();
self.onmessage = async (event) => {
    const kov = await ready;
    self.postMessage(kov.findBestOrder(event.data.combo));
};
