// Fills "<*name*>" placeholders the way the script engine does: the name between the
// markers is trimmed and looked up exactly (case-sensitive), and the scan resumes at the
// start of each inserted value, so placeholders inside values are filled too.

const open = '<*';
const close = '*>';

export class MissingPlaceholderError extends Error {
    constructor(name) {
        super(`no value for placeholder "${name}"`);
        this.placeholder = name;
    }
}

// values: a Map or a plain object of strings. An opening marker without a closing one
// leaves the rest of the text as it is.
export function fillTemplate(text, values) {
    const lookup = values instanceof Map ? values : new Map(Object.entries(values));
    let filled = text;
    let position = 0;
    for (;;) {
        const start = filled.indexOf(open, position);
        if (start < 0)
            return filled;
        const end = filled.indexOf(close, start);
        if (end < 0)
            return filled;
        const name = filled.slice(start + open.length, end).trim();
        if (!lookup.has(name))
            throw new MissingPlaceholderError(name);
        filled =
            filled.slice(0, start) + String(lookup.get(name)) + filled.slice(end + close.length);
        position = start;
    }
}

// The placeholder names a template uses, in order of first appearance.
export function placeholderNames(text) {
    const names = [];
    const pattern = /<\*(.*?)\*>/gs;
    for (const match of text.matchAll(pattern)) {
        const name = match[1].trim();
        if (!names.includes(name))
            names.push(name);
    }
    return names;
}
