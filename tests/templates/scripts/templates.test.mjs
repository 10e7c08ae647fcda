// Checks on the template files themselves and on the test-side page builder that the
// browser tests rely on.
import assert from 'node:assert/strict';
import {test} from 'node:test';
import vm from 'node:vm';

import {addToFavouritesInsert, currentDateInsert, fadingMessagesInsert, showHideInsert, slideShowInsert} from './lib/feature_values.mjs';
import {readFragment, readHeadFunctions, webbotBlock, wrapInScript} from './lib/page_builder.mjs';
import {fillTemplate, MissingPlaceholderError, placeholderNames} from './lib/template_fill.mjs';

const features = {
    addtofavor_nv: ['link', 'url', 'title', 'other'],
    slide_nv: ['i', 'strpic', 'Trans', 'name'],
    fadingmessages_nv: ['messages', 'width', 'height', 'delay', 'border'],
    date_nv: [],
    showhide_nv: ['id string', 'id number', 'link'],
};

test('filling trims names, matches case exactly and fills placeholders inside values', () => {
    assert.equal(fillTemplate('a<*x*>b', {x: '1'}), 'a1b');
    assert.equal(fillTemplate('<* x *>', {x: '1'}), '1');
    assert.throws(() => fillTemplate('<*X*>', {x: '1'}), MissingPlaceholderError);
    assert.equal(fillTemplate('[<*outer*>]', {outer: '<*inner*>!', inner: 'in'}), '[in!]');
    assert.equal(fillTemplate('left <*open', {}), 'left <*open');
    assert.equal(fillTemplate('', {}), '');
});

test('the webbot block and the script wrapping have the editor format', () => {
    const block =
        webbotBlock(new Map([['dir', 'x1'], ['T', 'P2'], ['clientside', ''], ['S-HTML', 'X']]));
    assert.equal(
        block,
        '<p><!--webbot bot="norvelfpbot" s-class="norvelfp.main" clientside dir="x1" T="P2" ' +
            'startspan -->\r\nX\r\n<!--webbot bot="norvelfpbot" endspan --></p>');
    assert.equal(
        wrapInScript('f();'),
        '<script type="text/javascript">\r\n<!-- Begin\r\nf();\r\n// End -->\r\n</script>');
});

test('each fragment uses exactly the placeholders its dialog fills', async () => {
    for (const [name, expected] of Object.entries(features)) {
        const used = placeholderNames(await readFragment(name));
        assert.deepEqual([...used].sort(), [...expected].sort(), name);
    }
});

// An inline head script ends at the first "</script"; "<!--" would change how the
// HTML parser looks for that end.
test('head functions are valid scripts that survive being written inline', async () => {
    for (const name of Object.keys(features)) {
        const functions = await readHeadFunctions(name);
        assert.doesNotMatch(functions, /<\/script|<!--|<script/i, name);
        assert.doesNotThrow(() => new vm.Script(functions, {filename: `${name}.js`}), name);
        assert.match(functions, /^[\x09\x0a\x0d\x20-\x7e]*$/, `${name}: non-ASCII text`);
    }
});

test('filled fragments are valid scripts or markup', async () => {
    const slide = slideShowInsert(0, ['a.gif', 'b.gif'], '-1');
    const favourites = addToFavouritesInsert(
        {link: {image: 'images/a "b".gif'}, url: 'x/"y"', title: 'T', message: 'say "hi"'});
    for (const [name, values] of [
             ['slide_nv', slide.values], ['addtofavor_nv', favourites.values],
             ['date_nv', currentDateInsert().values ?? {}]]) {
        const script = fillTemplate(await readFragment(name), values);
        assert.doesNotMatch(script, /<script/i, name);
        assert.doesNotThrow(() => new vm.Script(script), name);
    }
    const ticker = fadingMessagesInsert(
        [{text: 'a\r\n"b"'}, {text: 'c', url: 'h/p', linkText: 'l', target: '_self'}]);
    const markup = fillTemplate(await readFragment('fadingmessages_nv'), ticker.values);
    const inner = markup.match(/^<script type="text\/javascript">([\s\S]*)<\/script>$/);
    assert.ok(inner, 'the fading-messages fragment brings its own script element');
    assert.doesNotThrow(() => new vm.Script(inner[1]));
    const section =
        fillTemplate(await readFragment('showhide_nv'), showHideInsert(3, 'Title').values);
    assert.doesNotMatch(section, /<script/i);
    assert.match(section, /id="ShowHide3_button"[^>]*aria-controls="ShowHide3_body"/);
});
