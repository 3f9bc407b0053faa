// The printed sheets in headless Chromium: a teacher asks for N exercises from a number and prints; paper
// shows only the sheets, each on its own page, then their keys, one a page, and their words are exactly those
// tarvel_cache_text --exercise SEED --count N [--answers] prints; a request the window cannot read, or whose
// numbers would pass the last, prints nothing and says why.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {requireBuilt, textFrontEndPath} from './lib/build_outputs.mjs';
import {runTextFrontEnd} from './lib/native_text_front_end.mjs';
import {openPage, PageUser, startPageSession} from './lib/page_session.mjs';

let session;
let teacher;
let user;

before(async () => {
    await requireBuilt(textFrontEndPath, 'native');
    session = await startPageSession();
    // The browser's print dialog stands in for paper: it counts the calls, and the tests read the page in
    // print media.
    teacher =
        await openPage(session.browser, `${session.server.url}index.html`,
                       {hooks: 'globalThis.prints = 0; window.print = () => { ++globalThis.prints; };'});
    user = await PageUser.on(teacher.page);
});

after(async () => session?.stop());

const page = () => teacher.page;
const native = (args) => runTextFrontEnd(args).stdout.toString('utf8');
// The words of a text without the table borders of the text front-end's layout, each with its count. Paper
// holds every one of them, and no other word; a long table there stands in two halves, each with the header.
function words(text) {
    const counts = new Map();
    for (const word of text.split(/[\s|]+/).filter((item) => item !== '' && !/^[+=-]{2,}$/.test(item))) {
        counts.set(word, (counts.get(word) ?? 0) + 1);
    }
    return counts;
}
async function assertSameWords(locator, text, why) {
    const printed =
        words((await locator.evaluateAll((pages) => pages.map((page) => page.innerText))).join('\n'));
    const expected = words(text);
    assert.deepEqual([...printed.keys()].sort(), [...expected.keys()].sort(), why);
    const fewer = [...expected].filter(([word, count]) => printed.get(word) < count);
    assert.deepEqual(fewer, [], `${why}: words printed fewer times`);
}

async function print(first, count) {
    await user.menu('Exersare', 'Fise de exercitii');
    await page().getByLabel('Primul exercitiu').fill(first);
    await page().getByLabel('Numarul de fise').fill(count);
    await page().getByRole('button', {name: 'Tipareste'}).click();
}

test('the printed sheets and keys are the text front-end\'s, one a page, and paper shows nothing else',
     async () => {
         await print('5', '3'); // the key of exercise 5, 16 cache blocks, is the longest of all: 101 lines
         assert.equal(await page().evaluate(() => globalThis.prints), 1);
         await page().emulateMedia({media: 'print'});
         const sheets = page().locator('.printed-sheet:not(.printed-key)');
         const keys = page().locator('.printed-key');
         await assertSameWords(sheets, native(['--exercise', '5', '--count', '3']), 'the sheets');
         await assertSameWords(keys, native(['--exercise', '5', '--count', '3', '--answers']), 'the keys');
         assert.equal(await page().isVisible('#desktop'), false, 'paper shows the sheets alone');
         assert.ok(await sheets.first().isVisible());
         const pdf = (await page().pdf({format: 'A4', preferCSSPageSize: true})).toString('latin1');
         assert.equal(pdf.match(/\/Type\s*\/Page[^s]/g).length, 6,
                      'each sheet and each key on a page of its own');
         const widths =
             await page()
                 .locator('.printed-sheet')
                 .evaluateAll((pages) => pages.map((sheet) => sheet.scrollWidth <= sheet.clientWidth));
         assert.deepEqual(widths, Array(6).fill(true), 'every line fits the page\'s width');
         await page().emulateMedia({media: 'screen'});
         assert.equal(await page().isVisible('.printed-sheets'), false, 'the screen does not show them');
         assert.deepEqual(teacher.problems, []);
     });

test('a request the window cannot read prints nothing and says why in one line', async () => {
    for (const [first, count, line] of [
             ['7', '0', 'Numarul de fise este un numar intreg de la 1 la 100.'],
             ['7', '101', 'Numarul de fise este un numar intreg de la 1 la 100.'],
             ['<b>7</b>', '1', 'Numarul exercitiului este un numar intreg de la 0 la 18446744073709551615.'],
             [
                 '18446744073709551616', '1',
                 'Numarul exercitiului este un numar intreg de la 0 la 18446744073709551615.'
             ],
             [
                 '18446744073709551615', '2', 'Fisele ar trece de ultimul numar de exercitiu, ' +
                     '18446744073709551615: alegeti un prim exercitiu mai mic sau mai putine fise.'
             ],
    ]) {
        const before = await page().evaluate(() => globalThis.prints);
        await print(first, count);
        assert.equal(await page().evaluate(() => globalThis.prints), before, `${first} ${count}`);
        assert.equal(await page().locator('#sheets-line').textContent(), line);
    }
    await print('18446744073709551614', '2');
    await page().emulateMedia({media: 'print'});
    await assertSameWords(page().locator('.printed-sheet:not(.printed-key)'),
                          native(['--exercise', '18446744073709551614', '--count', '2']),
                          'the numbers go up to the last');
    await page().emulateMedia({media: 'screen'});
    assert.deepEqual(teacher.problems, []);
});
