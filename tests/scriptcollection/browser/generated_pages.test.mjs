// The pages that the dialogs generated (run.sh plays sessions/generate.nvs first), opened in
// headless Chromium: root pages carry the functions in their head, pages two folders down
// refer to scripts_nv/ two folders up.
import assert from 'node:assert/strict';
import {cp} from 'node:fs/promises';
import {after, before, test} from 'node:test';

import {openBrowser} from '../../templates/scripts/lib/chromium.mjs';

const generatedWeb = process.env.NORVEL_GENERATED_WEB;
const keysHint = 'Press Ctrl+D (Cmd+D on a Mac) to bookmark this page.';
let browser;

before(async () => {
    assert.ok(generatedWeb, 'NORVEL_GENERATED_WEB names the generated web (use run.sh)');
    browser = await openBrowser();
    await cp(generatedWeb, browser.webRoot, {recursive: true});
});
after(() => browser.close());

async function open(pagePath) {
    const page = await browser.newPage();
    await page.goto(`${browser.origin}/${pagePath}`);
    return page;
}

function shownPicture(page, number) {
    return page.locator(`#photoslider_NV${number} img.slide_nv-shown`).getAttribute('src');
}

// Clicks a link of the show's table and waits until the change has ended.
async function step(page, number, caption) {
    await page.locator(`table:has(#photoslider_NV${number})`).getByText(caption).click();
    await page.waitForFunction((n) => {
        const show = document.getElementById(`photoslider_NV${n}`);
        const visible = [...show.querySelectorAll('img')].filter(
            (img) => getComputedStyle(img).display !== 'none');
        return show.getAnimations({subtree: true}).length === 0 && visible.length === 1;
    }, number);
}

test('slide shows advance with their own links', async () => {
    const page = await open('slides.html');
    assert.equal(await page.locator('script[name="slide_nv"]').count(), 1);
    assert.equal(await shownPicture(page, 0), 'slide_img/red.gif');
    assert.equal(await shownPicture(page, 1), 'slide_img/blue.gif');
    await step(page, 0, 'Next Slide');
    assert.equal(await shownPicture(page, 0), 'slide_img/green.gif');
    await step(page, 0, 'Next Slide');
    assert.equal(await shownPicture(page, 0), 'slide_img/blue.gif');
    await step(page, 1, 'Previous Slide');
    assert.equal(await shownPicture(page, 1), 'slide_img/red.gif');
    assert.equal(await shownPicture(page, 0), 'slide_img/blue.gif', 'the other show moved');
    browser.expectClean(page);
    await page.close();
});

test('a slide show two folders down loads its functions file and pictures', async () => {
    const page = await open('a/b/slides.html');
    assert.equal(
        await page.locator('script[name="slide_nv"]').getAttribute('src'),
        '../../scripts_nv/slide_nv.js');
    assert.equal(await shownPicture(page, 0), 'slide_img/green.gif');
    assert.ok(await page.locator('#photoslider_NV0 img.slide_nv-shown')
                  .evaluate((img) => img.complete && img.naturalWidth === 1));
    await step(page, 0, 'Next Slide');
    assert.equal(await shownPicture(page, 0), 'slide_img/red.gif');
    browser.expectClean(page);
    await page.close();
});

// The message indexes a fading box shows in turn over `durationMs`, and each one's markup.
function observe(page, selector, durationMs) {
    return page.evaluate(async ([selector, durationMs]) => {
        const box = document.querySelector(selector);
        const text = box.querySelector('.fadingmessages_nv-text');
        const seen = [];
        const markup = {};
        const end = performance.now() + durationMs;
        while (performance.now() < end) {
            if (box.dataset.index !== seen[seen.length - 1])
                seen.push(box.dataset.index);
            markup[box.dataset.index] = text.innerHTML;
            await new Promise((resolve) => requestAnimationFrame(resolve));
        }
        return {seen, markup};
    }, [selector, durationMs]);
}

test('fading messages cycle and keep quotes, backslashes, breaks and links', async () => {
    const page = await open('fading.html');
    const {seen, markup} = await observe(page, '.fadingmessages_nv', 4500);
    for (const index of ['0', '1', '2'])
        assert.ok(seen.includes(index), `message ${index} never shown: ${seen}`);
    assert.ok(seen.indexOf('0') < seen.indexOf('1') && seen.indexOf('1') < seen.indexOf('2'));
    assert.equal(markup['0'], 'First line<br>second "quoted" line \\ end');
    assert.match(markup['1'], /^Second message/);
    assert.match(
        markup['1'], /<a target="_blank" href="http:\/\/example.com\/target">read "more"<\/a>/);
    assert.equal(markup['2'], 'Third message');
    browser.expectClean(page);
    await page.close();
});

test('fading messages two folders down cycle with the external functions', async () => {
    const page = await open('a/b/fading.html');
    const {seen, markup} = await observe(page, '.fadingmessages_nv', 2500);
    assert.ok(seen.includes('0') && seen.includes('1'), `${seen}`);
    assert.equal(markup['1'], 'Deep two');
    browser.expectClean(page);
    await page.close();
});

function todayIn(language) {
    const longDate = {weekday: 'long', year: 'numeric', month: 'long', day: 'numeric'};
    const now = new Date();
    const yesterday = new Date(now.getTime() - 24 * 60 * 60 * 1000);
    return [now, yesterday].map((date) => date.toLocaleDateString(language, longDate));
}

for (const [pagePath, blocks] of [['date.html', 1], ['a/b/date.html', 2]]) {
    test(`${pagePath}: every date block writes today's date`, async () => {
        const page = await open(pagePath);
        const dates = page.locator('time.date_nv');
        assert.equal(await dates.count(), blocks);
        for (let i = 0; i < blocks; i++) {
            const text = await dates.nth(i).innerText();
            assert.ok(todayIn('en').includes(text), `"${text}" is not today`);
        }
        browser.expectClean(page);
        await page.close();
    });
}

async function expanded(page, name) {
    const button = page.getByRole('button', {name});
    const body = page.locator(`#${await button.getAttribute('aria-controls')}`);
    assert.equal(await button.getAttribute('aria-expanded'), String(await body.isVisible()));
    return body.isVisible();
}

test('show and hide sections toggle independently', async () => {
    const page = await open('sections.html');
    assert.equal(await expanded(page, 'First section'), false);
    assert.equal(await expanded(page, 'Second section'), false);
    await page.getByRole('button', {name: 'Second section'}).click();
    assert.equal(await expanded(page, 'Second section'), true);
    assert.equal(await expanded(page, 'First section'), false);
    await page.getByRole('button', {name: 'Second section'}).click();
    assert.equal(await expanded(page, 'Second section'), false);
    browser.expectClean(page);
    await page.close();

    const deep = await open('a/b/sections.html');
    await deep.getByRole('button', {name: 'Deep section'}).click();
    assert.equal(await expanded(deep, 'Deep section'), true);
    browser.expectClean(deep);
    await deep.close();
});

test('favourite links show the fallback message and the bookmarking hint', async () => {
    const page = await open('favourites.html');
    const url = `${browser.origin}/favourites.html`;
    assert.match(await page.locator('body').innerText(), /Don't forget to "bookmark" us \\o\//);
    const link = page.getByRole('link', {name: 'Bookmark "us"'});
    assert.equal(await link.getAttribute('href'), url);
    await link.click();
    assert.equal((await page.locator('.addtofavor_nv-hint').first().innerText()).trim(), keysHint);
    assert.equal(page.url(), url, 'the click navigated');

    const other = page.getByRole('link', {name: 'Other page'});
    assert.equal(await other.getAttribute('href'), 'http://example.com/other');
    await other.click();
    assert.equal(
        (await page.locator('.addtofavor_nv-hint').nth(1).innerText()).trim(),
        'Open \u201cThe "other" page\u201d with this link, then press Ctrl+D (Cmd+D on a Mac) ' +
            'to bookmark it.');
    browser.expectClean(page);
    await page.close();

    const deep = await open('a/b/favourites.html');
    await deep.getByRole('link', {name: 'Bookmark deep'}).click();
    assert.equal((await deep.locator('.addtofavor_nv-hint').innerText()).trim(), keysHint);
    browser.expectClean(deep);
    await deep.close();
});
