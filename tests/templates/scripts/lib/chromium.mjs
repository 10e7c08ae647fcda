// Starts Debian's Chromium through playwright-core with a fresh profile and a web
// folder served on 127.0.0.1, and watches every page for script errors.
import assert from 'node:assert/strict';
import {mkdtemp, rm} from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import {chromium} from 'playwright-core';

import {startStaticServer} from './static_server.mjs';

const chromiumArgs = [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'
];

// One browser and one web folder for a test file. newPage() records console errors,
// page errors and any request that would leave this machine; expectClean() fails the
// test on any of them.
export async function openBrowser() {
    const webRoot = await mkdtemp(path.join(os.tmpdir(), 'norvel-web-'));
    const profile = await mkdtemp(path.join(os.tmpdir(), 'norvel-chromium-'));
    const server = await startStaticServer(webRoot);
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: '/usr/bin/chromium',
        headless: true,
        args: chromiumArgs,
    });
    const problems = new Map();

    await context.route('**/*', (route) => {
        const url = new URL(route.request().url());
        if (url.protocol === 'data:' || url.host === server.host)
            return route.continue();
        return route.abort('blockedbyclient');
    });

    async function newPage() {
        const page = await context.newPage();
        const found = [];
        problems.set(page, found);
        page.on('console', (message) => {
            if (message.type() === 'error')
                found.push(`console: ${message.text()}`);
        });
        page.on('pageerror', (error) => found.push(`page error: ${error.message}`));
        page.on('request', (request) => {
            const url = new URL(request.url());
            if (url.protocol !== 'data:' && url.host !== server.host) {
                found.push(`request off this machine: ${request.url()}`);
            }
        });
        return page;
    }

    function expectClean(page) {
        assert.deepEqual(problems.get(page), [], 'the page reported errors');
    }

    async function close() {
        await context.close();
        await server.close();
        await rm(profile, {recursive: true, force: true});
        await rm(webRoot, {recursive: true, force: true});
    }

    return {webRoot, origin: server.origin, newPage, expectClean, close};
}
