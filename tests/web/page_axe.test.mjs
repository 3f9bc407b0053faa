// The page checked by axe-core in headless Chromium, at a laptop's and a phone's size, in every state a user
// meets: the main window at start and after a run, the Configuration dialog, Help, a practice's question and
// its verdicts, and the sheet window. No rule may be broken anywhere.
import assert from 'node:assert/strict';
import {createRequire} from 'node:module';
import {after, before, test} from 'node:test';

import {openPage, PageUser, startPageSession} from './lib/page_session.mjs';

const axePath = createRequire(new URL('../../web/package.json', import.meta.url)).resolve('axe-core/axe.min.js');

let session;

before(async () => { session = await startPageSession(); });
after(async () => session?.stop());

const run = [
    '--ram', '1', '--cache', '16', '--block', '1024', '--mapping', 'directa', '--mode', 'individual',
    '--address', '90949'
];

// Each state, entered from the one before it.
const states = [
    ['the main window at start', async () => {}],
    ['the Configuration dialog', ({user}) => user.menu('Configuration', 'Input')],
    ['the main window after a run', ({user}) => user.performCommand(run)],
    ['Help', ({user}) => user.menu('Help', 'Mod de utilizare')],
    [
        'a practice\'s question', async ({user, page}) => {
            await page.keyboard.press('Escape');
            await user.menu('Exersare', 'Exersare pas cu pas');
            await page.getByLabel('Numarul exercitiului').fill('1');
            await page.getByLabel('Numarul exercitiului').press('Enter');
        }
    ],
    [
        'its verdicts', async ({page}) => {
            await page.getByRole('button', {name: 'Verifica'}).click(); // blank: the line says so
            for (const field of await page.locator('.question:not([hidden]) input[type=text]').all()) {
                await field.fill('1');
            }
            await page.getByRole('radio', {name: 'miss', exact: true}).check();
            await page.getByRole('button', {name: 'Verifica'}).click();
        }
    ],
    ['the sheet window', ({user}) => user.menu('Exersare', 'Fise de exercitii')],
];

test('axe-core finds no violation in any state, on a laptop and on a phone', async () => {
    const violations = [];
    for (const viewport of [{width: 1280, height: 720}, {width: 390, height: 844}]) {
        const {page, problems} = await openPage(session.browser, `${session.server.url}index.html`, {viewport});
        const user = await PageUser.on(page);
        await page.addScriptTag({path: axePath});
        for (const [name, enter] of states) {
            await enter({user, page});
            const found = await page.evaluate(async () => (await globalThis.axe.run(document)).violations);
            violations.push(...found.map(({id, nodes}) => `${viewport.width} px, ${name}: ${id} at ${
                                             nodes.map((node) => node.target.join(' ')).join(', ')}`));
        }
        assert.deepEqual(problems, []);
        await page.close();
    }
    assert.deepEqual(violations, []);
});
