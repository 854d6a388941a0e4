// SPDX-License-Identifier: MIT
// What the page's tests share: a static server on 127.0.0.1 for the built
// site, Debian's Chromium driven headless, and the page driven by element
// ids as the window tests drive the window by object names.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";
import puppeteer from "puppeteer-core";

export const siteDir = process.env.KOV_SITE_DIR ?? new URL("../../build/web/site", import.meta.url).pathname;
export const nativeProgram = process.env.KOV_NATIVE_PROGRAM ??
    new URL("../../build/release/kov-calculator", import.meta.url).pathname;

const types = {
    ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm",
    ".png": "image/png", ".webmanifest": "application/manifest+json",
};

// Serves the site as any static host would; `close` stops it, as a lost
// network would.
export async function serveSite() {
    const server = createServer(async (request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
        const file = join(siteDir, path.endsWith("/") ? `${path}index.html` : path);
        try {
            const body = await readFile(file);
            response.writeHead(200, { "Content-Type": types[extname(file)] ?? "application/octet-stream" });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((resolve) => { server.closeAllConnections(); server.close(resolve); }),
    };
}

export async function launch() {
    return puppeteer.launch({
        executablePath: "/usr/bin/chromium",
        headless: true,
        args: ["--no-sandbox", "--disable-gpu", "--mute-audio"],
    });
}

// A fresh page with its module ready; the page's storage is the browser's.
export async function openPage(browser, url) {
    const page = await browser.newPage();
    await page.goto(url);
    await page.waitForSelector("html[data-ready=true]");
    return page;
}

// The page's controls, named as the window's.
export function driver(page) {
    const d = {
        click: (id) => page.click(`#${id}`),
        // Replaces the whole text of an edit by typing, as a person would.
        async type(id, text) {
            await page.$eval(`#${id}`, (e) => { e.focus(); e.select(); });
            if (text === "")
                await page.keyboard.press("Backspace");
            else
                await page.keyboard.type(text);
        },
        choose: (id, text) => page.$eval(`#${id}`, (e, t) => {
            const index = Array.from(e.options).findIndex((o) => o.text === t);
            if (index < 0)
                throw new Error(`${e.id} has no item ${t}`);
            e.selectedIndex = index;
            e.dispatchEvent(new Event("change"));
        }, text),
        async addHit(damage, count = 1) {
            await d.type("m_editDamage", String(damage));
            await d.choose("m_cmbHitCount", String(count));
            await d.click("m_btnAdd");
        },
        selectLine: (line) => page.click(`#m_listCombo-${line}`),
        lines: () => page.evaluate(() => window.kov.lines()),
        beeps: () => page.evaluate(() => window.kov.beeps),
        focus: () => page.evaluate(() => document.activeElement?.id ?? "(none)"),
        results: () => page.evaluate(() => window.kov.resultsTxt()),
        // Enabled state of Add, Modify, Remove, Clear, Output, down, up, Theory/Real.
        buttons: () => page.evaluate(() => ["m_btnAdd", "m_btnModify", "m_btnRemove", "m_btnClear", "m_btnOutput",
            "m_btnDown", "m_btnUp", "m_btnTheory"].map((id) => (document.getElementById(id).disabled ? "-" : "+")).join("")),
        text: (id) => page.$eval(`#${id}`, (e) => e.value ?? e.textContent),
        message: () => page.evaluate(() => {
            const box = document.getElementById("messageBox");
            return box.open ? [document.getElementById("messageCaption").textContent,
                document.getElementById("messageText").textContent] : null;
        }),
        async closeMessage() {
            await page.click("#messageOk");
        },
    };
    return d;
}

// The window tests' worked example: HP 300, defence 20, six hits.
export async function enterWorkedExample(d) {
    await d.type("m_editHp", "300");
    await d.type("m_editDef", "20");
    await d.choose("m_cmbKovRate", "1.5");
    await d.addHit(100);
    await d.click("m_rdoWall");
    await d.choose("m_cmbHitRate", "0.950");
    await d.choose("m_cmbKovRate", "2.0");
    await d.click("m_chkAirier");
    await d.click("m_chkCounter");
    await d.addHit(120);
    await d.choose("m_cmbHitRate", "0.900");
    await d.click("m_chkLinkTrap");
    await d.choose("m_cmbLinkCount", "3");
    await d.addHit(60);
    await d.choose("m_cmbKovRate", "1.3");
    await d.click("m_rdoOff");
    await d.addHit(0);
    await d.click("m_chkUnDefence");
    await d.choose("m_cmbHitRate", "0.900");
    await d.choose("m_cmbKovRate", "1.1");
    await d.click("m_chkDouble");
    await d.addHit(92);
    await d.addHit(10);
}
