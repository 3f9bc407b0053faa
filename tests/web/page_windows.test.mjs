// The page's windows in headless Chromium, worked with the mouse and the keyboard: the menu's commands, the
// Configuration dialog's enabled controls after each action (written out here by hand from what the dialog
// does, and compared with the core's record), the console opened and closed as the program's, the Help
// dialog and its accelerators, File > Exit, any text in any field, a trap of the core, every label and text
// shown whole, and a narrow screen.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {openPage, PageUser, startPageSession} from './lib/page_session.mjs';

let session;
let user;

before(async () => {
    session = await startPageSession();
    user = await PageUser.on(session.page);
});

after(async () => session?.stop());

const page = () => session.page;
const addresses = Array.from({length: 10}, (_, i) => `address${i}`);
const allControls = [
    'ram', 'cache', 'block', 'sets', 'iterations', ...addresses, 'mapping', 'policy', 'mode', 'setareMod',
    'exit', 'startSimulation', 'regenerateSequence'
];

// What the page shows enabled must be exactly the named controls plus those always enabled, and the core's
// record must say the same.
async function expectEnabled(why, ...names) {
    const always = ['ram', 'cache', 'block', 'mapping', 'mode', 'setareMod', 'exit'];
    const expected =
        Object.fromEntries(allControls.map((name) => [name, always.includes(name) || names.includes(name)]));
    const {shown, record} = await user.enabledControls();
    assert.deepEqual(shown, expected, `shown enabled: ${why}`);
    assert.deepEqual(record, expected, `the core's record: ${why}`);
    for (const name of ['sets', 'policy', 'startSimulation']) {
        assert.equal(await user.isEnabled(name), expected[name], `${name} as Playwright finds it: ${why}`);
    }
}

const visible = (selector) => page().isVisible(selector);
const startUp = async () => {
    await user.menu('File', 'Exit');
    await user.menu('Configuration', 'Input');
};

test('the page starts as the program does: the title picture, no console, no dialog', async () => {
    assert.equal(await page().title(), 'tarvel_cache');
    assert.equal(await visible('#console'), false);
    assert.equal(await visible('#dialog-132'), false);
    assert.equal(await visible('#dialog-103'), false);
    assert.deepEqual(await page().getByRole('menubar').getByRole('menuitem').allTextContents(),
                     ['File', 'Console', 'Configuration', 'Limba / Language', 'Exersare', 'Help']);
    await page().getByRole('menuitem', {name: 'Console', exact: true}).click();
    assert.deepEqual(await page().getByRole('menu').getByRole('menuitem').allTextContents(),
                     ['Status', 'Close']);
    await page().keyboard.press('Escape');
});

test('the dialog enables its controls after each action as the Windows dialog does', async () => {
    await startUp();
    await expectEnabled('a new dialog');
    for (const name of ['ram', 'cache', 'block', 'sets', 'iterations', ...addresses]) {
        assert.equal(await user.control(name).inputValue(), '0', `${name} of a new dialog`);
    }
    assert.equal(await user.control('mapping').evaluate((list) => list.selectedIndex), -1,
                 'no mapping chosen');

    await user.control('mapping').focus();
    await expectEnabled('the mapping list has the focus, nothing chosen', 'policy');
    await user.choose('mapping', 'directa');
    await expectEnabled('"directa" chosen');
    await user.choose('mapping', 'asociativa pe seturi');
    await expectEnabled('"asociativa pe seturi" chosen', 'policy', 'sets');
    await user.control('ram').focus();
    await expectEnabled('the mapping list loses the focus', 'policy', 'sets');

    await user.choose('mode', 'secventa data');
    await expectEnabled('"secventa data"', 'policy', 'sets', 'iterations', ...addresses);
    await user.choose('mode', 'individual');
    await expectEnabled('"individual"', 'policy', 'sets', 'address0');
    await user.choose('mode', 'secventa aleatoare');
    await expectEnabled('"secventa aleatoare"', 'policy', 'sets', 'iterations');

    await user.type('ram', '1');
    await user.type('cache', '16');
    await user.type('block', '1024');
    await user.type('sets', '2');
    await user.type('iterations', '50');
    await user.choose('policy', 'LRU');
    await user.press('setareMod');
    await expectEnabled('a valid random sequence set', 'policy', 'sets', 'iterations', 'startSimulation',
                        'regenerateSequence');
    assert.match(await user.consoleText(), /Configurare valida/);
    await user.press('startSimulation');
    await expectEnabled('after the run', 'policy', 'sets', 'iterations', 'regenerateSequence');
    await user.press('regenerateSequence');
    await expectEnabled('after Reinit.', 'policy', 'sets', 'iterations');

    await user.type('iterations', '5');
    await user.press('setareMod');
    await expectEnabled('a random sequence of 5 does not validate', 'policy', 'sets', 'iterations');
    assert.match(await user.consoleText(), /incorect/);
});

test(
    'Configuration > Input keeps an open dialog as the user left it; Exit ends it, and a new one starts over',
    async () => {
        await startUp();
        await user.type('ram', '64');
        await user.choose('mapping', 'directa');
        await user.menu('Configuration', 'Input');
        assert.equal(await user.control('ram').inputValue(), '64');
        await user.press('exit');
        assert.equal(await visible('#dialog-132'), false);
        await user.menu('Configuration', 'Input');
        assert.equal(await user.control('ram').inputValue(), '0');
        assert.equal(await user.control('mapping').evaluate((list) => list.selectedIndex), -1);
        await page().locator('#dialog-132 .close-box').click();
        assert.equal(await visible('#dialog-132'), false, 'the close box is Exit');
    });

test('the console opens and closes as the program\'s console does', async () => {
    await startUp();
    await user.menu('Console', 'Status');
    const first = await user.consoleText();
    assert.match(first, /Configurare valida/, 'the records as they start: nothing set, nothing wrong');
    assert.equal(await page().locator('#console').evaluate((console) => console.offsetHeight), 535);
    await user.type('ram', '1');
    await user.menu('Console', 'Status');
    assert.equal(await user.consoleText(), first, 'Status on an open console prints nothing new');
    await user.menu('Console', 'Close');
    assert.equal(await user.consoleText(), null);
    await user.menu('Console', 'Close');
    assert.equal(await user.consoleText(), null, 'Close with no console does nothing more');

    await user.type('cache', '16');
    await user.type('block', '1024');
    await user.choose('mapping', 'directa');
    await user.choose('mode', 'individual');
    await user.type('address0', '74565');
    await user.press('setareMod');
    assert.match(await user.consoleText(), /Apasa START SIMULARE/, 'Setare mod opens the console');
    await user.menu('Console', 'Close');
    await user.press('startSimulation');
    assert.match(await user.consoleText(), /Cache miss/, 'START SIMULARE opens it');
    assert.equal(await page().locator('#console').evaluate((console) => console.offsetHeight), 775);
    const text = page().locator('#console-text');
    assert.ok(await text.evaluate((pre) => pre.scrollTop + pre.clientHeight >= pre.scrollHeight - 1),
              'at its end');
    assert.equal(await text.evaluate((pre) => getComputedStyle(pre).fontFamily.includes('monospace')), true);
});

test('Help opens from the menu and from Alt+/ and Alt+? in the main window, not from inside a dialog',
     async () => {
         await startUp();
         const help = page().getByRole('dialog', {name: 'Help TARVEL_CACHE'});
         await user.menu('Help', 'Mod de utilizare');
         assert.ok(await help.isVisible());
         assert.match(await help.textContent(),
                      /Numarul de seturi: 1, 2, 4, 8 \(mai mic decit numarul de blocuri in cache\)/);
         assert.ok(await help.getByRole('button', {name: 'OK'})
                       .evaluate((button) => button === document.activeElement),
                   'a new Help dialog gives the keyboard to OK');
         await help.getByRole('button', {name: 'OK'}).click();
         assert.equal(await help.isVisible(), false);

         for (const key of ['Alt+/', 'Alt+?']) {
             await page().locator('#main-view').click();
             await page().keyboard.press(key);
             assert.ok(await help.isVisible(), `${key} in the main window`);
             await help.locator('.close-box').click();
             assert.equal(await help.isVisible(), false, 'the close box is OK');
         }
         await user.control('ram').click();
         await page().keyboard.press('Alt+/');
         assert.equal(await help.isVisible(), false, 'Alt+/ in a field of the dialog does nothing');
     });

test('the menu works from the keyboard', async () => {
    await startUp();
    await page().getByRole('menuitem', {name: 'Console', exact: true}).focus();
    await page().keyboard.press('ArrowDown');
    await page().keyboard.press('Enter');
    assert.notEqual(await user.consoleText(), null, 'Console > Status');
    await page().getByRole('menuitem', {name: 'File', exact: true}).focus();
    await page().keyboard.press('Enter');
    await page().keyboard.press('Escape');
    assert.equal(await page().getByRole('menu').first().isVisible(), false, 'Escape closes the menu');
});

test('File > Exit returns the page to its start-up state', async () => {
    await startUp();
    await user.menu('Console', 'Status');
    await user.menu('Help', 'Mod de utilizare');
    await user.menu('File', 'Exit');
    assert.equal(await visible('#console'), false);
    assert.equal(await visible('#dialog-132'), false);
    assert.equal(await visible('#dialog-103'), false);
    const state = await page().evaluate(() => globalThis.tarvelPageTestHooks.program.core.scene());
    assert.deepEqual(state, [{command: 'picture', picture: 'splash', corner: {x: 150, y: 50}}]);
});

test('any text in any field gets the program\'s reading, and never a script error', async () => {
    await startUp();
    await user.choose('mapping', 'directa');
    await user.choose('mode', 'individual');
    await user.type('ram', '1');
    await user.type('block', '1024');
    await user.type('address0', '74565');
    const readings = [
        ['', false],
        ['16', true],
        [' 16 ', true],
        ['1'.repeat(100000), false],
        ['0'.repeat(99998) + '16', true],
        ['abc', false],
        ['１６', false],
        ['16🙂', false],
        ['ă', false],
        ['-16', false],
        ['16\t', true],
    ];
    for (const [text, valid] of readings) {
        await user.paste('cache', text);
        await user.press('setareMod');
        assert.equal(await user.isEnabled('startSimulation'), valid,
                     `cache "${text.slice(0, 20)}" (${text.length})`);
        if (!valid) {
            assert.match(await user.consoleText(), /Dimensiune cache = 0 ko incorecta/);
        }
    }
    await user.type('cache', '1x6');
    await user.press('setareMod');
    assert.equal(await user.isEnabled('startSimulation'), false, 'typed key by key');
    assert.deepEqual(session.problems, []);
});

test('random sequences come from crypto.getRandomValues unless a test gives the page another source',
     async () => {
         const counted = await openPage(session.browser, `${session.server.url}index.html`, {
             hooks: `const browserSource = crypto.getRandomValues.bind(crypto);
                globalThis.randomCalls = 0;
                crypto.getRandomValues = (bytes) => { ++globalThis.randomCalls; return browserSource(bytes); };`,
         });
         const randomUser = await PageUser.on(counted.page);
         const run = [
             '--ram', '1', '--cache', '16', '--block', '1024', '--mapping', 'asociativa', '--policy', 'LRU',
             '--mode', 'secventa aleatoare', '--iterations', '100'
         ];
         const first = (await randomUser.performCommand(run)).at(-1).console;
         assert.ok(await counted.page.evaluate(() => globalThis.randomCalls) > 0,
                   'crypto.getRandomValues was called');
         const second = (await randomUser.performCommand(run)).at(-1).console;
         assert.notEqual(first, second, 'two random sequences differ');
         assert.deepEqual(counted.problems, []);
         await counted.page.close();
     });

test('a trap of the core is one clear line, and a reload recovers', async () => {
    const trapping = await openPage(session.browser, `${session.server.url}index.html`, {
        hooks: `globalThis.tarvelPageTestHooks.randomValues = (bytes) => {
                    if (sessionStorage.getItem('entropy') !== 'back') throw new Error('no entropy');
                    crypto.getRandomValues(bytes);
                };`,
    });
    const trapUser = await PageUser.on(trapping.page);
    await trapUser.menu('Configuration', 'Input');
    for (const [name, text] of [['ram', '1'], ['cache', '16'], ['block', '1024'], ['iterations', '20']]) {
        if (name === 'iterations') {
            await trapUser.choose('mapping', 'asociativa');
            await trapUser.choose('policy', 'FIFO');
            await trapUser.choose('mode', 'secventa aleatoare');
        }
        await trapUser.type(name, text);
    }
    await trapUser.press('setareMod');
    await trapUser.press('startSimulation');
    const line = trapping.page.getByRole('alert');
    assert.ok(await line.isVisible());
    assert.match(await line.textContent(),
                 /^Nucleul simulatorului s-a oprit \(RuntimeError: [^\n]+\); reincarcati pagina pentru a porni din nou$/);
    await trapUser.press('setareMod'); // every later action says the same, quietly
    assert.deepEqual(trapping.problems, []);
    await trapUser.menu('File', 'Exit');
    assert.equal(await line.isVisible(), false, 'File > Exit starts a fresh core');
    await trapUser.menu('Configuration', 'Input');
    assert.equal(await trapUser.control('ram').inputValue(), '0');

    await trapping.page.evaluate(() => sessionStorage.setItem('entropy', 'back'));
    await trapping.page.reload();
    await trapping.page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
    assert.equal(await line.isVisible(), false);
    await trapping.page.close();
});

test('every label shows its whole text beside its control, and the Help texts stand apart', async () => {
    await startUp();
    await user.menu('Help', 'Mod de utilizare');
    const overlaps = await page().evaluate(() => {
        const found = [];
        const box = (element) => element.getBoundingClientRect();
        const textBox = (element) => {
            const range = document.createRange();
            range.selectNodeContents(element);
            return range.getBoundingClientRect();
        };
        const meet = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
        for (const dialog of document.querySelectorAll('.dialog')) {
            const texts = [...dialog.querySelectorAll('.static')];
            const controls = [...dialog.querySelectorAll(
                '.dialog-client input, .dialog-client select, .dialog-client button')];
            for (const text of texts) {
                const own = textBox(text);
                for (const other of [...controls, ...texts.filter((entry) => entry !== text)]) {
                    const theirs = other.matches('.static') ? textBox(other) : box(other);
                    if (meet(own, theirs)) {
                        found.push(`"${text.textContent}" meets ${other.textContent || other.id}`);
                    }
                }
                if (own.right > box(dialog).right) {
                    found.push(`"${text.textContent}" runs out of its dialog`);
                }
            }
            for (const button of dialog.querySelectorAll('.dialog-client button')) {
                if (button.scrollWidth > button.clientWidth) {
                    found.push(`the button "${button.textContent}" is too narrow for its text`);
                }
            }
        }
        return found;
    });
    assert.deepEqual(overlaps, []);
});

test('on a narrow screen the page scales to fit and nothing overflows', async () => {
    const narrow = await openPage(session.browser, `${session.server.url}index.html`,
                                  {viewport: {width: 390, height: 844}});
    const sizes = await narrow.page.evaluate(
        () => ({
            scrollWidth: document.documentElement.scrollWidth,
            width: document.documentElement.clientWidth,
            desktop: document.getElementById('desktop').getBoundingClientRect().width,
        }));
    assert.ok(sizes.scrollWidth <= sizes.width, `scroll width ${sizes.scrollWidth} in ${sizes.width}`);
    assert.ok(sizes.desktop <= sizes.width && sizes.desktop > sizes.width - 10, `desktop ${sizes.desktop}`);
    const narrowUser = await PageUser.on(narrow.page);
    await narrowUser.menu('Configuration', 'Input');
    await narrowUser.type('ram', '1');
    assert.equal(await narrowUser.control('ram').inputValue(), '1', 'the scaled controls still work');
    assert.deepEqual(narrow.problems, []);
    await narrow.page.close();
});

test('no script error, console error or failed request on the way',
     () => { assert.deepEqual(session.problems, []); });
