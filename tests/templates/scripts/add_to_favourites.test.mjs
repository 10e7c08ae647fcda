import assert from 'node:assert/strict';
import {mkdir, writeFile} from 'node:fs/promises';
import path from 'node:path';
import {after, before, test} from 'node:test';

import {openBrowser} from './lib/chromium.mjs';
import {addToFavouritesInsert} from './lib/feature_values.mjs';
import {solidGif} from './lib/gif_image.mjs';
import {PageBuilder} from './lib/page_builder.mjs';

const keysHint = 'Press Ctrl+D (Cmd+D on a Mac) to bookmark this page.';
let browser;

before(async () => {
    browser = await openBrowser();
    await mkdir(path.join(browser.webRoot, 'sub', 'images'), {recursive: true});
    await writeFile(
        path.join(browser.webRoot, 'sub', 'images', 'star.gif'), solidGif(24, 24, [250, 200, 0]));
});
after(() => browser.close());

async function favouritesPage(headMode, file, inserts, title = 'Norvel "test" page') {
    const builder = new PageBuilder({headMode, pagePath: `sub/${file}`, title});
    for (const choices of inserts) {
        await builder.insert('addtofavor_nv', addToFavouritesInsert(choices));
    }
    return browser.origin + (await builder.write(browser.webRoot));
}

for (const headMode of ['inline', 'external']) {
    test(`${headMode}: the link tells how to bookmark, and the message shows`, async () => {
        const url = await favouritesPage(headMode, `text-${headMode}.html`, [
            {link: {text: 'Bookmark "us"'}, message: 'Don\'t forget to "bookmark" us!'},
            {link: {text: 'Or this one'}},
        ]);
        const page = await browser.newPage();
        await page.goto(url);
        assert.equal(await page.locator('script[name="addtofavor_nv"]').count(), 1);

        const link = page.getByRole('link', {name: 'Bookmark "us"'});
        assert.equal(await link.getAttribute('href'), url);
        const paragraphs = page.locator('p');
        assert.match(await paragraphs.nth(0).innerText(), /Don't forget to "bookmark" us!/);
        assert.doesNotMatch(await paragraphs.nth(1).innerText(), /forget/);

        const hint = page.locator('.addtofavor_nv-hint').first();
        assert.equal(await hint.innerText(), '');
        await link.click();
        assert.equal((await hint.innerText()).trim(), keysHint);
        assert.equal(await hint.getAttribute('role'), 'status');
        assert.equal(page.url(), url, 'the click navigated');
        assert.equal(await page.locator('.addtofavor_nv-hint').nth(1).innerText(), '');
        browser.expectClean(page);
        await page.close();
    });
}

test('a picture link for another address names that page in the hint', async () => {
    const other = `${new URL(browser.origin).host}/other.html`;
    const url = await favouritesPage('inline', 'picture.html', [
        {link: {image: 'images/star.gif'}, url: other, title: 'The "other" page'},
    ]);
    const page = await browser.newPage();
    await page.goto(url);
    const link = page.getByRole('link', {name: 'Bookmark The "other" page'});
    assert.equal(await link.getAttribute('href'), `http://${other}`);
    const picture = link.locator('img');
    assert.equal(await picture.getAttribute('src'), 'images/star.gif');
    assert.ok(await picture.evaluate((img) => img.complete && img.naturalWidth === 24));
    await link.click();
    assert.equal(
        (await page.locator('.addtofavor_nv-hint').innerText()).trim(),
        'Open \u201cThe "other" page\u201d with this link, then press Ctrl+D (Cmd+D on a Mac) ' +
            'to bookmark it.');
    assert.equal(page.url(), url);
    browser.expectClean(page);
    await page.close();
});

test('a browser that bookmarks for pages is used, and shows no message', async () => {
    const url = await favouritesPage('external', 'direct.html', [
        {link: {text: 'Add us'}, title: 'Direct title', message: 'Please bookmark us'},
    ]);
    const page = await browser.newPage();
    await page.addInitScript(() => {
        window.bookmarked = [];
        window.external.AddFavorite = (address, title) => window.bookmarked.push([address, title]);
    });
    await page.goto(url);
    assert.doesNotMatch(await page.locator('body').innerText(), /Please bookmark us/);
    const link = page.getByRole('link', {name: 'Add us'});
    await link.click();
    assert.deepEqual(await page.evaluate(() => window.bookmarked), [[url, 'Direct title']]);
    assert.equal(await page.locator('.addtofavor_nv-hint').innerText(), '');
    browser.expectClean(page);
    await page.close();
});
