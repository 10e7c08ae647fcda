// Writes a small solid-colour GIF, so the slide-show tests have real pictures that
// differ from each other.

function lzwData(pixelCount) {
    // Two-colour palette: minimum code size 2, codes 3 bits wide, clear = 4, end = 5.
    // A clear code before every pair of pixels keeps the code width at 3 bits.
    const codes = [];
    for (let i = 0; i < pixelCount; i += 2) {
        codes.push(4, 0);
        if (i + 1 < pixelCount)
            codes.push(0);
    }
    codes.push(5);
    const bytes = [];
    let buffer = 0;
    let bits = 0;
    for (const code of codes) {
        buffer |= code << bits;
        bits += 3;
        while (bits >= 8) {
            bytes.push(buffer & 0xff);
            buffer >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0)
        bytes.push(buffer & 0xff);
    const blocks = [];
    for (let i = 0; i < bytes.length; i += 255) {
        const chunk = bytes.slice(i, i + 255);
        blocks.push(chunk.length, ...chunk);
    }
    blocks.push(0);
    return blocks;
}

export function solidGif(width, height, [red, green, blue]) {
    const word = (value) => [value & 0xff, value >> 8];
    return Buffer.from([
        ...Buffer.from('GIF89a'),
        ...word(width),
        ...word(height),
        0x80,
        0,
        0,  // global table of 2 colours
        red,
        green,
        blue,
        0,
        0,
        0,
        0x2c,
        ...word(0),
        ...word(0),
        ...word(width),
        ...word(height),
        0,
        2,
        ...lzwData(width * height),
        0x3b,
    ]);
}
