// SPDX-License-Identifier: MIT
// A static file server for the built site on 127.0.0.1, as any static host
// serves it: files only, nothing computed. scripts/web.sh and the tests use it.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";

const types = {
    ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm",
    ".png": "image/png", ".webmanifest": "application/manifest+json",
};

// `close` stops it, as a lost network would.
export async function serveDirectory(root, port = 0) {
    const server = createServer(async (request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, "http://localhost").pathname));
        const file = join(root, path.endsWith("/") ? `${path}index.html` : path);
        try {
            const body = await readFile(file);
            response.writeHead(200, { "Content-Type": types[extname(file)] ?? "application/octet-stream" });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((resolve) => server.listen(port, "127.0.0.1", resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((resolve) => { server.closeAllConnections(); server.close(resolve); }),
    };
}

if (process.argv[1] === new URL(import.meta.url).pathname) {
    const [, , root, port] = process.argv;
    const { url } = await serveDirectory(root, Number(port ?? 8018));
    console.log(`Kov Calculator: ${url} (Ctrl+C stops)`);
}
