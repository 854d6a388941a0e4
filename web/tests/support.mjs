// SPDX-License-Identifier: MIT
// What the page's tests share: a static server on 127.0.0.1 for the built
// site, Debian's Chromium driven headless, and the page driven by element
// ids as the window tests drive the window by object names.
import puppeteer from "puppeteer-core";
import { serveDirectory } from "../tools/static-server.mjs";

export const siteDir = process.env.KOV_SITE_DIR ?? new URL("../../build/web/site", import.meta.url).pathname;
export const nativeProgram = process.env.KOV_NATIVE_PROGRAM ??
    new URL("../../build/release/kov-calculator", import.meta.url).pathname;

// The built site, served as any static host would.
export const serveSite = () => serveDirectory(siteDir);

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
        text: (id) => page.$eval(`#${id}`, (e) => (e instanceof HTMLInputElement || e instanceof HTMLSelectElement ? e.value : e.textContent)),
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
