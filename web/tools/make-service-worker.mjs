// SPDX-License-Identifier: MIT
// Writes the site's service worker from its template: the list of the
// site's files and a cache name made from their contents.
import { createHash } from "node:crypto";
import { readFileSync, readdirSync, writeFileSync } from "node:fs";

const [, , templatePath, siteDir] = process.argv;
const files = readdirSync(siteDir).filter((name) => name !== "sw.js").sort();
const hash = createHash("sha256");
for (const name of files)
    hash.update(name).update(readFileSync(`${siteDir}/${name}`));
const list = JSON.stringify(["./", ...files]);
const text = readFileSync(templatePath, "utf8")
    .replace("@KOV_SITE_HASH@", hash.digest("hex").slice(0, 16))
    .replace("@KOV_SITE_FILES@", list);
writeFileSync(`${siteDir}/sw.js`, text);
