// The page in each language, in headless Chromium: Limba / Language > English shows every text of the windows
// in English, none left that the catalogue lacks, the document's language follows, and the console shows what
// tarvel_cache_text --lang en prints for the same inputs, the README's examples and random command lines;
// Romana brings back every text as the page first showed it; the main view's pictures are the ones rendered in
// the language. A link's lang=en opens the page in English.
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {after, before, test} from 'node:test';

import {repositoryRoot, requireBuilt, textFrontEndPath} from './lib/build_outputs.mjs';
import {expectNativeConsoles} from './lib/native_consoles.mjs';
import {runTextFrontEnd} from './lib/native_text_front_end.mjs';
import {scenes} from './lib/page_scenes.mjs';
import {PageUser, startPageSession} from './lib/page_session.mjs';
import {randomCommand, randomSource} from './lib/random_commands.mjs';
import {romanianOnlyWords, visibleWords} from './lib/romanian_words.mjs';
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

// The canvas where the scene of the command line (none: the title) puts its picture, against the PNG the
// language's pictures hold: the number of colour values that differ, decoded by the browser from the file.
async function pictureDifference(args, language) {
    const native = runTextFrontEnd([...(args ?? []), '--scene']);
    const scene = native.stdout.toString('utf8').split('\n').filter(Boolean).map((line) => JSON.parse(line));
    const {picture, corner} = scene.find((command) => command.command === 'picture');
    const file = `${repositoryRoot}resources/bitmaps/${language === 'ro' ? '' : `${language}/`}${picture}.png`;
    if (args) {
        await performInPage(args);
    } else {
        await session.page.evaluate(async () => {
            (await import('./page_user.mjs')).menuCommand('File', 'Exit');
            await globalThis.tarvelPageTestHooks.program.settled;
        });
    }
    return session.page.evaluate(async ({png, corner}) => {
        const image = new Image();
        image.src = `data:image/png;base64,${png}`;
        await image.decode();
        const expected = new OffscreenCanvas(image.width, image.height).getContext('2d');
        expected.drawImage(image, 0, 0);
        const wanted = expected.getImageData(0, 0, image.width, image.height).data;
        const shown = document.getElementById('main-view').getContext('2d').getImageData(
            corner.x, corner.y, image.width, image.height).data;
        return wanted.filter((value, at) => value !== shown[at]).length;
    }, {png: readFileSync(file).toString('base64'), corner});
}

test('each language paints the pictures rendered in it', async () => {
    const user = await PageUser.on(session.page);
    for (const [language, item] of [['en', 'English'], ['ro', 'Romana']]) {
        await user.menu('Limba / Language', item);
        for (const scene of scenes.filter(({name}) => ['splash', 'individual-associative'].includes(name))) {
            assert.equal(await pictureDifference(scene.args, language), 0, `${scene.name} in ${language}`);
        }
    }
});

// The practice, its verdicts and results shown, with every answer given and wrong or right.
async function practiseExercise(page, fragment) {
    await page.evaluate((link) => { location.hash = link; }, fragment);
    await page.waitForFunction(() => globalThis.tarvelPageTestHooks.program.core.practiceState().active);
    const {steps} = await page.evaluate(() => globalThis.tarvelPageTestHooks.program.core.practiceState());
    for (let step = 0; step < steps; ++step) {
        for (const input of await page.locator('#practice-questions input:visible').all()) {
            await ((await input.getAttribute('type')) === 'radio' ? input.check() : input.fill('1'));
        }
        await page.locator('#practice-check').click();
        if (step < steps - 1) {
            await page.locator('#practice-next').click();
        }
    }
}

test('a practice in English shows no Romanian word, switched by the menu or by a link', async () => {
    const romanian = romanianOnlyWords('en');
    for (const [how, fragment] of [['menu', 'exercise=7'], ['link', 'exercise=8&lang=en']]) {
        const user = await PageUser.on(session.page);
        if (how === 'menu') {
            await user.menu('Limba / Language', 'English');
        }
        await practiseExercise(session.page, fragment);
        const left = (await visibleWords(session.page)).filter((word) => romanian.has(word));
        assert.deepEqual([...new Set(left)], [], `switched by the ${how}`);
        await user.menu('Limba / Language', 'Romana');
    }
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

test('a link\'s lang=en opens the page in English, its copy carries it, a switch says the lines again', async () => {
    const {page} = session;
    await page.evaluate(() => { location.hash = 'exercise=7&lang=en'; });
    await page.waitForFunction(() => globalThis.tarvelPageTestHooks.program.language === 'en');
    const practice = await page.evaluate(() => globalThis.tarvelPageTestHooks.program.core.practiceState());
    assert.match(practice.summary, /^Exercise 7: RAM 256 MB/);
    const practiceLine = () => page.evaluate(() => document.getElementById('practice-line').textContent);
    await page.locator('#practice-check').click(); // every answer blank
    assert.match(await practiceLine(), /^Answer first: Tag, Block, /);
    assert.equal(
        (await page.evaluate(() => globalThis.tarvelPageTestHooks.program.core.currentLink())).fragment,
        'exercise=7&lang=en');
    await page.evaluate(() => globalThis.tarvelPageTestHooks.program.openLink('ram=1&lang=xx'));
    const problemLine = () => page.evaluate(() => document.getElementById('problem-line').textContent);
    assert.equal(await problemLine(), 'Of the link these could not be read: lang; the rest was read.');
    await (await PageUser.on(page)).menu('Limba / Language', 'Romana'); // the line shown is said again
    assert.equal(await problemLine(), 'Din legatura nu s-au putut citi: lang; restul a fost citit.');
    assert.match(await practiceLine(), /^Raspundeti intai la: Tag, Bloc, /);
});

test('no script error, console error or failed request on the way',
     () => { assert.deepEqual(session.problems, []); });
