import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {openBrowser} from './lib/chromium.mjs';
import {currentDateInsert} from './lib/feature_values.mjs';
import {PageBuilder} from './lib/page_builder.mjs';

const longDate = {
    weekday: 'long',
    year: 'numeric',
    month: 'long',
    day: 'numeric'
};
let browser;

before(async () => {
    browser = await openBrowser();
});
after(() => browser.close());

// Today's date as the visitor's browser would write it; the day before as well, in
// case midnight passes while the page loads.
function todayIn(language) {
    const now = new Date();
    const yesterday = new Date(now.getTime() - 24 * 60 * 60 * 1000);
    return [now, yesterday].map((date) => date.toLocaleDateString(language, longDate));
}

async function datePage(headMode, file, lang, blocks) {
    const builder = new PageBuilder({headMode, pagePath: `sub/${file}`, lang});
    for (let i = 0; i < blocks; i++) {
        builder.addMarkup(`<p>Paragraph ${i}</p>`);
        await builder.insert('date_nv', currentDateInsert());
    }
    return browser.origin + (await builder.write(browser.webRoot));
}

for (const headMode of ['inline', 'external']) {
    test(`${headMode}: each block writes today's date where it stands`, async () => {
        const url = await datePage(headMode, `date-${headMode}.html`, 'en-US', 2);
        const page = await browser.newPage();
        await page.goto(url);
        assert.equal(await page.locator('script[name="date_nv"]').count(), 1);
        const dates = page.locator('time.date_nv');
        assert.equal(await dates.count(), 2);
        const expected = todayIn('en-US');
        for (let i = 0; i < 2; i++) {
            const text = await dates.nth(i).innerText();
            assert.ok(expected.includes(text), `"${text}" is not one of ${expected}`);
            assert.match(text, /^[A-Z][a-z]+day, [A-Z][a-z]+ \d{1,2}, \d{4}$/);
            // Written inside the webbot paragraph that follows "Paragraph i".
            const before = await dates.nth(i).evaluate(
                (time) => time.parentElement.previousElementSibling.textContent);
            assert.equal(before, `Paragraph ${i}`);
        }
        const now = new Date();
        const iso = [now.getFullYear(), now.getMonth() + 1, now.getDate()]
                        .map((part) => String(part).padStart(2, '0'))
                        .join('-');
        assert.equal(await dates.first().getAttribute('datetime'), iso);
        browser.expectClean(page);
        await page.close();
    });
}

test('the date follows the page language', async () => {
    const url = await datePage('inline', 'date-de.html', 'de-DE', 1);
    const page = await browser.newPage();
    await page.goto(url);
    const text = await page.locator('time.date_nv').innerText();
    assert.ok(todayIn('de-DE').includes(text), `"${text}"`);
    assert.match(
        text,
        /^(Montag|Dienstag|Mittwoch|Donnerstag|Freitag|Samstag|Sonntag), \d{1,2}\. \S+ \d{4}$/);
    browser.expectClean(page);
    await page.close();
});
