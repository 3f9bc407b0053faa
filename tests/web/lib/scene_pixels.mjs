// What the recorded scene says a pixel of the main view must be, for the browser's pixel tests, worked out
// from the drawing commands as GDI draws them and independently of the page's canvas: a rectangle's outline
// (a pen of width w on pixel p covers p - floor(w/2) .. p + floor((w-1)/2)) and its inside, a dotted
// outline's dots (3 on, 3 off, anticlockwise from the top-right pixel), the points of the chart's lines, the
// grid's cells and the pictures. Each sample is taken only where no later command may have drawn over it.
import {readFileSync} from 'node:fs';

import {repositoryRoot} from './build_outputs.mjs';

export function colour(hex) { return [1, 3, 5].map((at) => parseInt(hex.slice(at, at + 2), 16)); }

// A 24-bit bottom-up BMP: { width, height, pixel(x, y) -> [r, g, b] }.
export function readBmp(path) {
    const bytes = readFileSync(path);
    const offset = bytes.readUInt32LE(10);
    const width = bytes.readInt32LE(18);
    const height = bytes.readInt32LE(22);
    const stride = Math.ceil((width * 3) / 4) * 4;
    return {
        width,
        height,
        pixel(x, y) {
            const at = offset + (height - 1 - y) * stride + x * 3;
            return [bytes[at + 2], bytes[at + 1], bytes[at]];
        },
    };
}

export const pictureBmp = (name) => readBmp(`${repositoryRoot}resources/bitmaps/${name}.bmp`);

const band = (p, width) => ({from: p - Math.floor(width / 2), to: p + Math.floor((width - 1) / 2)});

function normalised({left, top, right, bottom}) {
    return {
        left: Math.min(left, right),
        top: Math.min(top, bottom),
        right: Math.max(left, right),
        bottom: Math.max(top, bottom)
    };
}

// The rows a text's opaque band fills, across its whole rectangle (its width is the font's business): the
// font's height, centred on the rectangle's mid-point when it is vertically centred.
export function textBand(command) {
    const box = normalised(command.rect);
    const {rect, font} = command;
    const top = command.format.verticallyCentred
                    ? rect.top + Math.trunc((rect.bottom - rect.top - font.height) / 2)
                    : rect.top;
    return {left: box.left, right: box.right, top, bottom: top + font.height};
}

// The box a command may draw in, with a margin for a line's width.
function reach(command) {
    switch (command.command) {
    case 'rectangle': {
        const box = normalised(command.rect);
        const w = command.pen.width;
        return {left: box.left - w, top: box.top - w, right: box.right + w, bottom: box.bottom + w};
    }
    case 'text':
        return textBand(command);
    case 'grid':
        return normalised(command.area);
    case 'picture': {
        const picture = pictureBmp(command.picture);
        return {
            left: command.corner.x,
            top: command.corner.y,
            right: command.corner.x + picture.width,
            bottom: command.corner.y + picture.height
        };
    }
    case 'polyline': {
        const xs = command.points.map((point) => point.x);
        const ys = command.points.map((point) => point.y);
        const w = command.pen.width + 1;
        return {
            left: Math.min(...xs) - w,
            top: Math.min(...ys) - w,
            right: Math.max(...xs) + w + 1,
            bottom: Math.max(...ys) + w + 1
        };
    }
    }
    throw new Error(`unknown command ${command.command}`);
}

const inside = (box, x, y) => x >= box.left && x < box.right && y >= box.top && y < box.bottom;

// Segments of a polyline near a point: for the samples of lines that cross.
function nearPolyline(command, x, y) {
    const margin = command.pen.width + 1;
    return command.points.some((a, i) => {
        const b = command.points[i + 1];
        if (!b) {
            return false;
        }
        const length = Math.hypot(b.x - a.x, b.y - a.y) || 1;
        const t =
            Math.max(0, Math.min(1, ((x - a.x) * (b.x - a.x) + (y - a.y) * (b.y - a.y)) / (length * length)));
        return Math.hypot(a.x + t * (b.x - a.x) - x, a.y + t * (b.y - a.y) - y) <= margin;
    });
}

// Whether a command after the index may draw on the pixel.
function drawnOverLater(commands, index, x, y) {
    return commands.slice(index + 1).some((command) => command.command === 'polyline'
                                                           ? nearPolyline(command, x, y)
                                                           : inside(reach(command), x, y));
}

// The pixels of a rectangle's outline under its pen, anticlockwise from the top-right pixel.
function* outlinePixels(rect) {
    const {left, top, right, bottom} = normalised(rect);
    for (let x = right - 1; x > left; --x) {
        yield {x, y: top};
    }
    for (let y = top; y < bottom - 1; ++y) {
        yield {x: left, y};
    }
    for (let x = left; x < right - 1; ++x) {
        yield {x, y: bottom - 1};
    }
    for (let y = bottom - 1; y > top; --y) {
        yield {x: right - 1, y};
    }
}

// The samples of one rectangle: its fill a few pixels in from the corner and its outline beside the corners.
function rectangleSamples(command, what) {
    const samples = [];
    const box = normalised(command.rect);
    if (!command.fill.hollow) {
        samples.push({x: box.left + 3, y: box.top + 3, colour: command.fill.color, what: `${what} fill`});
    }
    const w = command.pen.width;
    const across = band(0, w);
    for (let offset = across.from; offset <= across.to; ++offset) {
        samples.push(
            {x: box.left + offset, y: box.top + 2, colour: command.pen.color, what: `${what} left edge`});
        samples.push(
            {x: box.left + 2, y: box.top + offset, colour: command.pen.color, what: `${what} top edge`});
        samples.push({
            x: box.right - 1 + offset,
            y: box.bottom - 3,
            colour: command.pen.color,
            what: `${what} right edge`
        });
        samples.push({
            x: box.right - 3,
            y: box.bottom - 1 + offset,
            colour: command.pen.color,
            what: `${what} bottom edge`
        });
    }
    return samples;
}

// The first cell of a grid, pixel by pixel: dots and gaps of its outline and its inside.
function gridSamples(command) {
    const {left, top} = normalised(command.area);
    const size = command.cellSize;
    const samples = [];
    let position = 0;
    for (const pixel of outlinePixels({left, top, right: left + size, bottom: top + size})) {
        const dot = command.pen.style !== 'dotted' || Math.floor(position / 3) % 2 === 0;
        samples.push(
            {...pixel, colour: dot ? command.pen.color : command.pen.gaps, what: `grid cell dot ${position}`});
        ++position;
    }
    samples.push(
        {x: left + size / 2, y: top + size / 2, colour: command.fill.color, what: 'grid cell inside'});
    return samples;
}

// A 1-pixel line leaves out its last pixel; a wider one has round ends. Across the middle of a straight
// segment, the pen's whole width.
function polylineSamples(command, what) {
    const {pen} = command;
    const points = pen.width > 1 ? command.points : command.points.slice(0, -1);
    const samples = points.map((point, i) => ({...point, colour: pen.color, what: `${what} point ${i}`}));
    const across = band(0, pen.width);
    command.points.forEach((a, i) => {
        const b = command.points[i + 1];
        if (!b || (a.x !== b.x && a.y !== b.y) || Math.abs(b.x - a.x) + Math.abs(b.y - a.y) < 4) {
            return;
        }
        const middle = {x: Math.trunc((a.x + b.x) / 2), y: Math.trunc((a.y + b.y) / 2)};
        for (let offset = across.from; offset <= across.to; ++offset) {
            const pixel =
                a.y === b.y ? {x: middle.x, y: middle.y + offset} : {x: middle.x + offset, y: middle.y};
            samples.push({...pixel, colour: pen.color, what: `${what} across segment ${i}`});
        }
    });
    return samples;
}

function pictureSamples(command) {
    const picture = pictureBmp(command.picture);
    const samples = [];
    for (let y = 0; y < picture.height; y += 7) {
        for (let x = 0; x < picture.width; x += 5) {
            samples.push({
                x: command.corner.x + x,
                y: command.corner.y + y,
                rgb: picture.pixel(x, y),
                what: `${command.picture} picture at (${x}, ${y})`
            });
        }
    }
    return samples;
}

// Every sample of the scene that no later command may cover, within the client: { x, y, rgb, what }.
export function sceneSamples(commands, client) {
    const samples = [];
    commands.forEach((command, index) => {
        const what = `${command.command} ${index}`;
        let own = [];
        if (command.command === 'rectangle') {
            own = rectangleSamples(command, what);
        } else if (command.command === 'grid') {
            own = gridSamples(command);
        } else if (command.command === 'polyline') {
            own = polylineSamples(command, what);
        } else if (command.command === 'picture') {
            own = pictureSamples(command);
        }
        for (const sample of own) {
            if (sample.x >= 0 && sample.y >= 0 && sample.x < client.width && sample.y < client.height &&
                !drawnOverLater(commands, index, sample.x, sample.y)) {
                samples.push(
                    {x: sample.x, y: sample.y, rgb: sample.rgb ?? colour(sample.colour), what: sample.what});
            }
        }
    });
    return samples;
}
