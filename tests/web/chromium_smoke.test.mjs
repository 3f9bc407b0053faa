// The page's module in a real headless Chromium: a minimal test page served on 127.0.0.1 loads it through
// web/core_module.js and performs text front-end command lines on it; its reports must equal the native
// tarvel_cache_text output byte for byte, random draws must come from the browser's crypto.getRandomValues,
// and a trap must be reported in one line and cured by a reload, with no script error on the way.
import assert from 'node:assert/strict';
import {copyFile, mkdtemp, rm} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';

import {pageModulePath, repositoryRoot, requireBuilt, textFrontEndPath} from './lib/build_outputs.mjs';
import {launchChromium} from './lib/chromium.mjs';
import {runTextFrontEnd} from './lib/native_text_front_end.mjs';
import {randomCommand, randomSource} from './lib/random_commands.mjs';
import {readmeExamples} from './lib/readme_examples.mjs';
import {serveFolder} from './lib/static_server.mjs';

const randomCommandCount = 30;

// What the test page needs, in one folder: the module, its wrapper and the page with its scripts.
async function stageTestPage() {
    const folder = await mkdtemp(join(tmpdir(), 'tarvel-smoke-page-'));
    const files = {
        'tarvel_page.wasm': pageModulePath,
        'core_module.js': `${repositoryRoot}web/core_module.js`,
        'smoke_page.html': `${repositoryRoot}tests/web/smoke_page.html`,
        'smoke_page.mjs': `${repositoryRoot}tests/web/smoke_page.mjs`,
        'text_command.mjs': `${repositoryRoot}tests/web/lib/text_command.mjs`,
    };
    for (const [name, source] of Object.entries(files)) {
        await copyFile(source, join(folder, name));
    }
    return folder;
}

let folder;
let server;
let browser;
let page;
const problems = []; // script errors, console errors and failed or refused requests

before(async () => {
    await requireBuilt(pageModulePath, 'wasm');
    await requireBuilt(textFrontEndPath, 'native');
    folder = await stageTestPage();
    server = await serveFolder(folder);
    browser = await launchChromium();
    page = await browser.context.newPage();
    page.on('pageerror', (error) => problems.push(`script error: ${error.message}`));
    page.on('console',
            (message) => message.type() === 'error' && problems.push(`console: ${message.text()}`));
    page.on('requestfailed', (request) => problems.push(`request failed: ${request.url()}`));
    page.on('response', (response) => response.status() >= 400 &&
                                      problems.push(`HTTP ${response.status()}: ${response.url()}`));
    await page.goto(`${server.url}smoke_page.html`);
    await page.waitForFunction(() => document.getElementById('status').textContent !== 'loading');
});

after(async () => {
    await browser?.close();
    await server?.close();
    if (folder) {
        await rm(folder, {recursive: true, force: true});
    }
});

test('the test page loads the module',
     async () => { assert.equal(await page.textContent('#status'), 'ready'); });

test('the README examples and random command lines give the native report in Chromium', async () => {
    const random = randomSource(7);
    const commands = [
        ...(await readmeExamples()), ...Array.from({length: randomCommandCount}, () => randomCommand(random))
    ];
    for (const args of commands) {
        const native = runTextFrontEnd(args);
        const result = await page.evaluate((command) => window.smoke.perform(command), args);
        assert.equal(result.status, native.status);
        assert.ok(Buffer.from(result.bytes).equals(native.stdout),
                  `report differs for ${JSON.stringify(args).slice(0, 400)}`);
    }
    const [firstExample] = await readmeExamples();
    await page.evaluate((command) => window.smoke.perform(command), firstExample);
    assert.equal(await page.textContent('#report'), runTextFrontEnd(firstExample).stdout.toString('utf8'),
                 'the page shows the report');
});

test('random draws come from crypto.getRandomValues', async () => {
    const draws = await page.evaluate(() => window.smoke.randomDraws());
    assert.ok(draws.calls > 0, 'crypto.getRandomValues was called');
    assert.ok(draws.differ, 'two sequences differ');
});

test('a trap is one clear line and a reload recovers', async () => {
    const outcome = await page.evaluate(() => window.smoke.trapAndReload());
    assert.match(outcome.message,
                 /^the simulator's core stopped \(RuntimeError: [^\n]+\); reload to start again$/);
    assert.ok(outcome.afterReload);
});

test('no script error, console error or failed request', () => { assert.deepEqual(problems, []); });
