// The placeholder values and surrounding markup that each feature's dialog hands to
// the script engine, built here so that the tests insert features exactly as the
// editor will.

const crlf = '\r\n';

// Escapes a text for a double-quoted JavaScript string, as the dialogs deliver values
// that hold a double quote or a backslash.
export function jsString(text) { return text.replace(/\\/g, '\\\\').replace(/"/g, '\\"'); }

// Slide show number `number` with pictures (file names inside slide_img/) and the
// transition "-1" (Random) or "1".."23".
export function slideShowInsert(number, pictures, trans) {
    const name = `photoslider_NV${number}`;
    const strpic =
        pictures.map((file, p) => `photos_NV[${number}][${p}] = "slide_img/${file}"${crlf}`)
            .join('');
    const cell = (align, call, caption) =>
        `<td width="50%" height="21"><p align="${align}"><a href="#" onClick="Type_NV = TypeA_NV[` +
        `${number}];CurrentSlide_NV = ${name};${call}('${name}',${number});return false">` +
        `${caption}</a></td>`;
    const upperCode =
        [
            '<table border="0" cellspacing="0" cellpadding="0">', '<tr>',
            '<td width="100%" colspan="2" height="22"><center>'
        ].map((line) => line + crlf)
            .join('');
    const lowerCode =
        [
            '</center></td>', '</tr>', '<tr>', cell('left', 'backward_NV', 'Previous Slide'),
            cell('right', 'forward_NV', 'Next Slide'), '</tr>', '</table>'
        ].map((line) => line + crlf)
            .join('');
    const transType = trans === '-1' ? '0' : trans;
    return {
        values: {name, i: String(number), strpic, Trans: trans},
        attributes: [
            ['s-pic', pictures.join(',')], ['s-transtype', transType], ['i-num', String(number)],
            ['T', 'J2']
        ],
        upperCode,
        lowerCode,
    };
}

// messages: [{text, url?, linkText?, target?}]; url without "http://".
export function fadingMessagesInsert(
    messages, {width = '120', height = '140', delay = '3500', border = '1'} = {}) {
    const lines = messages.map(({text, url, linkText, target}, i) => {
        const content = text.replace(/\r\n/g, '<br>').replace(/"/g, '\\"');
        const link = url === undefined ?
            '""' :
            `"<a target='${target}' href='http://${url}'>${linkText}</a>"`;
        return `X_content[${i}]="${content}"${crlf}X_link[${i}]=${link}${crlf}`;
    });
    return {
        values: {width, height, delay, border, messages: lines.join('')},
        attributes: [
            ['PREVIEW', 'Fading Messages'], ['delay', delay], ['width', width], ['height', height],
            ['border', border === '1' ? '0' : '1'], ['lst-count', String(messages.length)],
            ['T', 'J3']
        ],
        scriptStr: false,
    };
}

// link: {text} or {image}; url: undefined for the current page, else without "http://";
// title: undefined for the page title; message: undefined for "Nothing".
export function addToFavouritesInsert({link, url, title, message}) {
    const linkValue = link.image !== undefined ? jsString(`<img border="0" src="${link.image}" >`) :
                                                 jsString(link.text);
    const other = message === undefined ? '' : [
        'else {', `var msg_NV = "${jsString(message)}";`, 'document.write(msg_NV);', '}'
    ].join(crlf);
    return {
        values: {
            url: url === undefined ? 'location.href' : `"http://${jsString(url)}"`,
            title: title === undefined ? 'document.title' : `"${jsString(title)}"`,
            other,
            link: linkValue,
        },
        attributes: [
            ['PREVIEW', '<a href=\'\'>favourite</a>'], ['type', link.image ? 'True' : 'False'],
            ['T', 'J1']
        ],
    };
}

export function currentDateInsert() {
    return {attributes: [['PREVIEW', '---- DATE ----'], ['T', 'J4']]};
}

export function showHideInsert(number, title) {
    return {
        values: {'link': title, 'id string': `ShowHide${number}`, 'id number': String(number)},
        botStr: false,
        scriptStr: false,
    };
}
