// SPDX-License-Identifier: MIT
// The WebAssembly module under Node, without a browser: share links carry
// every combo the window can make and nothing else. Node's fetch cannot
// read a file path, so the module is handed its bytes.
import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { siteDir } from "./support.mjs";
import { randomComboText, randomGenerator } from "./combos.mjs";

const createKovModule = createRequire(import.meta.url)(`${siteDir}/kov.js`);
const kov = await createKovModule({ wasmBinary: readFileSync(`${siteDir}/kov.wasm`) });

test("a share link round-trips every random combo exactly", () => {
    const below = randomGenerator(99);
    for (let i = 0; i < 500; i += 1) {
        const from = new kov.Workbench();
        const opened = from.openText(randomComboText(below), "combo.kovcombo");
        assert.equal(opened.error, undefined);
        const code = from.shareCode();
        assert.match(code, /^c1=[A-Za-z0-9_-]+$/);
        // 25 bits of enemy data and count, 39 bits a hit, in whole bytes.
        assert.ok(code.length <= 3 + Math.ceil((Math.ceil((25 + 39 * 15) / 8) * 8) / 6), code);
        const to = new kov.Workbench();
        assert.equal(to.openShareCode(code).error, undefined, code);
        assert.equal(to.comboFile(), from.comboFile());
        assert.deepEqual(to.lines(), from.lines());
        from.delete();
        to.delete();
    }
});

test("a link cut short, padded or extended is refused and changes nothing", () => {
    const wb = new kov.Workbench();
    wb.openText(randomComboText(randomGenerator(5)), "combo.kovcombo");
    const code = wb.shareCode();
    const before = wb.comboFile();
    for (const damaged of [code.slice(0, -1), code.slice(0, -2), `${code}A`, `${code}AA`, code.replace("c1=", "c1=="),
        "", "c", "c1", "x1=AAAA", code.slice(0, 10)]) {
        const result = wb.openShareCode(damaged);
        assert.equal(typeof result.error, "string", `"${damaged}" is refused`);
        assert.equal(wb.comboFile(), before);
    }
    wb.delete();
});
