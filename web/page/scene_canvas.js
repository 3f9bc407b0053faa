// The main view's surface in the page: replays the recorded scene's drawing commands (rectangle, polyline,
// text, picture, grid; README "The main view as drawing commands") on a canvas as the Windows program's GDI
// replays them: pixel coordinates with right and bottom edges excluded, 1-pixel pens on whole pixels, dotted
// pens 3 pixels on and 3 off with the gaps in the pen's gap colour, each outline starting its pattern afresh,
// texts on an opaque band as wide as the text, vertically centred on their rectangle's mid-point and clipped
// to it. Each command carries all it needs: nothing is kept from one command to the next but the canvas. It
// decides nothing about what is drawn.

const dotLength = 3;              // a dotted pen's dots and gaps, in pixels
const cellBackground = '#ffffff'; // the window's own background, erased before every paint
// The face the scene's texts are drawn in. The program asks for a face no machine has; Wine then draws DejaVu
// Sans at its regular weight, whatever weight is asked. The page carries that face as "Tarvel View".
const standIn = {
    family: '"Tarvel View"',
    weight: 400
};

// The pixels a pen of this width covers across a line through pixel p: p - floor(w/2) .. p + floor((w-1)/2).
function penBand(p, width) {
    const from = p - Math.floor(width / 2);
    return {from, size: Math.max(width, 1)};
}

// The corners of the outline of (left, top, right, bottom), right and bottom excluded, in the order the
// outline is drawn: anticlockwise from the top-right pixel.
function outlineCorners({left, top, right, bottom}) {
    return [
        {x: right - 1, y: top},
        {x: left, y: top},
        {x: left, y: bottom - 1},
        {x: right - 1, y: bottom - 1},
        {x: right - 1, y: top},
    ];
}

function normalised({left, top, right, bottom}) {
    return {
        left: Math.min(left, right),
        top: Math.min(top, bottom),
        right: Math.max(left, right),
        bottom: Math.max(top, bottom)
    };
}

// The pixels of a 1-pixel line from a to b, the last one excluded, as the platform's line drawing steps them.
function* linePixels(a, b) {
    const dx = Math.abs(b.x - a.x);
    const dy = Math.abs(b.y - a.y);
    const sx = Math.sign(b.x - a.x);
    const sy = Math.sign(b.y - a.y);
    const steps = Math.max(dx, dy);
    let error = 0;
    let {x, y} = a;
    for (let step = 0; step < steps; ++step) {
        yield {x, y};
        if (dx >= dy) {
            x += sx;
            error += 2 * dy;
            if (error > dx) {
                y += sy;
                error -= 2 * dx;
            }
        } else {
            y += sy;
            error += 2 * dx;
            if (error > dy) {
                x += sx;
                error -= 2 * dy;
            }
        }
    }
}

// A font as the scene asks for it, measured once: the CSS font, the horizontal scale that gives the asked
// average character width (the width of an "x", as the platform defines a font's average width), the ascent
// and the cell height in pixels.
class MeasuredFont {
    constructor(context, font) {
        context.font = `${standIn.weight} 100px ${standIn.family}`;
        const probe = context.measureText('x');
        const cell = probe.fontBoundingBoxAscent + probe.fontBoundingBoxDescent;
        // A font's height is the height of its character cell, as GDI takes a positive height.
        const size = (font.height * 100) / cell;
        this.css = `${standIn.weight} ${size}px ${standIn.family}`;
        this.height = font.height;
        this.ascent = (font.height * probe.fontBoundingBoxAscent) / cell;
        const averageWidth = (probe.width * size) / 100;
        this.scaleX = font.width > 0 ? font.width / averageWidth : 1;
        this.widths = new Map();
    }

    width(context, text) {
        let width = this.widths.get(text);
        if (width === undefined) {
            width = Math.round(context.measureText(text).width * this.scaleX);
            this.widths.set(text, width);
        }
        return width;
    }
}

export class SceneCanvas {
    #canvas;
    #context;
    #pictures;
    #language = 'ro';
    #fonts = new Map();
    #cellPatterns = new Map();

    // pictures: name -> a decoded image (HTMLImageElement or ImageBitmap) at its own size; a picture in a
    // language other than Romanian is named LANGUAGE/name.
    constructor(canvas, pictures) {
        this.#canvas = canvas;
        this.#context = canvas.getContext('2d', {alpha: false});
        this.#context.imageSmoothingEnabled = false;
        this.#pictures = pictures;
    }

    // The language of the pictures painted from now on, 'ro' or another whose pictures the surface holds.
    set language(language) { this.#language = language; }

    // Erases the client to the window's background and replays the commands in order.
    paint(commands) {
        const context = this.#context;
        context.setTransform(1, 0, 0, 1, 0, 0);
        context.fillStyle = cellBackground;
        context.fillRect(0, 0, this.#canvas.width, this.#canvas.height);
        for (const command of commands) {
            this.#draw(command);
        }
    }

    // The vocabulary is closed: a command of another kind is a fault of the page, not of the scene.
    #draw(command) {
        switch (command.command) {
        case 'rectangle':
            return this.#rectangle(command);
        case 'polyline':
            return this.#polyline(command);
        case 'text':
            return this.#text(command);
        case 'picture':
            return this.#picture(command);
        case 'grid':
            return this.#grid(command);
        }
        throw new Error(`the main view has a drawing command the page does not know: ${command.command}`);
    }

    #rectangle({rect, pen, fill}) {
        const box = normalised(rect);
        if (box.right <= box.left || box.bottom <= box.top) {
            return;
        }
        const context = this.#context;
        if (!fill.hollow) {
            context.fillStyle = fill.color;
            context.fillRect(box.left + 1, box.top + 1, box.right - box.left - 2, box.bottom - box.top - 2);
        }
        this.#outline(box, pen);
    }

    #polyline({points, pen}) {
        for (let i = 1; i < points.length; ++i) {
            this.#line(points[i - 1], points[i], pen);
        }
    }

    #text({text, rect, font, format, color, background}) {
        const context = this.#context;
        const measured = this.#font(font);
        context.font = measured.css;
        const width = measured.width(context, text);
        const x = format.align === 'centre' ? rect.left + Math.trunc((rect.right - rect.left - width) / 2)
                                            : rect.left;
        const y = format.verticallyCentred
                      ? rect.top + Math.trunc((rect.bottom - rect.top - measured.height) / 2)
                      : rect.top;
        context.save();
        if (format.clipped) {
            const box = normalised(rect);
            context.beginPath();
            context.rect(box.left, box.top, box.right - box.left, box.bottom - box.top);
            context.clip();
        }
        context.fillStyle = background;
        context.fillRect(x, y, width, measured.height);
        context.fillStyle = color;
        context.textBaseline = 'alphabetic';
        context.scale(measured.scaleX, 1);
        context.fillText(text, x / measured.scaleX, y + measured.ascent);
        context.restore();
    }

    #picture({picture, corner}) {
        const image = this.#pictures.get(this.#language === 'ro' ? picture : `${this.#language}/${picture}`);
        if (image) {
            this.#context.drawImage(image, corner.x, corner.y);
        }
    }

    // Every cell is the same picture, its dotted outline starting afresh: one cell drawn, then the area
    // filled with it from its top-left corner.
    #grid({area, cellSize, pen, fill}) {
        if (cellSize <= 0) {
            return;
        }
        const context = this.#context;
        const pattern = this.#cellPattern(cellSize, pen, fill);
        pattern.setTransform(new DOMMatrix().translate(area.left, area.top));
        context.fillStyle = pattern;
        const box = normalised(area);
        context.fillRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
    }

    #cellPattern(size, pen, fill) {
        const key = JSON.stringify([size, pen, fill]);
        let pattern = this.#cellPatterns.get(key);
        if (!pattern) {
            const cell = document.createElement('canvas');
            cell.width = size;
            cell.height = size;
            const cellSurface = new SceneCanvas(cell, this.#pictures);
            cellSurface.#context.fillStyle = cellBackground;
            cellSurface.#context.fillRect(0, 0, size, size);
            cellSurface.#rectangle({rect: {left: 0, top: 0, right: size, bottom: size}, pen, fill});
            pattern = this.#context.createPattern(cell, 'repeat');
            this.#cellPatterns.set(key, pattern);
        }
        return pattern;
    }

    #font(font) {
        const key = `${font.face}|${font.height}|${font.width}|${font.weight}`;
        let measured = this.#fonts.get(key);
        if (!measured) {
            measured = new MeasuredFont(this.#context, font);
            this.#fonts.set(key, measured);
        }
        return measured;
    }

    // A rectangle's outline: a 1-pixel pen pixel by pixel along the outline, a wider one as bands centred on
    // the outline's pixels.
    #outline(box, pen) {
        const corners = outlineCorners(box);
        if (pen.width <= 1) {
            this.#thinPath(corners, pen);
            return;
        }
        const context = this.#context;
        const across = penBand(0, pen.width);
        context.fillStyle = pen.color;
        const left = box.left + across.from;
        const top = box.top + across.from;
        const right = box.right - 1 + across.from;
        const bottom = box.bottom - 1 + across.from;
        const size = across.size;
        context.fillRect(left, top, right - left + size, size);
        context.fillRect(left, bottom, right - left + size, size);
        context.fillRect(left, top, size, bottom - top + size);
        context.fillRect(right, top, size, bottom - top + size);
    }

    #line(a, b, pen) {
        if (pen.width <= 1) {
            this.#thinPath([a, b], pen);
            return;
        }
        // A wide pen is round at its ends; each segment is drawn on its own.
        const context = this.#context;
        const offset = pen.width % 2 === 1 ? 0.5 : 0;
        context.strokeStyle = pen.color;
        context.lineWidth = pen.width;
        context.lineCap = 'round';
        context.setLineDash(pen.style === 'dotted' ? [dotLength * pen.width, dotLength * pen.width] : []);
        context.beginPath();
        context.moveTo(a.x + offset, a.y + offset);
        context.lineTo(b.x + offset, b.y + offset);
        context.stroke();
    }

    // 1-pixel segments through the points, each without its last pixel; a dotted pen's pattern runs on along
    // the path from its first pixel, its gaps in the pen's gap colour.
    #thinPath(points, pen) {
        const context = this.#context;
        const dotted = pen.style === 'dotted';
        let position = 0;
        for (let i = 1; i < points.length; ++i) {
            const [a, b] = [points[i - 1], points[i]];
            if (!dotted && (a.x === b.x || a.y === b.y)) {
                // A straight run is one rectangle of pixels.
                context.fillStyle = pen.color;
                const length = Math.abs(b.x - a.x) + Math.abs(b.y - a.y);
                const x = b.x < a.x ? b.x + 1 : a.x;
                const y = b.y < a.y ? b.y + 1 : a.y;
                context.fillRect(x, y, a.y === b.y ? length : 1, a.x === b.x ? length : 1);
                continue;
            }
            for (const pixel of linePixels(a, b)) {
                const inDot = !dotted || Math.floor(position / dotLength) % 2 === 0;
                context.fillStyle = inDot ? pen.color : pen.gaps;
                context.fillRect(pixel.x, pixel.y, 1, 1);
                ++position;
            }
        }
    }
}
