// The page in each language, in headless Chromium: Limba / Language > English shows every text of the windows
// in English, none left that the catalogue lacks, the document's language follows, and the console shows what
// tarvel_cache_text --lang en prints for the same inputs, the README's examples and random command lines;
// Romana brings back every text as the page first showed it. A link's lang=en opens the page in English.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {requireBuilt, textFrontEndPath} from './lib/build_outputs.mjs';
import {expectNativeConsoles} from './lib/native_consoles.mjs';
import {PageUser, startPageSession} from './lib/page_session.mjs';
import {randomCommand, randomSource} from './lib/random_commands.mjs';
import {readmeExamples} from './lib/readme_examples.mjs';

const randomCommandCount = Number(process.env.TARVEL_PAGE_RANDOM_COMMANDS ?? 100);
const randomSeed = Number(process.env.TARVEL_RANDOM_SEED ?? 20240516);

let session;

before(async () => {
    await requireBuilt(textFrontEndPath, 'native');
    session = await startPageSession();
});

after(async () => session?.stop());

const desktopText = () => session.page.evaluate(() => document.getElementById('desktop').innerText);
const pageLanguage = () =>
    session.page.evaluate(() => ({
                              attribute: document.documentElement.lang,
                              program: globalThis.tarvelPageTestHooks.program.language,
                              untranslated: globalThis.tarvelPageTestHooks.program.untranslated,
                          }));

async function performInPage(args) {
    return session.page.evaluate(async (command) => (await import('./page_user.mjs')).performCommand(command),
                                 args);
}

test('English shows every text of the windows translated, and Romana brings them back', async () => {
    const user = await PageUser.on(session.page);
    const romanian = await desktopText();
    await user.menu('Limba / Language', 'English');
    assert.deepEqual(await pageLanguage(), {attribute: 'en', program: 'en', untranslated: []});
    assert.notEqual(await desktopText(), romanian);
    await user.menu('Limba / Language', 'Romana');
    assert.deepEqual(await pageLanguage(), {attribute: 'ro', program: 'ro', untranslated: []});
    assert.equal(await desktopText(), romanian);
});

test('the console in each language is the text front-end\'s in it', async () => {
    const user = await PageUser.on(session.page);
    for (const language of ['en', 'ro']) {
        await user.menu('Limba / Language', language === 'en' ? 'English' : 'Romana');
        for (const args of await readmeExamples()) {
            expectNativeConsoles(await performInPage(args), null, language);
        }
        const random = randomSource(randomSeed);
        for (let i = 0; i < randomCommandCount; ++i) {
            const args = randomCommand(random);
            expectNativeConsoles(await performInPage(args), args[args.indexOf('--seed') + 1], language);
        }
    }
});

test('a link\'s lang=en opens the page in English, and the link copied carries it', async () => {
    const {page} = session;
    await page.evaluate(() => { location.hash = 'exercise=7&lang=en'; });
    await page.waitForFunction(() => globalThis.tarvelPageTestHooks.program.language === 'en');
    const practice = await page.evaluate(() => globalThis.tarvelPageTestHooks.program.core.practiceState());
    assert.match(practice.summary, /^Exercise 7: RAM 256 MB/);
    assert.equal(
        (await page.evaluate(() => globalThis.tarvelPageTestHooks.program.core.currentLink())).fragment,
        'exercise=7&lang=en');
    await page.evaluate(() => globalThis.tarvelPageTestHooks.program.openLink('ram=1&lang=xx'));
    assert.equal(await page.evaluate(() => document.getElementById('problem-line').textContent),
                 'Of the link these could not be read: lang; the rest was read.');
});

test('no script error, console error or failed request on the way',
     () => { assert.deepEqual(session.problems, []); });
