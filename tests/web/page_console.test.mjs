// The page in headless Chromium, worked as a user works it: after every Setare mod that fails and every START
// SIMULARE, the console panel shows exactly what the native tarvel_cache_text prints for what the dialog then
// held, and the controls the page shows enabled are those of the core's record. The README's worked examples
// are typed key by key with Playwright; a few hundred random command lines, invalid texts included, are
// entered through the page's controls and their events from inside the page, which is many times faster.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {requireBuilt, textFrontEndPath} from './lib/build_outputs.mjs';
import {expectNativeConsoles} from './lib/native_consoles.mjs';
import {PageUser, startPageSession} from './lib/page_session.mjs';
import {randomCommand, randomSource} from './lib/random_commands.mjs';
import {readmeExamples} from './lib/readme_examples.mjs';

const randomCommandCount = Number(process.env.TARVEL_PAGE_RANDOM_COMMANDS ?? 300);
const randomSeed = Number(process.env.TARVEL_RANDOM_SEED ?? 20240515);

let session;

before(async () => {
    await requireBuilt(textFrontEndPath, 'native');
    session = await startPageSession();
});

after(async () => session?.stop());

test('the README examples, typed key by key, give the native report in the console', async () => {
    const user = await PageUser.on(session.page);
    const examples = await readmeExamples();
    let ran = 0;
    for (const args of examples) {
        const presses = await user.performCommand(args);
        const {shown: shownEnabled, record} = await user.enabledControls();
        const controlsAgree = JSON.stringify(shownEnabled) === JSON.stringify(record);
        expectNativeConsoles(presses.map((press) => ({...press, controlsAgree})), null);
        ran += presses.at(-1).valid ? 1 : 0;
    }
    assert.ok(ran >= 3, `only ${ran} of the ${examples.length} README examples run`);
});

test(
    `${randomCommandCount} random command lines, entered at the page's controls, give the native report (seed ${
        randomSeed})`,
    async () => {
        const random = randomSource(randomSeed);
        const outcomes = {valid: 0, invalid: 0};
        for (let i = 0; i < randomCommandCount; ++i) {
            const args = randomCommand(random);
            const seed = args[args.indexOf('--seed') + 1];
            const presses = await session.page.evaluate(
                async (command) => (await import('./page_user.mjs')).performCommand(command), args);
            expectNativeConsoles(presses, seed);
            ++outcomes[presses.at(-1).valid ? 'valid' : 'invalid'];
        }
        assert.ok(outcomes.valid >= randomCommandCount / 10, `only ${outcomes.valid} commands ran`);
        assert.ok(outcomes.invalid >= randomCommandCount / 10,
                  `only ${outcomes.invalid} commands were refused`);
    });

test('no script error, console error or failed request on the way',
     () => { assert.deepEqual(session.problems, []); });
