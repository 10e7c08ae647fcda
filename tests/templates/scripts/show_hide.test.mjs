import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {openBrowser} from './lib/chromium.mjs';
import {showHideInsert} from './lib/feature_values.mjs';
import {PageBuilder} from './lib/page_builder.mjs';

let browser;

before(async () => {
    browser = await openBrowser();
});
after(() => browser.close());

async function sectionsPage(headMode, file) {
    const builder = new PageBuilder({headMode, pagePath: `sub/${file}`});
    builder.addMarkup('<p>Before the sections</p>');
    await builder.insert('showhide_nv', showHideInsert(1, 'First section'));
    await builder.insert('showhide_nv', showHideInsert(2, 'Second section'));
    return browser.origin + (await builder.write(browser.webRoot));
}

// Open state of both sections, as the button says it and as the visitor sees it.
async function states(page) {
    const result = [];
    for (const name of ['First section', 'Second section']) {
        const button = page.getByRole('button', {name});
        const body = page.locator(`#${await button.getAttribute('aria-controls')}`);
        const expanded = await button.getAttribute('aria-expanded');
        const visible = await body.isVisible();
        assert.equal(expanded, String(visible), `${name}: aria-expanded disagrees with the page`);
        result.push(visible);
    }
    return result;
}

for (const headMode of ['inline', 'external']) {
    test(`${headMode}: two sections open and close by mouse and keyboard`, async () => {
        const url = await sectionsPage(headMode, `sections-${headMode}.html`);
        const page = await browser.newPage();
        await page.goto(url);
        assert.equal(await page.locator('script[name="showhide_nv"]').count(), 1);
        assert.equal(
            await page.locator('#ShowHide1_button').getAttribute('aria-controls'),
            'ShowHide1_body');
        assert.equal(
            await page.locator('#ShowHide2_button').getAttribute('aria-controls'),
            'ShowHide2_body');
        assert.deepEqual(await states(page), [false, false]);

        await page.getByRole('button', {name: 'First section'}).click();
        assert.deepEqual(await states(page), [true, false]);
        assert.equal(
            await page.getByRole('region', {name: 'First section'}).innerText(),
            'Replace this text with the content of the section.');

        // Keyboard: Tab from the first button reaches the second.
        await page.keyboard.press('Tab');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'ShowHide2_button');
        await page.keyboard.press('Enter');
        assert.deepEqual(await states(page), [true, true]);
        await page.keyboard.press('Space');
        assert.deepEqual(await states(page), [true, false]);

        await page.getByRole('button', {name: 'First section'}).focus();
        await page.keyboard.press('Space');
        assert.deepEqual(await states(page), [false, false]);
        await page.keyboard.press('Enter');
        assert.deepEqual(await states(page), [true, false]);
        browser.expectClean(page);
        await page.close();
    });
}

test('without the script the section text stays readable', async () => {
    const url = await sectionsPage('inline', 'no-script.html');
    const page = await browser.newPage();
    await page.route('**/*', async (route) => {
        const response = await route.fetch();
        const html =
            (await response.text()).replace(/<script name ="showhide_nv"[\s\S]*?<\/script>/, '');
        await route.fulfill({response, body: html});
    });
    await page.goto(url);
    assert.equal(await page.locator('.showhide_nv-body').first().isVisible(), true);
    browser.expectClean(page);
    await page.close();
});
