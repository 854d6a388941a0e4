// SPDX-License-Identifier: MIT
// Draws the program's 32 x 32 XPM icon as the site's PNG icons, each pixel a
// square block, so the home-screen icon is the window's own picture.
import { readFileSync, writeFileSync, mkdirSync } from "node:fs";
import { deflateSync } from "node:zlib";

const [, , xpmPath, outDir] = process.argv;
const strings = [...readFileSync(xpmPath, "utf8").matchAll(/"([^"]*)"/g)].map((m) => m[1]);
const [width, height, colours, perPixel] = strings[0].split(/\s+/).map(Number);
const palette = new Map();
for (const line of strings.slice(1, 1 + colours)) {
    const key = line.slice(0, perPixel);
    const value = /\bc\s+(\S+)/.exec(line.slice(perPixel))[1];
    palette.set(key, value.toLowerCase() === "none" ? null : value);
}
const pixels = strings.slice(1 + colours, 1 + colours + height);

const crcTable = Array.from({ length: 256 }, (_, n) => {
    let c = n;
    for (let k = 0; k < 8; k += 1)
        c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    return c >>> 0;
});
const crc32 = (bytes) => {
    let c = 0xffffffff;
    for (const b of bytes)
        c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
    return (c ^ 0xffffffff) >>> 0;
};
const chunk = (type, data) => {
    const out = Buffer.alloc(12 + data.length);
    out.writeUInt32BE(data.length, 0);
    out.write(type, 4, "latin1");
    data.copy(out, 8);
    out.writeUInt32BE(crc32(out.subarray(4, 8 + data.length)), 8 + data.length);
    return out;
};

// `background` fills the transparent pixels: a maskable icon may not have any.
function png(size, background) {
    const scale = size / width;
    const raw = Buffer.alloc(size * (size * 4 + 1));
    for (let y = 0; y < size; y += 1) {
        const row = pixels[Math.floor(y / scale)];
        raw[y * (size * 4 + 1)] = 0;
        for (let x = 0; x < size; x += 1) {
            const colour = palette.get(row.substr(Math.floor(x / scale) * perPixel, perPixel)) ?? background;
            const at = y * (size * 4 + 1) + 1 + x * 4;
            if (colour) {
                raw.writeUInt32BE(((Number.parseInt(colour.slice(1), 16) << 8) | 0xff) >>> 0, at);
            }
        }
    }
    const header = Buffer.alloc(13);
    header.writeUInt32BE(size, 0);
    header.writeUInt32BE(size, 4);
    header[8] = 8;
    header[9] = 6;
    return Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk("IHDR", header),
        chunk("IDAT", deflateSync(raw)), chunk("IEND", Buffer.alloc(0))]);
}

mkdirSync(outDir, { recursive: true });
writeFileSync(`${outDir}/favicon.png`, png(32, null));
writeFileSync(`${outDir}/icon-192.png`, png(192, "#c0c0c0"));
writeFileSync(`${outDir}/icon-512.png`, png(512, "#c0c0c0"));
