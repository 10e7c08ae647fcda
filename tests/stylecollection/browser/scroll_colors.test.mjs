// The pages the style collection coloured (run.sh plays sessions/*.nvs first), opened in
// headless Chromium: the root element's computed `scrollbar-color` after each target.
import assert from 'node:assert/strict';
import {cp} from 'node:fs/promises';
import {after, before, test} from 'node:test';

import {openBrowser} from '../../templates/scripts/lib/chromium.mjs';

const generatedWeb = process.env.NORVEL_GENERATED_WEB;
let browser;

before(async () => {
    assert.ok(generatedWeb, 'NORVEL_GENERATED_WEB names the generated web (use run.sh)');
    browser = await openBrowser();
    await cp(generatedWeb, browser.webRoot, {recursive: true});
});
after(() => browser.close());

async function scrollbarColor(pagePath) {
    const page = await browser.newPage();
    await page.goto(`${browser.origin}/${pagePath}`);
    const color = await page.evaluate(
        () => getComputedStyle(document.documentElement).scrollbarColor);
    // The old browsers' properties are still written, and ignored here without complaint.
    browser.expectClean(page);
    await page.close();
    return color;
}

test('All Pages colours every root page', async () => {
    assert.equal(await scrollbarColor('one.htm'), 'rgb(128, 128, 128) rgb(238, 238, 238)');
});

test('the current page gets its own colours; cleared colours leave the default', async () => {
    assert.equal(await scrollbarColor('single.htm'), 'rgb(255, 0, 0) rgb(255, 153, 153)');
    assert.equal(await scrollbarColor('two.html'), 'auto');
});

test('a linked sheet colours the pages that link it, and only those', async () => {
    assert.equal(await scrollbarColor('sub/linked.htm'), 'rgb(0, 0, 255) rgb(255, 255, 0)');
    assert.equal(await scrollbarColor('sub/plain.htm'), 'auto');
});
