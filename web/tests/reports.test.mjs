// SPDX-License-Identifier: MIT
// A few hundred random combos: the block Output appends to the page's
// Results.Txt is, byte for byte, what the desktop program's --report prints
// for the same combo file. The native program is the reference.
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { serveSite, launch, openPage, nativeProgram } from "./support.mjs";
import { randomComboText, randomGenerator } from "./combos.mjs";

const kCombos = 300;
const kSeed = Number(process.env.KOV_WEB_SEED ?? 20261207);

test(`${kCombos} random combos give the native program's report (seed ${kSeed})`, async () => {
    assert.ok(existsSync(nativeProgram), `the native program is built first: ${nativeProgram}`);
    const below = randomGenerator(kSeed);
    const combos = Array.from({ length: kCombos }, () => randomComboText(below));
    const dir = mkdtempSync(join(tmpdir(), "kov-web-"));
    const expected = combos.map((text, i) => {
        const file = join(dir, `combo${i}.kovcombo`);
        writeFileSync(file, text);
        return execFileSync(nativeProgram, ["--report", file], { encoding: "latin1" });
    });
    rmSync(dir, { recursive: true });

    const server = await serveSite();
    const browser = await launch();
    try {
        const page = await openPage(browser, server.url);
        const blocks = await page.evaluate(async (texts) => {
            const out = [];
            for (const [i, text] of texts.entries()) {
                const before = window.kov.resultsTxt().length;
                await window.kov.openText(text, `combo${i}.kovcombo`);
                document.getElementById("m_btnOutput").click();
                document.getElementById("messageOk").click();
                out.push(window.kov.resultsTxt().slice(before));
            }
            return out;
        }, combos);
        let differing = 0;
        for (const [i, block] of blocks.entries()) {
            if (block !== expected[i] && differing++ < 3)
                assert.equal(block, expected[i], `combo ${i}:\n${combos[i]}`);
        }
        assert.equal(differing, 0);
        // The combos reach far enough: kills, Real mode, thousands in the totals.
        assert.ok(expected.some((b) => b.includes("Calculate  : Real")));
        assert.ok(expected.some((b) => /Total Kov  : +\d{1,3},\d{3},\d{3}/.test(b)));
    } finally {
        await browser.close();
        await server.close();
    }
});
