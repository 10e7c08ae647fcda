// Composes test pages the way the script engine pastes a feature: the feature's head
// functions once per page (inline, or as scripts_nv/<name>.js referred to from the
// head), and in the body UpperCode + webbot block (or plain markup) + LowerCode.
import {access, mkdir, readFile, writeFile} from 'node:fs/promises';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

import {fillTemplate} from './template_fill.mjs';

const crlf = '\r\n';
const botName = 'norvelfpbot';

export const templatesRoot =
    path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../../../templates/scripts');

export async function readHeadFunctions(name) {
    return readFile(path.join(templatesRoot, name, `${name}.js`), 'utf8');
}

export async function readFragment(name) {
    return readFile(path.join(templatesRoot, name, 'body.js'), 'utf8');
}

export function wrapInScript(fragment) {
    return [
        '<script type="text/javascript">', '<!-- Begin', fragment, '// End -->', '</script>'
    ].join(crlf);
}

// attributes: [key, value] pairs in insertion order; "S-HTML" and "clientside" are not
// written as attributes, "S-HTML" is the block's content.
export function webbotBlock(attributes) {
    let opening = `<p><!--webbot bot="${botName}" s-class="norvelfp.main" clientside `;
    let content = '';
    for (const [key, value] of attributes) {
        if (key === 'S-HTML') {
            content = value;
        } else if (key !== 'clientside') {
            opening += `${key}="${value}" `;
        }
    }
    return `${opening}startspan -->${crlf}${content}${crlf}<!--webbot bot="${
        botName}" endspan --></p>`;
}

function inlineHeadTag(name, functions) {
    return `<script name ="${name}" type="text/javascript">${crlf}${functions}${crlf}</script>`;
}

function externalHeadTag(name, pathToRoot) {
    return `<script name ="${name}" src="${pathToRoot}scripts_nv/${name.toLowerCase()}.js" ` +
        'type="text/javascript"></script>';
}

export class PageBuilder {
    // headMode: 'inline' or 'external'; pagePath: relative to the web root, e.g. 'sub/a.html'.
    constructor({headMode, pagePath, title = 'Test page', lang = 'en-US'}) {
        if (headMode !== 'inline' && headMode !== 'external') {
            throw new Error(`unknown head mode ${headMode}`);
        }
        this.headMode = headMode;
        this.pagePath = pagePath;
        this.title = title;
        this.lang = lang;
        this.head = '';
        this.body = '';
        this.externalFiles = [];
    }

    get pathToRoot() {
        const depth = this.pagePath.split('/').length - 1;
        return '../'.repeat(depth);
    }

    // The engine's test: the head already holds the name in double quotes, any case.
    hasHeadScript(name) { return this.head.toLowerCase().includes(`"${name.toLowerCase()}"`); }

    async addHeadScript(name) {
        if (this.hasHeadScript(name))
            return;
        if (this.headMode === 'inline') {
            this.head += inlineHeadTag(name, await readHeadFunctions(name));
        } else {
            this.head += externalHeadTag(name, this.pathToRoot);
            this.externalFiles.push(name.toLowerCase());
        }
    }

    // Inserts a feature as its dialog would: values fill body.js; attributes are the
    // dialog's own webbot attributes in order.
    async insert(name, {
        values = {},
        attributes = [],
        upperCode = '',
        lowerCode = '',
        botStr = true,
        scriptStr = true
    } = {}) {
        await this.addHeadScript(name);
        const filled = fillTemplate(await readFragment(name), values);
        const sHtml = scriptStr ? wrapInScript(filled) : filled;
        if (!botStr) {
            this.body += upperCode + sHtml + lowerCode;
            return;
        }
        const attributeMap = new Map(attributes);
        attributeMap.set('clientside', '');
        attributeMap.set('S-HTML', sHtml);
        if (!attributeMap.has('PREVIEW'))
            attributeMap.set('PREVIEW', 'click to edit');
        if (!attributeMap.has('TAG'))
            attributeMap.set('TAG', 'p');
        this.body += upperCode + webbotBlock(attributeMap) + lowerCode;
    }

    // Markup of the author's own around the inserted features.
    addMarkup(markup) { this.body += markup; }

    html() {
        return `<!DOCTYPE html>${crlf}<html lang="${this.lang}">${crlf}<head>${crlf}` +
            `<meta charset="utf-8">${crlf}<link rel="icon" href="data:,">${crlf}` +
            `<title>${this.title}</title>${crlf}${this.head}${crlf}</head>${crlf}` +
            `<body>${crlf}${this.body}${crlf}</body>${crlf}</html>${crlf}`;
    }

    // Writes the page into the web; in external mode the functions file is copied into
    // scripts_nv only when the web does not hold it yet, as the engine does.
    async write(webRoot) {
        const pageFile = path.join(webRoot, this.pagePath);
        await mkdir(path.dirname(pageFile), {recursive: true});
        await writeFile(pageFile, this.html(), 'utf8');
        for (const name of this.externalFiles) {
            const target = path.join(webRoot, 'scripts_nv', `${name}.js`);
            await mkdir(path.dirname(target), {recursive: true});
            const exists = await access(target).then(() => true, () => false);
            if (!exists)
                await writeFile(target, await readHeadFunctions(name), 'utf8');
        }
        return `/${this.pagePath}`;
    }
}
