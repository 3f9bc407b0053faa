// The page's benchmark in headless Chromium (scripts/bench-web): in every results scene the time from START
// SIMULARE to the painted canvas (the click's handlers, which run the simulation and replay the scene, up to
// the canvas's pixels being readable), median of 100 presses; the time from the start of loading to the page
// being ready for input, from 127.0.0.1 with the browser's cache off, median of 20 loads; and the size of the
// single file. Not a test: it prints figures.
import {stat} from 'node:fs/promises';

import {scenes} from '../tests/web/lib/page_scenes.mjs';
import {openPage, servePage, singlePagePath, startBrowser} from '../tests/web/lib/page_session.mjs';

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

async function loadTimes(browser, url, count) {
    const times = [];
    for (let i = 0; i < count; ++i) {
        const page = await browser.context.newPage();
        const session = await page.context().newCDPSession(page);
        await session.send('Network.setCacheDisabled', {cacheDisabled: true});
        await page.goto(url);
        await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
        times.push(await page.evaluate(() => performance.getEntriesByName('tarvel-page-ready')[0].startTime));
        await page.close();
    }
    return times;
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
    const times = await loadTimes(browser, `${server.url}index.html`, loads);
    console.log(
        `Loading from 127.0.0.1 to ready for input, cache off, median of ${loads}: ${ms(median(times))}` +
        ` (slowest ${ms(Math.max(...times))})`);
    const {size} = await stat(singlePagePath);
    console.log(`The single file tarvel_cache.html: ${(size / 1024).toFixed(0)} KB (${size} bytes)`);
} finally {
    await browser.close();
    await server.close();
}
