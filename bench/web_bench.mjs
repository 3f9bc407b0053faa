// The page's benchmark in headless Chromium (scripts/bench-web): in every results scene the time from START
// SIMULARE to the painted canvas (the click's handlers, which run the simulation and replay the scene, up to
// the canvas's pixels being readable), median of 100 presses; the time from the start of loading to the page
// being ready for input, median of 20 loads with the browser's cache off, of the single file from the disk
// (file://) and from 127.0.0.1 and of the folder from 127.0.0.1, beside the floor: a page of the single file's
// size that holds nothing to run, from the disk; and the size of the single file, read from the file. Not a
// test: it prints figures.
import {mkdtemp, rm, stat, writeFile} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {dirname, join} from 'node:path';
import {pathToFileURL} from 'node:url';

import {scenes} from '../tests/web/lib/page_scenes.mjs';
import {openPage, servePage, singlePagePath, startBrowser} from '../tests/web/lib/page_session.mjs';
import {serveFolder} from '../tests/web/lib/static_server.mjs';

const presses = 100;
const loads = 20;

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    return (sorted[Math.floor((sorted.length - 1) / 2)] + sorted[Math.ceil((sorted.length - 1) / 2)]) / 2;
};
const ms = (value) => `${value.toFixed(2)} ms`;

// START SIMULARE's times in the scene the command line leads into, each after its own Setare mod.
async function startTimes(page, args, count) {
    return page.evaluate(async ({command, count}) => {
        const user = await import('./page_user.mjs');
        await user.performCommand(command);
        const canvas = document.getElementById('main-view').getContext('2d');
        const times = [];
        for (let i = 0; i < count; ++i) {
            user.press('setareMod');
            const start = document.querySelector('#dialog-132 [data-control="3"]');
            const before = performance.now();
            start.click();
            canvas.getImageData(0, 0, 1, 1); // the canvas has drawn every command
            times.push(performance.now() - before);
        }
        return times;
    }, {command: args, count});
}

// The page's loads: from the start of loading to the page's mark of being ready for input, or for the floor
// (ready: null) to the end of its load event.
async function loadTimes(browser, url, count, {ready = 'tarvel-page-ready'} = {}) {
    const times = [];
    for (let i = 0; i < count; ++i) {
        const page = await browser.context.newPage();
        const session = await page.context().newCDPSession(page);
        await session.send('Network.setCacheDisabled', {cacheDisabled: true});
        await page.goto(url, {waitUntil: 'load'});
        times.push(await page.evaluate(async (mark) => {
            if (mark === null) {
                return performance.getEntriesByType('navigation')[0].loadEventEnd;
            }
            while (document.documentElement.dataset.state === undefined) {
                await new Promise((resolve) => setTimeout(resolve, 1));
            }
            if (document.documentElement.dataset.state !== 'ready') {
                throw new Error(`${location.href} did not start`);
            }
            return performance.getEntriesByName(mark)[0].startTime;
        }, ready));
        await page.close();
    }
    return times;
}

// A page of the given size that holds nothing to run or lay out: one comment.
async function floorPage(folder, size) {
    const head = '<!doctype html><title>floor</title><!--';
    const path = join(folder, 'floor.html');
    await writeFile(path, `${head}${'x'.repeat(Math.max(0, size - head.length - 3))}-->`);
    return pathToFileURL(path).href;
}

const server = await servePage();
const browser = await startBrowser();
try {
    const {page, problems} = await openPage(browser, `${server.url}index.html`);
    console.log(
        `START SIMULARE to the painted canvas, median of ${presses} (headless Chromium, 904 x 466 canvas)`);
    for (const scene of scenes.filter((entry) => entry.args)) {
        const times = await startTimes(page, scene.args, presses);
        console.log(`  ${scene.name.padEnd(28)} ${ms(median(times)).padStart(10)}   (slowest ${
            ms(Math.max(...times))})`);
    }
    if (problems.length > 0) {
        throw new Error(`the page reported: ${problems.join('; ')}`);
    }
    const {size} = await stat(singlePagePath);
    const floorFolder = await mkdtemp(join(tmpdir(), 'tarvel-floor-'));
    const singleServer = await serveFolder(dirname(singlePagePath));
    try {
        console.log(`Loading to ready for input, cache off, median of ${loads}:`);
        for (const [what, url, options] of [
                 ['the single file from the disk (file://)', pathToFileURL(singlePagePath).href],
                 ['the single file from 127.0.0.1', `${singleServer.url}tarvel_cache.html`],
                 ['the folder from 127.0.0.1', `${server.url}index.html`],
                 ['floor: as many bytes, nothing to run, from the disk', await floorPage(floorFolder, size),
                  {ready: null}],
        ]) {
            const times = await loadTimes(browser, url, loads, options);
            console.log(`  ${what.padEnd(52)} ${ms(median(times)).padStart(10)}   (slowest ${
                ms(Math.max(...times))})`);
        }
    } finally {
        await singleServer.close();
        await rm(floorFolder, {recursive: true, force: true});
    }
    console.log(`The single file tarvel_cache.html: ${size} bytes (${(size / 1024).toFixed(0)} KiB)`);
} finally {
    await browser.close();
    await server.close();
}
