// SPDX-License-Identifier: MIT
// Random combo files of everything the window can make, from a seed, so a
// failing case can be replayed.
const kovRates = ["0.5", "0.6", "0.7", "0.8", "0.9", "1.0", "1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7",
    "1.8", "1.9", "2.0", "2.1", "2.3", "2.5", "2.8", "3.2", "4.0"];
const hitRates = ["0.990", "0.980", "0.970", "0.960", "0.950", "0.940", "0.930", "0.920", "0.910", "0.900",
    "0.890", "0.880", "0.870", "0.860", "0.850"];
const types = ["CEIL", "WALL", "FLOOR", "EXTRA"];

export function randomGenerator(seed) {
    let state = BigInt(seed) || 1n;
    // xorshift64*: small, and the same sequence under every engine.
    return (n) => {
        state ^= state >> 12n;
        state ^= (state << 25n) & 0xffffffffffffffffn;
        state ^= state >> 27n;
        const out = (state * 0x2545f4914f6cdd1dn) & 0xffffffffffffffffn;
        return Number(out % BigInt(n));
    };
}

export function randomComboText(below) {
    const pick = (list) => list[below(list.length)];
    const hits = Array.from({ length: 1 + below(15) }, () => {
        const core = below(4) === 0;
        const linkTrap = below(3) === 0;
        // Large damage only now and then, so kills and small totals both occur.
        const damage = below(5) === 0 ? below(1000) : below(150);
        return `{"type": "${pick(types)}", "damage": ${damage}, "kovRate": ${pick(kovRates)}, ` +
            `"hitRate": ${core ? "1" : pick(hitRates)}, "unDefence": ${below(4) === 0}, "hitsLeft": ${1 + below(15)}, ` +
            `"calculate": ${below(5) !== 0}, "airier": ${below(3) === 0}, "core": ${core}, ` +
            `"counter": ${below(3) === 0}, "double": ${below(4) === 0}, "linkTrap": ${linkTrap}, ` +
            `"linkCount": ${linkTrap ? 2 + below(10) : 0}, "longRange": ${below(4) === 0}, ` +
            `"rapidChain": ${below(4) === 0}, "option": ${below(8) === 0}}`;
    });
    const hp = below(3) === 0 ? below(1000) : 200 + below(300);
    return `{"format": "kov-combo", "version": 1, "mode": "${below(2) ? "Real" : "Theory"}", ` +
        `"hp": ${hp}, "def": ${below(60)}, "hits": [${hits.join(", ")}]}\n`;
}
