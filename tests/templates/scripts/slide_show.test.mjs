import assert from 'node:assert/strict';
import path from 'node:path';
import {after, before, test} from 'node:test';

import {openBrowser} from './lib/chromium.mjs';
import {slideShowInsert} from './lib/feature_values.mjs';
import {PageBuilder} from './lib/page_builder.mjs';
import {writeSlidePictures} from './lib/slide_pictures.mjs';

const pictures = ['a.gif', 'b.gif', 'c.gif', 'd.gif', 'e.gif'];
let browser;

before(async () => {
    browser = await openBrowser();
    await writeSlidePictures(path.join(browser.webRoot, 'sub'), pictures);
});
after(() => browser.close());

// shows: [{pictures, trans}], numbered from 0.
async function slideShowPage(headMode, file, shows) {
    const builder = new PageBuilder({headMode, pagePath: `sub/${file}`});
    for (const [number, show] of shows.entries()) {
        await builder.insert('slide_nv', slideShowInsert(number, show.pictures, show.trans));
    }
    return browser.origin + (await builder.write(browser.webRoot));
}

function shownPicture(page, number) {
    return page.locator(`#photoslider_NV${number} img.slide_nv-shown`).getAttribute('src');
}

function clickLink(page, number, caption) {
    return page.locator(`table:has(#photoslider_NV${number})`).getByText(caption).click();
}

// Waits until the show's change has ended: no animation left and one picture shown.
function waitSettled(page, number) {
    return page.waitForFunction((n) => {
        const show = document.getElementById(`photoslider_NV${n}`);
        const visible = [...show.querySelectorAll('img')].filter(
            (img) => getComputedStyle(img).display !== 'none');
        return show.getAnimations({subtree: true}).length === 0 && visible.length === 1 &&
            visible[0].classList.contains('slide_nv-shown');
    }, number);
}

// Clicks "Next Slide" and describes the animation that the change runs.
async function nextAndCaptureAnimation(page, number) {
    await clickLink(page, number, 'Next Slide');
    const handle = await page.waitForFunction((n) => {
        const show = document.getElementById(`photoslider_NV${n}`);
        const animations = show.getAnimations({subtree: true});
        if (animations.length === 0)
            return null;
        return {
            transition: Number(show.dataset.transition),
            signature:
                animations
                    .map(
                        (a) => (a.effect.target.classList.contains('slide_nv-shown') ? 'in:' :
                                                                                       'out:') +
                            JSON.stringify(a.effect.getKeyframes()))
                    .join('|'),
        };
    }, number, {polling: 'raf'});
    return handle.jsonValue();
}

for (const headMode of ['inline', 'external']) {
    test(`${headMode}: links step through two independent shows`, async () => {
        const url = await slideShowPage(headMode, `steps-${headMode}.html`, [
            {pictures: ['a.gif', 'b.gif', 'c.gif'], trans: '1'},
            {pictures: ['d.gif', 'e.gif'], trans: '-1'},
        ]);
        const page = await browser.newPage();
        await page.goto(url);
        assert.equal(await page.locator('script[name="slide_nv"]').count(), 1);
        assert.equal(await shownPicture(page, 0), 'slide_img/a.gif');
        assert.equal(await shownPicture(page, 1), 'slide_img/d.gif');

        const steps = [
            ['Next Slide', 'b.gif'], ['Next Slide', 'c.gif'], ['Next Slide', 'a.gif'],
            ['Previous Slide', 'c.gif'], ['Previous Slide', 'b.gif']
        ];
        for (const [caption, expected] of steps) {
            await clickLink(page, 0, caption);
            assert.equal(await shownPicture(page, 0), `slide_img/${expected}`, caption);
        }
        assert.equal(await shownPicture(page, 1), 'slide_img/d.gif', 'the other show moved');

        await clickLink(page, 1, 'Previous Slide');
        assert.equal(await shownPicture(page, 1), 'slide_img/e.gif');
        assert.equal(await shownPicture(page, 0), 'slide_img/b.gif', 'the other show moved');
        await waitSettled(page, 0);
        await waitSettled(page, 1);
        assert.equal(
            await page.locator('#photoslider_NV0 img:visible').getAttribute('src'),
            'slide_img/b.gif');
        browser.expectClean(page);
        await page.close();
    });
}

test('every transition choice runs, and the 23 numbered ones differ', async () => {
    const shows = Array.from(
        {length: 24},
        (_, k) => ({pictures: ['a.gif', 'b.gif'], trans: k === 0 ? '-1' : String(k)}));
    const url = await slideShowPage('inline', 'transitions.html', shows);
    const page = await browser.newPage();
    await page.goto(url);

    const signatures = new Map();
    for (let number = 0; number < 24; number++) {
        const {transition, signature} = await nextAndCaptureAnimation(page, number);
        if (number === 0) {
            assert.ok(transition >= 1 && transition <= 23, `random chose ${transition}`);
        } else {
            assert.equal(transition, number);
            signatures.set(number, signature);
        }
    }
    assert.equal(new Set(signatures.values()).size, 23, 'two transitions animate the same way');

    for (let number = 0; number < 24; number++) {
        await waitSettled(page, number);
        assert.equal(await shownPicture(page, number), 'slide_img/b.gif');
    }
    browser.expectClean(page);
    await page.close();
});

test('random picks a transition on every change', async () => {
    const url = await slideShowPage(
        'external', 'random.html', [{pictures: ['a.gif', 'b.gif', 'c.gif'], trans: '-1'}]);
    const page = await browser.newPage();
    await page.goto(url);
    // A click during a running change ends it and starts the next one.
    const chosen = new Set();
    for (let change = 0; change < 10; change++) {
        chosen.add((await nextAndCaptureAnimation(page, 0)).transition);
    }
    assert.ok(chosen.size >= 3, `10 random changes used only ${[...chosen]}`);
    await waitSettled(page, 0);
    assert.equal(await shownPicture(page, 0), 'slide_img/b.gif');
    browser.expectClean(page);
    await page.close();
});

test('reduced motion changes pictures at once, without animation', async () => {
    const url = await slideShowPage('inline', 'reduced.html', [
        {pictures: ['a.gif', 'b.gif'], trans: '8'},
        {pictures: ['c.gif', 'd.gif'], trans: '-1'},
    ]);
    const page = await browser.newPage();
    await page.emulateMedia({reducedMotion: 'reduce'});
    await page.goto(url);
    for (const number of [0, 1]) {
        await clickLink(page, number, 'Next Slide');
        const state = await page.evaluate((n) => {
            const show = document.getElementById(`photoslider_NV${n}`);
            const visible = [...show.querySelectorAll('img')].filter(
                (img) => getComputedStyle(img).display !== 'none');
            return {
                animations: show.getAnimations({subtree: true}).length,
                visible: visible.map((img) => img.getAttribute('src')),
            };
        }, number);
        assert.deepEqual(
            state,
            {animations: 0, visible: [number === 0 ? 'slide_img/b.gif' : 'slide_img/d.gif']});
    }
    browser.expectClean(page);
    await page.close();
});
