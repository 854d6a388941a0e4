// SPDX-License-Identifier: MIT
// The page in Debian's Chromium, driven as the window tests drive the
// window: the worked example's lines and Results.Txt bytes, the form check,
// undo and redo, share links, a refused file, Best Order with Cancel, the
// keyboard and an offline reload.
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { serveSite, launch, driver, enterWorkedExample } from "./support.mjs";

let server;
let browser;
before(async () => {
    server = await serveSite();
    browser = await launch();
});
after(async () => {
    await browser?.close();
    await server?.close();
});

// Each test in a context of its own: its own storage and service worker.
async function freshPage(hash = "") {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const errors = [];
    page.on("pageerror", (error) => errors.push(error.message));
    await page.goto(server.url + hash);
    await page.waitForSelector("html[data-ready=true]");
    return { page, d: driver(page), context, errors };
}

const kExampleLines = [
    "01 |Ceil |  |  |  |  |  |  |  |  | 79|   79|1.5|      1.500|        118|        118",
    "02 |Wall |* |  |* |  |  |  |  |  | 95|  174|2.0|      3.000|      1,174|      1,292",
    "03 |Ceil |  |  |  |  |  |* |  |  | 36|  210|1.2|      3.599|        755|      2,047",
    "04 |Ceil |  |  |  |  |  |  |  |  |  0|  210|1.0|      3.599|          0|      2,047",
    "05 |Ceil |  |  |  |* |* |  |  |  | 92|  302|1.1|      3.958|      1,842|      3,889",
    "06 |Ceil |  |  |  |  |  |  |  |  |  1|  303|1.0|      3.958|      1,199|      5,088",
];

test("the worked example gives the window's lines and Results.Txt bytes", async () => {
    const { page, d, context, errors } = await freshPage();
    assert.equal(await d.buttons(), "+-------");
    assert.equal(await d.focus(), "m_editHp");
    await enterWorkedExample(d);
    assert.deepEqual(await d.lines(), kExampleLines);
    assert.equal(await d.beeps(), 0);
    assert.equal(await d.focus(), "m_rdoCeil");

    // Remove from line 2 on leaves the first two hits, as the window test has.
    await d.selectLine(2);
    assert.equal(await d.buttons(), "++++++++");
    await d.click("m_btnRemove");
    await d.selectLine(1);
    const block = "Calculate  : Theory\r\nMaxHP      :         300\r\nDefence    :          20\r\n" +
        "Total Hit  :           2\r\nTotal Dmg  :         174\r\nTotal Rate :           3.000\r\n" +
        "Total Kov  :       1,292\r\n\r\n" +
        "No.|Type |Ar|Co|Ct|Dd|Jk|Lt|Lr|Rp|Dmg|T.Dmg| Rt|     T.Rate|        Kov|      T.Kov\r\n" +
        "---|-----|--|--|--|--|--|--|--|--|---|-----|---|-----------|-----------|-----------\r\n" +
        `${kExampleLines[0]}\r\n${kExampleLines[1]}\r\n${"-".repeat(83)}\r\n\r\n`;
    for (let i = 0; i < 2; i += 1) {
        await d.click("m_btnOutput");
        assert.deepEqual(await d.message(), ["Log Output", "Complete"]);
        await d.closeMessage();
    }
    assert.equal(await d.results(), block + block);
    // The download carries the same bytes.
    const downloaded = await page.evaluate(() => new Promise((resolve) => {
        const original = URL.createObjectURL;
        URL.createObjectURL = (blob) => { blob.text().then(resolve); return original(blob); };
        document.getElementById("windowMenuButton").click();
        document.getElementById("menuDownloadResults").click();
    }));
    assert.equal(downloaded, block + block);
    assert.deepEqual(errors, []);
    await context.close();
});

test("the form check beeps and focuses the first missing field in order", async () => {
    const { d, context } = await freshPage();
    await d.click("m_chkLinkTrap");
    const refusals = [
        [[], "m_editHp"],
        [[["type", "m_editHp", "0"]], "m_editDef"],
        [[["type", "m_editDef", "0"]], "m_editDamage"],
        [[["type", "m_editDamage", "0"]], "m_cmbLinkCount"],
    ];
    let beeps = 0;
    for (const [steps, focus] of refusals) {
        for (const [, id, text] of steps)
            await d.type(id, text);
        await d.click("m_btnAdd");
        beeps += 1;
        assert.equal(await d.beeps(), beeps, focus);
        assert.equal(await d.focus(), focus);
        assert.deepEqual(await d.lines(), []);
    }
    // The digit filter cuts a letter with one beep and keeps three digits.
    await d.type("m_editDamage", "12x");
    assert.equal(await d.text("m_editDamage"), "12");
    assert.equal(await d.beeps(), beeps + 1);
    await d.type("m_editDamage", "1234");
    assert.equal(await d.text("m_editDamage"), "123");
    await d.choose("m_cmbLinkCount", "3");
    await d.click("m_btnAdd");
    assert.equal((await d.lines()).length, 1);
    assert.equal(await d.beeps(), beeps + 1);
    await context.close();
});

test("undo and redo step through the combo's history", async () => {
    const { page, d, context } = await freshPage();
    await d.click("windowMenuButton");
    assert.equal(await page.$eval("#menuUndo", (e) => e.disabled), true);
    await page.keyboard.press("Escape");
    await d.type("m_editHp", "300");
    await d.type("m_editDef", "20");
    for (const damage of [10, 20, 30])
        await d.addHit(damage);
    const three = await d.lines();
    await page.keyboard.down("Control");
    await page.keyboard.press("z");
    await page.keyboard.up("Control");
    assert.deepEqual(await d.lines(), three.slice(0, 2));
    await d.click("windowMenuButton");
    assert.equal(await page.$eval("#menuRedo", (e) => e.textContent), "Redo AddCtrl+Shift+Z");
    await d.click("menuRedo");
    assert.deepEqual(await d.lines(), three);
    assert.equal(await d.focus(), "m_rdoCeil");
    // Clear is a step too; nothing left to redo beeps.
    await d.click("m_btnClear");
    assert.deepEqual(await d.lines(), []);
    await d.click("windowMenuButton");
    await d.click("menuUndo");
    assert.deepEqual(await d.lines(), three);
    assert.equal(await d.text("m_editHp"), "300");
    const beeps = await d.beeps();
    await page.keyboard.down("Control");
    await page.keyboard.press("y");
    await page.keyboard.press("y");
    await page.keyboard.up("Control");
    assert.deepEqual(await d.lines(), []);
    assert.equal(await d.beeps(), beeps + 1);
    // About names the version the core was built with, as the title does.
    await d.click("windowMenuButton");
    await d.click("menuAbout");
    await page.waitForSelector("#messageBox[open]");
    assert.match(await page.title(), /^Kov Calculator Ver\.\d+\.\d+$/);
    assert.deepEqual(await d.message(), ["About - Kov Calculator", await page.title()]);
    await context.close();
});

test("a share link opens the same combo; a damaged one says why and changes nothing", async () => {
    const first = await freshPage();
    await enterWorkedExample(first.d);
    await first.d.click("m_btnTheory");
    await first.d.click("windowMenuButton");
    await first.d.click("menuShareLink");
    const link = await first.page.$eval("#messageExtra input", (e) => e.value);
    assert.match(link, /#c1=[A-Za-z0-9_-]+$/);
    assert.ok(link.length - link.indexOf("#") < 120, "compact");
    await first.context.close();

    const second = await freshPage(link.slice(link.indexOf("#")));
    assert.deepEqual(await second.d.lines(), kExampleLines);
    assert.equal(await second.d.text("m_btnTheory"), "Real");
    assert.equal(await second.d.text("m_editHp"), "300");
    for (const [fragment, reason] of [
        ["#c1=AAAA", "This link cannot be opened: the link is cut short"],
        ["#c2=AAAA", "This link cannot be opened: the link was made by another version of the page (c2); this one reads c1"],
        ["#c1=AA*A", "This link cannot be opened: the link is damaged: it holds characters or a length no combo has"],
        // One hit with damage 1000 (Theory, HP and defence 0, Kov 1.0, Calculate
        // on, packed bit by bit by hand): refused by the combo-file reader.
        ["#c1=AAAgQL8AgAA", "This link cannot be opened: hits[0].damage: 1000 is outside 0..999"],
    ]) {
        await second.page.evaluate((f) => { location.hash = f; }, fragment);
        await second.page.waitForSelector("#messageBox[open]");
        assert.deepEqual(await second.d.message(), ["Share Link", reason]);
        await second.d.closeMessage();
        assert.deepEqual(await second.d.lines(), kExampleLines);
    }
    await second.context.close();
});

test("a refused combo file says why and changes nothing; an accepted one opens", async () => {
    const { page, d, context } = await freshPage();
    await enterWorkedExample(d);
    const open = (text, name) => page.evaluate((t, n) => window.kov.openText(t, n), text, name);
    await open('{"format": "kov-combo", "version": 2}', "new.kovcombo");
    assert.deepEqual(await d.message(),
        ["Open", "The file cannot be opened: new.kovcombo: version: 2 is not a version this program reads (1)"]);
    await d.closeMessage();
    await open('{"format": "kov-combo",\n "version": 1, "hits": [}', "broken.kovcombo");
    assert.match((await d.message())[1], /^The file cannot be opened: broken\.kovcombo:2:/);
    await d.closeMessage();
    assert.deepEqual(await d.lines(), kExampleLines);

    await open('{"format": "kov-combo", "version": 1, "mode": "Real", "hp": 50, "def": 3, "hits": []}', "empty.kovcombo");
    assert.equal(await d.message(), null);
    assert.deepEqual(await d.lines(), []);
    assert.equal(await d.text("m_btnTheory"), "Real");
    assert.equal(await d.text("m_editHp"), "50");
    await context.close();
});

test("Best Order runs off the page and Cancel keeps the combo", async () => {
    const { page, d, context } = await freshPage();
    await d.type("m_editHp", "999");
    await d.type("m_editDef", "0");
    for (const damage of [1, 50, 2, 60, 3, 70, 4, 80])
        await d.addHit(damage);
    const before = await d.lines();

    // The search is held back until Cancel has been pressed, so no answer can
    // come first; the worker it went to is ended by then.
    await page.evaluate(() => {
        const post = Worker.prototype.postMessage;
        Worker.prototype.postMessage = function held(message) {
            window.releaseSearch = () => post.call(this, message);
            Worker.prototype.postMessage = post;
        };
    });
    await d.click("windowMenuButton");
    await d.click("menuBestOrder");
    assert.equal(await page.$eval("#progressBox", (e) => e.open), true);
    assert.equal(await d.focus(), "progressCancel");
    await d.click("progressCancel");
    await page.evaluate(() => window.releaseSearch());
    assert.equal(await page.$eval("#progressBox", (e) => e.open), false);
    assert.deepEqual(await d.lines(), before);
    assert.equal(await d.message(), null);

    await page.keyboard.down("Control");
    await page.keyboard.press("b");
    await page.keyboard.up("Control");
    await page.waitForSelector("#messageBox[open]");
    const [caption, text] = await d.message();
    assert.equal(caption, "Best Order");
    assert.match(text, /^Total Kov [\d,]+ → [\d,]+$/);
    await d.closeMessage();
    const after = await d.lines();
    assert.notDeepEqual(after, before);
    assert.deepEqual(after.map((l) => l.slice(31, 34)).sort(), before.map((l) => l.slice(31, 34)).sort());
    await context.close();
});

test("the keyboard: Enter adds, mnemonics, Tab order, arrows in a group", async () => {
    const { page, d, context } = await freshPage();
    const press = async (key, modifier) => {
        if (modifier)
            await page.keyboard.down(modifier);
        await page.keyboard.press(key);
        if (modifier)
            await page.keyboard.up(modifier);
    };
    await page.keyboard.type("300");
    await press("Tab");
    assert.equal(await d.focus(), "m_editDef");
    await page.keyboard.type("20");
    await press("i", "Alt");
    assert.equal(await d.focus(), "m_editDamage");
    await page.keyboard.type("100");
    await press("Enter");
    assert.equal((await d.lines()).length, 1);
    await press("b", "Alt");
    assert.equal(await d.focus(), "m_chkAirier");
    await press("ArrowDown");
    assert.equal(await d.focus(), "m_chkCore");
    await press("l", "Alt");
    assert.equal(await d.focus(), "m_listCombo");
    await press("ArrowDown");
    assert.equal(await d.buttons(), "++++++++");
    await press("c", "Alt");
    assert.deepEqual(await d.lines(), []);
    assert.equal(await d.focus(), "m_editHp");
    // Every control has a name a screen reader can say.
    const unnamed = await page.evaluate(() => Array.from(document.querySelectorAll("input, select, button, [role=listbox]"))
        .filter((e) => !e.closest("[hidden]") && e.offsetParent !== null)
        .filter((e) => !(e.getAttribute("aria-label") || e.labels?.length || e.textContent.trim()))
        .map((e) => e.id));
    assert.deepEqual(unnamed, []);
    await context.close();
});

test("the page opens again without a network once it has been loaded", async () => {
    const local = await serveSite();
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(local.url);
    await page.waitForSelector("html[data-ready=true]");
    await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
    });
    await local.close();
    await page.reload();
    await page.waitForSelector("html[data-ready=true]");
    const d = driver(page);
    await d.type("m_editHp", "300");
    await d.type("m_editDef", "20");
    await d.choose("m_cmbKovRate", "1.5");
    await d.addHit(100);
    assert.deepEqual(await d.lines(), [kExampleLines[0]]);
    await context.close();
});
