import assert from 'node:assert/strict';
import {writeFile} from 'node:fs/promises';
import path from 'node:path';
import {after, before, test} from 'node:test';

import {openBrowser} from './lib/chromium.mjs';
import {fadingMessagesInsert} from './lib/feature_values.mjs';
import {PageBuilder} from './lib/page_builder.mjs';

let browser;

before(async () => {
    browser = await openBrowser();
    await writeFile(
        path.join(browser.webRoot, 'target.html'),
        '<!DOCTYPE html><title>Target</title><link rel="icon" href="data:,">Arrived');
});
after(() => browser.close());

function messages() {
    const host = new URL(browser.origin).host;
    return [
        {text: 'First line\r\nsecond "quoted" line'},
        {
            text: 'Read more',
            url: `${host}/target.html`,
            linkText: 'in a new window',
            target: '_blank'
        },
        {text: 'Stay here', url: `${host}/target.html`, linkText: 'same window', target: '_self'},
    ];
}

async function tickerPage(headMode, file, boxes) {
    const builder = new PageBuilder({headMode, pagePath: `sub/${file}`});
    for (const box of boxes) {
        await builder.insert('fadingmessages_nv', fadingMessagesInsert(box.messages, box.settings));
    }
    return browser.origin + (await builder.write(browser.webRoot));
}

function box(page, n = 0) { return page.locator('.fadingmessages_nv').nth(n); }

function shownIndex(page, n = 0) { return box(page, n).getAttribute('data-index'); }

// Watches the box for a while: the messages it shows in turn, with their markup, and
// how many animation frames had a fade running.
function observe(page, n, durationMs) {
    return page.evaluate(async ([n, durationMs]) => {
        const element = document.querySelectorAll('.fadingmessages_nv')[n];
        const text = element.querySelector('.fadingmessages_nv-text');
        const seen = [];
        const markup = {};
        let fadingFrames = 0;
        const end = performance.now() + durationMs;
        while (performance.now() < end) {
            if (element.dataset.index !== seen[seen.length - 1])
                seen.push(element.dataset.index);
            markup[element.dataset.index] = text.innerHTML;
            fadingFrames += element.getAnimations({subtree: true}).length > 0 ? 1 : 0;
            await new Promise(requestAnimationFrame);
        }
        return {seen, markup, fadingFrames};
    }, [n, durationMs]);
}

// The messages shown in turn while watching.
async function observeSequence(page, n, durationMs) {
    return (await observe(page, n, durationMs)).seen;
}

for (const headMode of ['inline', 'external']) {
    test(`${headMode}: two boxes cycle their own messages in their own frames`, async () => {
        const url = await tickerPage(headMode, `cycle-${headMode}.html`, [
            {
                messages: messages(),
                settings: {width: '200', height: '90', delay: '300', border: '1'}
            },
            {
                messages: [{text: 'Other one'}, {text: 'Other two'}],
                settings: {width: '150', height: '40', delay: '300', border: '0'}
            },
        ]);
        const page = await browser.newPage();
        await page.goto(url);
        assert.equal(await page.locator('script[name="fadingmessages_nv"]').count(), 1);

        const frames =
            await page.locator('.fadingmessages_nv').evaluateAll((boxes) => boxes.map((element) => {
                const style = getComputedStyle(element);
                const {width, height} = element.getBoundingClientRect();
                return {width, height, border: style.borderTopWidth, style: style.borderTopStyle};
            }));
        assert.deepEqual(frames, [
            {width: 200, height: 90, border: '1px', style: 'solid'},
            {width: 150, height: 40, border: '0px', style: 'none'}
        ]);
        assert.equal(await page.locator('[aria-live="polite"]').count(), 2);

        const [first, other] = await Promise.all([observe(page, 0, 2600), observe(page, 1, 2600)]);
        const start = first.seen.indexOf('0');
        assert.deepEqual(
            first.seen.slice(start, start + 4), ['0', '1', '2', '0'], `shown: ${first.seen}`);
        assert.ok(
            other.seen.length >= 3 &&
            other.seen.every((index, i) => i === 0 || index !== other.seen[i - 1]));
        assert.deepEqual(new Set(other.seen), new Set(['0', '1']));
        const host = new URL(browser.origin).host;
        assert.deepEqual(first.markup, {
            0: 'First line<br>second "quoted" line',
            1: `Read more <a target="_blank" href="http://${host}/target.html">in a new window</a>`,
            2: `Stay here <a target="_self" href="http://${host}/target.html">same window</a>`,
        });
        assert.deepEqual(other.markup, {0: 'Other one', 1: 'Other two'});
        assert.ok(first.fadingFrames > 0, 'the messages changed without fading');
        browser.expectClean(page);
        await page.close();
    });
}

test('a hovered or focused box keeps its message', async () => {
    const url = await tickerPage('inline', 'pause.html', [
        {messages: messages(), settings: {width: '200', height: '90', delay: '300', border: '1'}},
    ]);
    const page = await browser.newPage();
    await page.goto(url);

    await box(page).hover();
    await page.waitForTimeout(150);  // a fade under way when the pointer came ends first
    const hovered = await shownIndex(page);
    assert.deepEqual(await observeSequence(page, 0, 1500), [hovered]);
    await page.mouse.move(0, 500);
    await page.waitForFunction(
        (index) => document.querySelector('.fadingmessages_nv').dataset.index !== index, hovered);

    await box(page).focus();
    await page.waitForTimeout(150);
    const focused = await shownIndex(page);
    assert.deepEqual(await observeSequence(page, 0, 1500), [focused]);
    await page.evaluate(() => document.activeElement.blur());
    await page.waitForFunction(
        (index) => document.querySelector('.fadingmessages_nv').dataset.index !== index, focused);
    browser.expectClean(page);
    await page.close();
});

// Pauses the first box the moment it shows message `index`, as a pointer arriving just then
// would. Waiting first and hovering after lets a busy machine bring the next message before the
// pointer gets there.
async function pauseAt(page, index) {
    await page.waitForFunction((wanted) => {
        const first = document.querySelector('.fadingmessages_nv');
        if (first.dataset.index !== wanted)
            return false;
        first.dispatchEvent(new MouseEvent('mouseenter'));
        return true;
    }, String(index));
}

test('message links open where the author chose', async () => {
    const url = await tickerPage('external', 'links.html', [
        {messages: messages(), settings: {width: '240', height: '90', delay: '400', border: '1'}},
    ]);
    const page = await browser.newPage();
    await page.goto(url);
    const text = box(page).locator('.fadingmessages_nv-text');

    // The pointer moving onto the link pauses the box, so the link stays while clicked.
    await pauseAt(page, 1);
    await box(page).hover();
    await page.waitForTimeout(150);
    const newWindow = text.getByRole('link', {name: 'in a new window'});
    assert.equal(await newWindow.getAttribute('target'), '_blank');
    const [popup] = await Promise.all([page.context().waitForEvent('page'), newWindow.click()]);
    await popup.waitForLoadState();
    assert.equal(new URL(popup.url()).pathname, '/target.html');
    assert.equal(new URL(page.url()).pathname, '/sub/links.html');
    await popup.close();

    // The clicked link keeps the focus, which keeps the box paused until it leaves.
    await page.evaluate(() => document.activeElement.blur());
    await page.mouse.move(0, 500);
    await pauseAt(page, 2);
    await box(page).hover();
    await page.waitForTimeout(150);
    browser.expectClean(page);
    await Promise.all(
        [page.waitForURL('**/target.html'), text.getByRole('link', {name: 'same window'}).click()]);
    await page.close();
});

test('reduced motion swaps messages without fading', async () => {
    const url = await tickerPage('inline', 'reduced.html', [
        {messages: messages(), settings: {width: '200', height: '90', delay: '300', border: '1'}},
    ]);
    const page = await browser.newPage();
    await page.emulateMedia({reducedMotion: 'reduce'});
    await page.goto(url);
    const {seen, fadingFrames} = await observe(page, 0, 1200);
    assert.ok(seen.length >= 3, `shown: ${seen}`);
    assert.equal(fadingFrames, 0);
    browser.expectClean(page);
    await page.close();
});
