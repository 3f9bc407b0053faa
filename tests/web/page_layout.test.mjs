// The page's layout in headless Chromium at a phone's, a tablet's, a laptop's and a desktop's size, with the
// browser's own faces replaced by a wide serif, so that only the page's faces lay it out: in every window a
// user can open, nothing makes the page scroll sideways and every text fits its box; on a phone every text is
// at least 12 pixels and every control at least 44 x 44; on a desktop the menu bar and the window just opened
// stand in view, and windows move by their captions without leaving the page. Then paper: the main page
// prints the main view and the console on one page, and the sheets' cells are large enough to write in.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {openPage, PageUser, startPageSession} from './lib/page_session.mjs';

let session;

before(async () => { session = await startPageSession(); });
after(async () => session?.stop());

const sizes = [
    {width: 390, height: 844}, {width: 768, height: 1024}, {width: 1024, height: 600},
    {width: 1280, height: 720}, {width: 1366, height: 657}, {width: 1920, height: 1080}
];

async function openAt(viewport) {
    const opened = await openPage(session.browser, `${session.server.url}index.html`, {viewport});
    const cdp = await opened.page.context().newCDPSession(opened.page);
    const serif = 'DejaVu Serif';
    await cdp.send('Page.setFontFamilies', {
        fontFamilies: {standard: serif, sansSerif: serif, serif, fixed: serif, cursive: serif, fantasy: serif}
    });
    await opened.page.reload();
    await opened.page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
    return {...opened, user: await PageUser.on(opened.page)};
}

const run = [
    '--ram', '1', '--cache', '16', '--block', '1024', '--mapping', 'directa', '--mode', 'individual',
    '--address', '90949'
];

// Each state a user meets, and the window it opens (null: none).
const states = [
    {name: 'start', shown: null, enter: async () => {}},
    {
        name: 'menu open',
        shown: null,
        enter: ({page}) => page.getByRole('menuitem', {name: 'Exersare', exact: true}).click()
    },
    {name: 'Configuration', shown: '#dialog-132', enter: ({user}) => user.menu('Configuration', 'Input')},
    {name: 'after a run', shown: '#console', enter: ({user}) => user.performCommand(run)},
    {name: 'Help', shown: '#dialog-103', enter: ({user}) => user.menu('Help', 'Mod de utilizare')},
    {
        name: 'practice',
        shown: '#practice',
        enter: async ({user, page}) => {
            await user.menu('Exersare', 'Exersare pas cu pas');
            await page.locator('#practice-number').fill('1');
            await page.locator('#practice-from-number').click();
        }
    },
    {name: 'sheets', shown: '#sheets', enter: ({user}) => user.menu('Exersare', 'Fise de exercitii')},
];

// What the page shows, measured in the browser: overflow, texts cut, texts too small, targets too small, and
// where the menu bar and the window shown stand.
function measure(shown) {
    const visible = (element) => element.getClientRects().length > 0 &&
                                 !element.closest('.visually-hidden') &&
                                 getComputedStyle(element).visibility !== 'hidden';
    const scale = (element) => element.getBoundingClientRect().width / (element.offsetWidth || 1);
    const texts = [
        ...document.querySelectorAll('#desktop label, #desktop .static, #desktop button, ' +
                                     '#desktop .caption span, #desktop legend, #desktop th, #desktop td')
    ].filter(visible);
    const cut = texts.filter((element) => {
        const range = document.createRange();
        range.selectNodeContents(element);
        const width = range.getBoundingClientRect().width / scale(element);
        return element.scrollWidth > element.clientWidth + 1 || width > element.clientWidth + 1 ||
               (element.classList.contains('static') && element.scrollHeight > element.clientHeight + 1);
    });
    const small =
        [...document.querySelectorAll('#desktop *')]
            .filter((element) => visible(element) && element.tagName !== 'CANVAS' &&
                                 [...element.childNodes].some((node) => node.nodeType === 3 &&
                                                                        node.textContent.trim()))
            .filter((element) => parseFloat(getComputedStyle(element).fontSize) * scale(element) < 12);
    const targets = [...document.querySelectorAll('#desktop button, #desktop input, #desktop select')]
                        .filter(visible)
                        .map((element) => (element.type === 'radio' ? element.closest('label') : element))
                        .filter((element) => {
                            const box = element.getBoundingClientRect();
                            return box.width < 44 || box.height < 44;
                        });
    const inView = (selector) => {
        const box = document.querySelector(selector).getBoundingClientRect();
        return box.top >= 0 && box.left >= 0 && box.bottom <= innerHeight + 1 && box.right <= innerWidth + 1;
    };
    const name = (element) => `${element.tagName} "${element.textContent.trim().slice(0, 30)}"`;
    return {
        sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
        cut: cut.map(name),
        small: small.map(name),
        targets: targets.map(name),
        menuInView: inView('.menu-bar'),
        shownInView: shown ? inView(shown) : true,
        fonts: ['12px "Tarvel Dialog"', '12px "Tarvel Mono"', '12px "Tarvel View"'].every(
            (font) => document.fonts.check(font)),
    };
}

for (const viewport of sizes) {
    test(`at ${viewport.width} x ${
             viewport.height} every window fits the screen and its texts fit their boxes`,
         async () => {
             const opened = await openAt(viewport);
             const phone = viewport.width < 700;
             for (const state of states) {
                 await state.enter(opened);
                 const seen = await opened.page.evaluate(measure, state.shown);
                 const why = `${state.name} at ${viewport.width} x ${viewport.height}`;
                 assert.ok(seen.fonts, `the page's faces are loaded: ${why}`);
                 assert.equal(seen.sideways, 0, `the page scrolls sideways: ${why}`);
                 assert.deepEqual(seen.cut, [], `texts cut: ${why}`);
                 if (phone) {
                     assert.deepEqual(seen.small, [], `texts under 12 pixels: ${why}`);
                     assert.deepEqual(seen.targets, [], `targets under 44 x 44: ${why}`);
                 }
                 if (viewport.width >= 1024) {
                     assert.ok(seen.menuInView, `the menu bar in view: ${why}`);
                     assert.ok(seen.shownInView, `${state.shown} in view: ${why}`);
                 }
                 await opened.page.keyboard.press('Escape');
             }
             assert.deepEqual(opened.problems, []);
             await opened.page.close();
         });
}

test('on a desktop a window moves by its caption, stays inside the page and comes to the front', async () => {
    const {page, user, problems} = await openAt({width: 1280, height: 720});
    await user.performCommand(run);
    const console = page.locator('#console');
    const caption = console.locator('.caption');
    const from = await caption.boundingBox();
    await page.mouse.move(from.x + 40, from.y + 8);
    await page.mouse.down();
    await page.mouse.move(from.x + 3000, from.y + 3000, {steps: 4});
    await page.mouse.up();
    const box = await console.boundingBox();
    assert.ok(box.x + box.width <= 1281 && box.y + box.height <= 721 && box.x > from.x - 1,
              `console at ${JSON.stringify(box)}`);
    const front = (selector) => page.locator(selector).evaluate((element) => Number(element.style.zIndex));
    await page.locator('#dialog-132 .caption').click();
    assert.ok(await front('#dialog-132') > await front('#console'), 'the dialog clicked comes to the front');
    await user.control('ram').focus();
    await page.keyboard.press('Shift+Tab');
    assert.deepEqual(problems, []);
    await page.close();
});

test('paper: the main page prints the main view and the console on one page; sheet cells take handwriting',
     async () => {
         const {page, user, problems} = await openAt({width: 1280, height: 720});
         await page.evaluate(() => { window.print = () => {}; });
         await user.performCommand(run);
         const pages = async () => (await page.pdf({format: 'A4', preferCSSPageSize: true}))
                                       .toString('latin1')
                                       .match(/\/Type\s*\/Page[^s]/g)
                                       .length;
         await page.emulateMedia({media: 'print'});
         assert.ok(await page.isVisible('#main-view') && await page.isVisible('#console-text'));
         assert.equal(await pages(), 1, 'the main view and the console on one page');
         await page.emulateMedia({media: 'screen'});

         await user.menu('Exersare', 'Fise de exercitii');
         await page.getByLabel('Primul exercitiu').fill('5'); // 16 cache blocks: the longest sheet
         await page.getByLabel('Numarul de fise').fill('1');
         await page.getByRole('button', {name: 'Tipareste'}).click();
         await page.emulateMedia({media: 'print'});
         assert.equal(await pages(), 2, 'the sheet and its key, a page each');
         const millimetre = 96 / 25.4;
         const cells =
             await page.locator('.printed-sheet')
                 .evaluateAll(
                     (sheets) => sheets.map(
                         (sheet) => ({
                             font: parseFloat(getComputedStyle(sheet).fontSize),
                             heights: [...sheet.querySelectorAll('td')].map(
                                 (cell) => cell.getBoundingClientRect().height),
                             widths: [...sheet.querySelectorAll('tbody tr:first-child')].map(
                                 (row) => [...row.cells].map(
                                     (cell) => Math.round(cell.getBoundingClientRect().width))),
                             emptyOverflow: [...sheet.querySelectorAll('td')]
                                                .filter((cell) => cell.scrollWidth > cell.clientWidth)
                                                .length,
                         })));
         for (const sheet of cells) {
             assert.ok(sheet.font >= 11 * 96 / 72, `text of ${sheet.font} pixels`);
             assert.ok(Math.min(...sheet.heights) >= 8 * millimetre - 0.5,
                       `a cell ${Math.min(...sheet.heights)} pixels high`);
             assert.equal(sheet.emptyOverflow, 0);
         }
         const [sheet, key] = cells;
         sheet.widths.forEach((row, i) => assert.deepEqual(row, key.widths[i].slice(0, row.length),
                                                           `the sheet's and the key's table ${i} agree`));
         assert.deepEqual(problems, []);
         await page.close();
     });
