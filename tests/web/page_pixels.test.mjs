// The page's canvas in headless Chromium, scene by scene: its pixels at the cells' fills and outlines, the
// sets' frames, the RAM strip, the chart's points, axes and grid and the pictures have the colours of the
// drawing commands that tarvel_cache_text --scene prints for the same runs, and every text stands on an
// opaque band of its background colour. The scene is driven through the page's own controls.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {requireBuilt, textFrontEndPath} from './lib/build_outputs.mjs';
import {runTextFrontEnd} from './lib/native_text_front_end.mjs';
import {scenes} from './lib/page_scenes.mjs';
import {startPageSession} from './lib/page_session.mjs';
import {colour, sceneSamples, textBand} from './lib/scene_pixels.mjs';

let session;

before(async () => {
    await requireBuilt(textFrontEndPath, 'native');
    session = await startPageSession();
});

after(async () => session?.stop());

// The canvas after driving the page into the scene: { width, height, pixel(x, y) -> [r, g, b] }.
async function canvasInScene(args) {
    const {width, height, data} = await session.page.evaluate(async (command) => {
        const user = await import('./page_user.mjs');
        if (command) {
            await user.performCommand(command);
        } else {
            user.menuCommand('File', 'Exit');
            await globalThis.tarvelPageTestHooks.program.settled;
        }
        const canvas = document.getElementById('main-view');
        const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        let binary = '';
        for (let at = 0; at < pixels.length; at += 0x8000) {
            binary += String.fromCharCode(...pixels.subarray(at, at + 0x8000));
        }
        return {width: canvas.width, height: canvas.height, data: btoa(binary)};
    }, args);
    const bytes = Buffer.from(data, 'base64');
    return {
        width,
        height,
        pixel: (x, y) => [...bytes.subarray((y * width + x) * 4, (y * width + x) * 4 + 3)],
    };
}

function nativeScene(args) {
    // The splash's command line validates nothing: the window then stands on its title picture.
    const native = runTextFrontEnd([...(args ?? []), '--scene']);
    assert.equal(native.status, args ? 0 : 2, native.stderr);
    return native.stdout.toString('utf8').split('\n').filter(Boolean).map((line) => JSON.parse(line));
}

const isInk = ([r, g, b]) => r + g + b < 3 * 128;
const same = (a, b) => a.every((value, i) => value === b[i]);

for (const scene of scenes) {
    test(`${scene.name}: the canvas has the colours of the recorded scene`, async () => {
        const canvas = await canvasInScene(scene.args);
        const commands = nativeScene(scene.args);
        const samples = sceneSamples(commands, canvas);
        assert.ok(samples.length > 50, `only ${samples.length} samples`);
        const wrong = samples.filter((sample) => !same(canvas.pixel(sample.x, sample.y), sample.rgb));
        assert.deepEqual(
            wrong.slice(0, 5).map((sample) => `${sample.what} at (${sample.x}, ${sample.y}): ${
                                      canvas.pixel(sample.x, sample.y)} instead of ${sample.rgb}`),
            [], `${wrong.length} of ${samples.length} samples differ`);

        // Every text inside the client shows ink on a band of its background colour.
        for (const text of commands.filter((command) =>
                                               command.command === 'text' && command.text.trim() !== '')) {
            const band = textBand(text);
            let ink = 0;
            let background = 0;
            for (let y = Math.max(band.top, 0); y < band.bottom; ++y) {
                for (let x = band.left; x < band.right; ++x) {
                    const pixel = canvas.pixel(x, y);
                    ink += isInk(pixel) ? 1 : 0;
                    background += same(pixel, colour(text.background)) ? 1 : 0;
                }
            }
            assert.ok(ink > 3 && background > 3,
                      `"${text.text}" at ${JSON.stringify(text.rect)}: ${ink} ink, ${background} band`);
        }
    });
}

// In a coloured cell the label's band is the background colour, not the cell's: the band is opaque.
test('a label in a coloured cell stands on its own white band', async () => {
    const scene = scenes.find((entry) => entry.name === 'given-sequence');
    const canvas = await canvasInScene(scene.args);
    const commands = nativeScene(scene.args);
    const cells =
        commands.filter((command) => command.command === 'rectangle' && command.fill.color !== '#ffffff');
    assert.ok(cells.length > 10);
    for (const cell of cells) {
        const label =
            commands.find((command) => command.command === 'text' && command.rect.left === cell.rect.left &&
                                       command.rect.top === cell.rect.top);
        const band = textBand(label);
        const row = Math.trunc((band.top + band.bottom) / 2);
        const middle = Math.trunc((cell.rect.left + cell.rect.right) / 2);
        const whiteAround =
            [-12, -8, 8, 12].some((dx) => same(canvas.pixel(middle + dx, band.top), [255, 255, 255]));
        assert.ok(whiteAround, `the band of "${label.text}"`);
        assert.ok(same(canvas.pixel(cell.rect.left + 2, row), colour(cell.fill.color)),
                  `the fill beside "${label.text}"`);
    }
});

test('no script error, console error or failed request on the way',
     () => { assert.deepEqual(session.problems, []); });
