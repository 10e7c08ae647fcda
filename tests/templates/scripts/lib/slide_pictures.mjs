// Pictures for slide-show pages: solid colours, written into slide_img beside a page.
import {mkdir, writeFile} from 'node:fs/promises';
import path from 'node:path';

import {solidGif} from './gif_image.mjs';

const colours = [[220, 40, 40], [40, 160, 60], [40, 80, 220], [230, 200, 30], [140, 40, 170]];

export async function writeSlidePictures(pageFolder, names) {
    const folder = path.join(pageFolder, 'slide_img');
    await mkdir(folder, {recursive: true});
    await Promise.all(names.map(
        (name, i) =>
            writeFile(path.join(folder, name), solidGif(96, 64, colours[i % colours.length]))));
}
