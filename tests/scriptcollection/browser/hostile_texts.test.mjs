// Texts that could end a script string or the script element (run.sh plays
// sessions/hostile_texts.nvs first): the page runs without a syntax error and every text that
// lands in a script string arrives exactly as typed.
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

// As typed in sessions/hostile_texts.nvs.
const title = 'Closing </script> tag <!-- <script> "q" \'a\' \\ \u2028 \u2029 \u00dcber end';
const message = 'Say </SCRIPT> and <!-- "hi" \\ \u2028 caf\u00e9';
const address = 'http://example.com/?q=</script>&x=\'1\'';
const fading = 'Closing </script> tag <script> "q" \\ \u2028 end <!-- rest';
const linkAddress = 'http://example.com/it\'s?a=1&b=</script>';

test('favourites carry hostile texts into their script strings exactly', async () => {
    const page = await browser.newPage();
    await page.goto(`${browser.origin}/hostile.html`);
    assert.equal(await page.evaluate(() => window.msg_NV), message);
    const link = page.locator('a.addtofavor_nv');
    assert.equal(await link.count(), 1, 'the script ran to its end');
    assert.equal(await link.getAttribute('href'), address);
    await link.click();
    assert.equal(
        await page.locator('.addtofavor_nv-hint').textContent(),
        ` Open \u201c${title}\u201d with this link, then press Ctrl+D (Cmd+D on a Mac) to ` +
            'bookmark it.');
    assert.match(await page.locator('body').innerText(), /Page hostile texts/);
    browser.expectClean(page);
    await page.close();
});

test('fading messages show hostile texts as typed', async () => {
    const page = await browser.newPage();
    await page.goto(`${browser.origin}/hostile.html`);
    const shown = await page.evaluate(async () => {
        const box = document.querySelector('.fadingmessages_nv');
        const text = box.querySelector('.fadingmessages_nv-text');
        const markup = {};
        const end = performance.now() + 4000;
        while (performance.now() < end && Object.keys(markup).length < 2) {
            markup[box.dataset.index] = text.innerHTML;
            await new Promise((resolve) => requestAnimationFrame(resolve));
        }
        return markup;
    });
    // The message is markup: it shows as the browser reads the typed text.
    const asParsed = await page.evaluate((typed) => {
        const probe = document.createElement('div');
        probe.innerHTML = typed;
        return probe.innerHTML;
    }, fading);
    assert.equal(shown['0'], asParsed);
    const link = await page.evaluate((markup) => {
        const probe = document.createElement('div');
        probe.innerHTML = markup;
        const a = probe.querySelector('a');
        return {href: a.getAttribute('href'), target: a.target, text: a.textContent};
    }, shown['1']);
    assert.deepEqual(link, {href: linkAddress, target: '_blank', text: 'read  more'});
    assert.match(shown['1'], /^Second<br>line/);
    browser.expectClean(page);
    await page.close();
});
