// A static file server on 127.0.0.1 for one temporary web folder, so pages load over
// http like a published web rather than from file://.
import {readFile} from 'node:fs/promises';
import http from 'node:http';
import path from 'node:path';

const contentTypes = {
    '.html': 'text/html; charset=utf-8',
    '.htm': 'text/html; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.gif': 'image/gif',
    '.jpg': 'image/jpeg',
    '.png': 'image/png',
};

export async function startStaticServer(root) {
    const server = http.createServer(async (request, response) => {
        const urlPath = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
        const file = path.join(root, path.normalize(urlPath));
        if (!file.startsWith(root + path.sep)) {
            response.writeHead(403).end();
            return;
        }
        try {
            const body = await readFile(file);
            const type =
                contentTypes[path.extname(file).toLowerCase()] || 'application/octet-stream';
            response.writeHead(200, {'Content-Type': type, 'Cache-Control': 'no-store'});
            response.end(body);
        } catch {
            response.writeHead(404, {'Content-Type': 'text/plain'}).end('not found');
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const {port} = server.address();
    return {
        origin: `http://127.0.0.1:${port}`,
        host: `127.0.0.1:${port}`,
        close: () => new Promise((resolve) => server.close(resolve)),
    };
}
