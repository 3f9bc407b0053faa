// The page as one file, opened straight from the disk in headless Chromium, alone in its folder: it starts,
// runs the README's first example with the native report in its console and the direct-mapping picture on its
// canvas, and asks for nothing but itself. The page served as a folder asks for nothing more once it has
// loaded; the folder opened from the disk, where a browser lets it load no module, says so in one line.
import assert from 'node:assert/strict';
import {copyFile, mkdtemp, rm, stat} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';
import {pathToFileURL} from 'node:url';

import {requireBuilt, textFrontEndPath} from './lib/build_outputs.mjs';
import {runTextFrontEnd} from './lib/native_text_front_end.mjs';
import {
    openPage,
    pageFolder,
    PageUser,
    servePage,
    singlePagePath,
    startBrowser
} from './lib/page_session.mjs';
import {readmeExamples} from './lib/readme_examples.mjs';
import {pictureBmp} from './lib/scene_pixels.mjs';

let folder;
let browser;

before(async () => {
    await requireBuilt(singlePagePath, 'wasm');
    await requireBuilt(textFrontEndPath, 'native');
    folder = await mkdtemp(join(tmpdir(), 'tarvel-single-'));
    await copyFile(singlePagePath, join(folder, 'tarvel_cache.html'));
    browser = await startBrowser();
});

after(async () => {
    await browser?.close();
    if (folder) {
        await rm(folder, {recursive: true, force: true});
    }
});

// The README's first example (direct individual runs), typed with the mouse and keyboard; its last console.
async function runFirstExample(page) {
    const [args] = await readmeExamples();
    const presses = await (await PageUser.on(page)).performCommand(args);
    assert.ok(presses.at(-1).valid);
    return {args, console: presses.at(-1).console};
}

test('the single file works from the disk and asks for nothing but itself', async () => {
    const url = pathToFileURL(join(folder, 'tarvel_cache.html')).href;
    const {page, problems, requests} = await openPage(browser, url);
    assert.equal(await page.evaluate(() => document.documentElement.dataset.state), 'ready');
    const run = await runFirstExample(page);
    assert.equal(run.console, runTextFrontEnd(run.args).stdout.toString('utf8'));

    // The direct-mapping diagram at (350, 50), as its bitmap has it.
    const picture = pictureBmp('direct_mapping');
    const pixels = await page.evaluate(() => {
        const canvas = document.getElementById('main-view');
        return Array.from(canvas.getContext('2d').getImageData(350, 50, 410, 341).data);
    });
    let differences = 0;
    for (let y = 0; y < picture.height; ++y) {
        for (let x = 0; x < picture.width; ++x) {
            const at = (y * picture.width + x) * 4;
            differences += picture.pixel(x, y).every((value, i) => value === pixels[at + i]) ? 0 : 1;
        }
    }
    assert.equal(differences, 0, 'pixels of the diagram that differ from its bitmap');

    assert.deepEqual(requests.filter((request) => request !== url && !request.startsWith('data:')), []);
    assert.deepEqual(problems, []);
    await page.close();
});

test('the single file, its fonts included, is within 500 KB', async () => {
    const {size} = await stat(singlePagePath);
    assert.ok(size <= 500 * 1024, `${size} bytes`);
});

test('the served page asks for nothing more once it has loaded', async () => {
    const server = await servePage();
    try {
        const {page, problems, requests} = await openPage(browser, `${server.url}index.html`);
        const loaded = requests.length;
        const {args} = await runFirstExample(page);
        await page.evaluate(async () =>
                                (await import('./page_user.mjs')).menuCommand('Help', 'Mod de utilizare'));
        const later = requests.slice(loaded).filter((request) => !request.endsWith('/page_user.mjs') &&
                                                                 !request.endsWith('/text_command.mjs'));
        assert.deepEqual(later, [], `requests after the page had loaded, running ${args.join(' ')}`);
        assert.deepEqual(problems, []);
        await page.close();
    } finally {
        await server.close();
    }
});

test('the folder opened from the disk says in one line why it cannot start, in the link\'s language', async () => {
    for (const [fragment, expected] of [
             ['', /^Simulatorul nu a putut porni \([^\n]+\); deschideti tarvel_cache\.html sau puneti acest dosar pe un/],
             ['#lang=en', /^The simulator could not start \([^\n]+\); open tarvel_cache\.html or put this folder on a/],
         ]) {
        const {page} = await openPage(browser, pathToFileURL(join(pageFolder, 'index.html')).href + fragment);
        assert.equal(await page.evaluate(() => document.documentElement.dataset.state), 'failed');
        assert.match(await page.getByRole('alert').textContent(), expected);
        await page.close();
    }
});
