// SPDX-License-Identifier: MIT
// Best Order off the page's thread, so the page keeps answering while the
// search runs. Cancel ends this worker; the page starts a fresh one.
importScripts("kov.js");
const ready = createKovModule();
// The page starts this worker while it is idle; it says when its module is
// compiled, so the first Best Order does not wait for that.
ready.then(() => self.postMessage({ ready: true }));
self.onmessage = async (event) => {
    const kov = await ready;
    self.postMessage(kov.findBestOrder(event.data.combo));
};
