// Links in headless Chromium: a configuration copied from the practice window and opened in a new page fills
// a new dialog with every field and list, its controls enabled as the user's were, and runs nothing; an
// exercise's link starts its practice; a change of the address's fragment opens the new link, after asking
// where it would replace typed input or a practice; hostile fragments fill only what they can, say so in one
// line and never run script.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {openPage, PageUser, startPageSession} from './lib/page_session.mjs';

let session;
let user;

before(async () => {
    session = await startPageSession();
    user = await PageUser.on(session.page);
    await session.browser.context.grantPermissions(['clipboard-read', 'clipboard-write'],
                                                   {origin: session.server.url.replace(/\/$/, '')});
});

after(async () => session?.stop());

const page = () => session.page;
const splash = [{command: 'picture', picture: 'splash', corner: {x: 150, y: 50}}];
// Counts what a script smuggled into the page would call.
const watchScripts = `globalThis.smuggled = 0;
    for (const name of ['alert', 'confirm', 'prompt']) { window[name] = () => { ++globalThis.smuggled; }; }`;

async function shownEnabled(on) {
    return on.evaluate(async () => (await import('./page_user.mjs')).shownEnabled());
}

async function copiedLink() {
    await user.menu('Exersare', 'Exersare pas cu pas');
    await page().getByRole('button', {name: 'Copiaza legatura'}).click();
    await page().waitForFunction(() => document.getElementById('practice-line').textContent !== '');
    const link = await page().getByLabel('Legatura', {exact: true}).inputValue();
    assert.equal(await page().evaluate(() => navigator.clipboard.readText()), link,
                 'the link is on the clipboard');
    assert.equal(await page().locator('#practice-line').textContent(), 'Legatura a fost copiata.');
    await page().locator('#practice .close-box').click();
    return link;
}

// What a new page opened at the link shows: the dialog's contents and enabled controls, and whether anything
// ran.
async function openedAt(link) {
    const opened = await openPage(session.browser, link, {hooks: watchScripts});
    const on = opened.page;
    const linkUser = await PageUser.on(on);
    const shown = {
        dialog: await on.isVisible('#dialog-132'),
        contents: await linkUser.dialogContents(),
        enabled: await shownEnabled(on),
        console: await on.isVisible('#console'),
        scene: await on.evaluate(() => globalThis.tarvelPageTestHooks.program.core.scene()),
        line: (await on.isVisible('#problem-line')) ? await on.locator('#problem-line').textContent() : null,
        practice: await on.isVisible('#practice'),
    };
    return {opened, shown};
}

const configurations = [
    {
        lists: {mapping: 'asociativa pe seturi', policy: 'LRU', mode: 'secventa data'},
        texts: {
            ram: '4096',
            cache: '1024',
            block: '65536',
            sets: '8',
            iterations: '10',
            ...Object.fromEntries(
                Array.from({length: 10}, (_, i) => [`address${i}`, String(4294967295 - 7 * i)])),
        },
    },
    {
        lists: {mapping: 'directa', mode: 'individual'},
        texts: {ram: '1', cache: '16', block: '1024', address0: '74565'}
    },
    {
        lists: {mapping: 'asociativa', policy: 'FIFO', mode: 'secventa aleatoare'},
        texts: {ram: '64', cache: '32', block: '128', iterations: '100'},
    },
];

test('a copied link fills every field and list of a new dialog, enabled as the user\'s, and runs nothing',
     async () => {
         for (const {lists, texts} of configurations) {
             await user.menu('File', 'Exit');
             await user.menu('Configuration', 'Input');
             for (const [name, item] of Object.entries(lists)) {
                 await user.choose(name, item);
             }
             for (const [name, text] of Object.entries(texts)) {
                 await user.type(name, text);
             }
             const contents = await user.dialogContents();
             const enabled = await shownEnabled(page());
             const link = await copiedLink();
             assert.ok(link.startsWith(`${session.server.url}index.html#`), link);
             const {opened, shown} = await openedAt(link);
             assert.deepEqual(shown, {
                 dialog: true,
                 contents,
                 enabled,
                 console: false,
                 scene: splash,
                 line: null,
                 practice: false,
             });
             assert.equal(enabled.startSimulation, false);
             assert.deepEqual(opened.problems, []);
             await opened.page.close();
         }
     });

test('an exercise\'s link starts its practice, and a new fragment opens the new link', async () => {
    await user.menu('File', 'Exit');
    await user.menu('Exersare', 'Exersare pas cu pas');
    await page().getByLabel('Numarul exercitiului').fill('7');
    await page().getByLabel('Numarul exercitiului').press('Enter');
    const link = await copiedLink();
    assert.equal(link, `${session.server.url}index.html#exercise=7`);
    const {opened, shown} = await openedAt(link);
    assert.equal(shown.practice, true);
    assert.equal(shown.dialog, false);
    assert.deepEqual(shown.scene, splash, 'nothing ran');
    const on = opened.page;
    assert.equal(await on.getByLabel('Numarul exercitiului').inputValue(), '7');
    assert.equal(await on.locator('#practice-heading').textContent(),
                 'Accesul 1 din 10: adresa RAM 168901097 (a1139e9)');
    assert.ok(
        await on.getByLabel('Tag', {exact: true}).evaluate((field) => field === document.activeElement));

    await on.evaluate(() => { location.hash = 'ram=2&block=1024&mapping=directa'; });
    await on.waitForFunction(() => !document.getElementById('dialog-132').hidden);
    const linkUser = await PageUser.on(on);
    assert.equal(await linkUser.control('ram').inputValue(), '2');
    assert.equal(await linkUser.control('block').inputValue(), '1024');
    assert.equal(await linkUser.control('cache').inputValue(), '0');
    assert.deepEqual(opened.problems, []);
    await on.close();
});

test('hostile fragments fill only what they can read, say so in one line and run no script', async () => {
    const cases = [
        [
            'ram=abc&cache=99999999999&nume=1&mapping=%3Cscript%3Ealert(1)%3C%2Fscript%3E', {},
            'Legatura nu a putut fi citita: ram, cache, nume, mapping.'
        ],
        ['<img src=x onerror=alert(1)>', {}, 'Legatura nu a putut fi citita: %3Cimg%20src.'],
        [
            'ram=2&block=1024&policy=LRU%22%3E%3Cscript%3E&exercise=' +
                '9'.repeat(30),
            {ram: '2', block: '1024'},
            'Din legatura nu s-au putut citi: policy, exercise; restul a fost citit.'
        ],
        ['exercise=18446744073709551616', {}, 'Legatura nu a putut fi citita: exercise.'],
        [
            `address0=${'1'.repeat(200000)}&cache=16`, {cache: '16'},
            'Din legatura nu s-au putut citi: address0; restul a fost citit.'
        ],
        ['javascript:alert(document.cookie)', {}, 'Legatura nu a putut fi citita: javascript:alert(doc.'],
        [
            'ram=1&ram=2&mode=secventa%20data&mode=individual', {ram: '1', mode: 'secventa data'},
            'Din legatura nu s-au putut citi: ram, mode; restul a fost citit.'
        ],
    ];
    const plain = await openPage(session.browser, `${session.server.url}index.html`);
    const elements = await plain.page.evaluate(() => document.querySelectorAll('*').length);
    await plain.page.close();
    for (const [fragment, filled, line] of cases) {
        const {opened, shown} = await openedAt(`${session.server.url}index.html#${fragment}`);
        const on = opened.page;
        const where = fragment.slice(0, 60);
        assert.equal(shown.line, line, where);
        assert.equal(await on.evaluate(() => globalThis.smuggled), 0, where);
        assert.deepEqual(opened.problems, [], where);
        assert.equal(await on.evaluate(() => document.querySelectorAll('*').length), elements,
                     `${where}: no element made from the fragment`);
        assert.equal(shown.dialog, Object.keys(filled).length > 0, where);
        if (shown.dialog) {
            for (const [name, value] of Object.entries(shown.contents)) {
                const expected = filled[name] ?? (['mapping', 'policy', 'mode'].includes(name) ? null : '0');
                assert.equal(value, expected, `${where}: ${name}`);
            }
        }
        assert.deepEqual(shown.scene, splash, `${where}: nothing ran`);
        await on.locator('#problem-line').getByRole('button', {name: 'Inchide', exact: true}).click();
        assert.equal(await on.isVisible('#problem-line'), false, `${where}: the line is dismissed`);
        await on.close();
    }
});

test('a link over typed fields or a practice in progress asks first, and "Nu" leaves everything as it was',
     async () => {
         const typeConfiguration = async () => {
             await user.menu('File', 'Exit');
             await user.menu('Configuration', 'Input');
             for (const [name, text] of [['ram', '4'], ['cache', '32'], ['block', '2048']]) {
                 await user.type(name, text);
             }
         };
         const practiseToAccess2 = async () => {
             await user.menu('Exersare', 'Exersare pas cu pas');
             await page().getByLabel('Numarul exercitiului').fill('7');
             await page().getByLabel('Numarul exercitiului').press('Enter');
             const answers = [['Tag', '0'], ['Bloc', '0'], ['Cuvint', '0'], ['Bloc inlocuit', '-']];
             for (const [label, answer] of answers) {
                 await page().getByLabel(label, {exact: true}).fill(answer);
             }
             await page().getByRole('radio', {name: 'hit', exact: true}).check();
             await page().getByRole('button', {name: 'Verifica'}).click();
             await page().getByRole('button', {name: 'Pasul urmator'}).click();
         };
         const shown = async () => ({
             address: await page().evaluate(() => location.hash),
             dialog: (await page().isVisible('#dialog-132')) ? await user.dialogContents() : null,
             practice: await page().locator('#practice-heading').textContent(),
         });
         for (const [prepare, fragment, question] of [
                  [typeConfiguration, '#ram=2', 'Inlocuiti configuratia din dialog cu cea din legatura?'],
                  [practiseToAccess2, '#exercise=8',
                   'Opriti exersarea inceputa si deschideti exercitiul din legatura?'],
         ]) {
             await prepare();
             const before = await shown();
             for (const answer of ['Nu', 'Da']) {
                 await page().evaluate((hash) => { location.hash = hash; }, fragment);
                 const asked =
                     page().getByRole('alertdialog', {name: 'Legatura noua', description: question});
                 assert.ok(await asked.isVisible(), `${fragment} asks "${question}"`);
                 await asked.getByRole('button', {name: answer, exact: true}).click();
                 const after = await shown();
                 assert.equal(await asked.isVisible(), false);
                 if (answer === 'Nu') {
                     assert.deepEqual(after, before, `${fragment}: nothing changes`);
                 } else {
                     assert.equal(after.address, fragment);
                     assert.notDeepEqual({...after, address: before.address}, before, `${fragment} opened`);
                 }
             }
         }
         assert.deepEqual(session.problems, []);
     });
