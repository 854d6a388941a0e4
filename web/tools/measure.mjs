// SPDX-License-Identifier: MIT
// The web edition's figures for docs/performance.md: bytes of the site's
// code, first paint and module ready from a local server (fresh browser
// context each run, so nothing is cached), and Best Order in the page on the
// benchmark combos beside the native program. Run from web/ after the build:
//     node tools/measure.mjs [RUNS]
import { execFileSync } from "node:child_process";
import { readFileSync, statSync } from "node:fs";
import { launch, siteDir, nativeProgram } from "../tests/support.mjs";
import { serveDirectory } from "./static-server.mjs";

const runs = Number(process.argv[2] ?? 15);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const fmt = (values) => `median ${median(values).toFixed(1)} ms (min ${Math.min(...values).toFixed(1)}, max ${Math.max(...values).toFixed(1)})`;

const sizes = ["kov.wasm", "kov.js", "page.js", "bestorder-worker.js"].map((f) => [f, statSync(`${siteDir}/${f}`).size]);
for (const [f, n] of sizes)
    console.log(`${f}: ${n} bytes`);
console.log(`code in all: ${(sizes.reduce((s, [, n]) => s + n, 0) / 1024).toFixed(1)} KiB`);

const server = await serveDirectory(siteDir);
const browser = await launch();
const paint = [];
const ready = [];
for (let i = 0; i < runs; i += 1) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(server.url);
    await page.waitForSelector("html[data-ready=true]");
    const [p, r] = await page.evaluate(() => [
        performance.getEntriesByName("first-contentful-paint")[0]?.startTime ?? NaN,
        performance.getEntriesByName("kov-ready")[0].startTime,
    ]);
    paint.push(p);
    ready.push(r);
    await context.close();
}
console.log(`first contentful paint: ${fmt(paint)}`);
console.log(`module ready, page laid out: ${fmt(ready)}`);

for (const mode of ["theory", "real"]) {
    const file = new URL(`../../bench/data/combo15-${mode}.kovcombo`, import.meta.url).pathname;
    const text = readFileSync(file, "utf8");
    const native = [];
    for (let i = 0; i < 5; i += 1) {
        const start = process.hrtime.bigint();
        execFileSync(nativeProgram, ["--best-order", file]);
        native.push(Number(process.hrtime.bigint() - start) / 1e6);
    }
    const version = [];
    for (let i = 0; i < 5; i += 1) {
        const start = process.hrtime.bigint();
        execFileSync(nativeProgram, ["--version"]);
        version.push(Number(process.hrtime.bigint() - start) / 1e6);
    }
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(server.url);
    await page.waitForSelector("html[data-ready=true]");
    // Through the page's own command, once its worker said it is ready:
    // from the menu entry to the message that names the new total.
    await page.waitForFunction(() => window.kov.workerReady === true);
    const timeCommand = () => page.evaluate(async (combo) => {
        await window.kov.openText(combo, "bench.kovcombo");
        const box = document.getElementById("messageBox");
        const start = performance.now();
        document.getElementById("windowMenuButton").click();
        document.getElementById("menuBestOrder").click();
        while (!box.open)
            await new Promise((resolve) => setTimeout(resolve, 1));
        const took = performance.now() - start;
        document.getElementById("messageOk").click();
        return took;
    }, text);
    const first = await timeCommand();
    const warm = [];
    for (let i = 0; i < 5; i += 1)
        warm.push(await timeCommand());
    const inPage = { cold: first, warm };
    await context.close();
    console.log(`Best Order ${mode}: native --best-order ${fmt(native)}, --version ${fmt(version)}; ` +
        `page first ${inPage.cold.toFixed(1)} ms, then ${fmt(inPage.warm)}`);
}
await browser.close();
await server.close();
