// Practice in headless Chromium, worked as a student works it: sessions answered all right and all wrong,
// from an exercise's number and from the dialog's configuration, every verdict and every right answer shown
// against the native --steps and key, the main view after each access against the native --scene of the same
// accesses run one by one; a session answered with the keyboard alone, every question and verdict reachable
// by its label and said in a live region; and the user's own configuration untouched by a practice.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {requireBuilt, textFrontEndPath} from './lib/build_outputs.mjs';
import {
    exerciseWith,
    nativeExercise,
    nativeSteps,
    rightAnswers,
    wrongAnswers
} from './lib/native_exercise.mjs';
import {runTextFrontEnd} from './lib/native_text_front_end.mjs';
import {openPage, PageUser, startPageSession} from './lib/page_session.mjs';

let session;
let user;

before(async () => {
    await requireBuilt(textFrontEndPath, 'native');
    session = await startPageSession();
    user = await PageUser.on(session.page);
});

after(async () => session?.stop());

const page = () => session.page;
const decimal = (shown) => shown.split(' ')[0];

// The README's worked sequence, RAM blocks 6 2 3 7 3 5 6 2 6 3 in 2 sets of 2 under LRU: 5 takes the place of
// 7, in cache block 3, and nothing else is replaced.
const readmeSequence = [
    '--ram',        '1',
    '--cache',      '16',
    '--block',      '4096',
    '--sets',       '2',
    '--mode',       'secventa data',
    '--iterations', '1',
    '--address',    '24580',
    '--address',    '8200',
    '--address',    '12300',
    '--address',    '28688',
    '--address',    '12308',
    '--address',    '20504',
    '--address',    '24604',
    '--address',    '8224',
    '--address',    '24612',
    '--address',    '12328',
    '--mapping',    'asociativa pe seturi',
    '--policy',     'LRU'
];
const readmeReplaced = ['-', '-', '-', '-', '-', '3', '-', '-', '-', '-'];

// The text front-end's command line that runs the accesses up to the k-th one by one in individual mode.
function individualRuns(args, k) {
    const addresses = [];
    const others = [];
    for (let i = 0; i < args.length; i += 2) {
        if (args[i] === '--address') {
            addresses.push(args[i + 1]);
        } else if (args[i] !== '--mode' && args[i] !== '--iterations') {
            others.push(args[i], args[i + 1]);
        }
    }
    return [
        ...others, '--mode', 'individual',
        ...addresses.slice(0, k + 1).flatMap(
            (address, i) => [...(i > 0 ? ['--then'] : []), '--address', address])
    ];
}

function nativeSceneTexts(args) {
    return runTextFrontEnd([...args, '--scene'])
        .stdout.toString('utf8')
        .trim()
        .split('\n')
        .map((line) => JSON.parse(line))
        .filter((command) => command.command === 'text')
        .map((command) => command.text);
}

async function verdictRows(on = page()) {
    return on.locator('#practice-verdicts tbody tr')
        .evaluateAll((rows) => rows.map((row) => ({
                                            question: row.dataset.question,
                                            given: row.cells[1].textContent,
                                            right: row.cells[2].textContent,
                                            verdict: row.cells[3].textContent,
                                        })));
}

async function typeAnswers(on, answers, indexLabel) {
    await on.getByLabel('Tag', {exact: true}).fill(answers.tag);
    if (indexLabel) {
        await on.getByLabel(indexLabel, {exact: true}).fill(answers.index);
    }
    await on.getByLabel('Cuvint', {exact: true}).fill(answers.word);
    await on.getByRole('radio', {name: answers.outcome, exact: true}).check();
    await on.getByLabel('Bloc inlocuit', {exact: true}).fill(answers.replaced);
    await on.getByLabel('Bloc inlocuit', {exact: true}).press('Enter');
}

// Checks what the window shows after an access against the native answers, and the main view against the
// native scene of the same accesses run one by one.
async function expectVerdicts(on, {access, replaced, correct, indexLabel, args, k, where}) {
    const rows = await verdictRows(on);
    const expected = [
        ['tag', access.tag], ...(indexLabel ? [['index', access.index]] : []), ['word', access.word],
        ['outcome', access.outcome], ['replaced', replaced]
    ];
    assert.deepEqual(rows.map((row) => row.question), [...expected.map(([name]) => name), 'kind'], where);
    for (const [i, [name, right]] of expected.entries()) {
        const row = rows[i];
        assert.equal(row.verdict, correct ? 'corect' : 'gresit', `${where}: ${name} "${row.given}"`);
        assert.equal(['tag', 'index', 'word'].includes(name) ? decimal(row.right) : row.right, right,
                     `${where}: the right ${name}`);
    }
    assert.equal(rows.at(-1).right, access.kind, `${where}: the kind of the miss`);
    const why = await on.locator('#practice-why').textContent();
    assert.match(why,
                 access.outcome === 'hit' ? /^De ce: .*: hit\.$/ : new RegExp(`miss (de )?${access.kind}`),
                 where);
    const announced = await on.locator('#practice-announcement').textContent();
    assert.ok(announced.startsWith(`Tag: ${correct ? 'corect' : 'gresit'}`), `${where}: ${announced}`);
    assert.ok(announced.includes(why), `${where}: the live region says why`);
    assert.deepEqual(await on.locator('#main-view .scene-texts li').allTextContents(),
                     nativeSceneTexts(individualRuns(args, k)), `${where}: the cache after the access`);
}

async function practise(on, {accesses, replaced, answersOf, correct, indexLabel, args, name}) {
    for (const [k, access] of accesses.entries()) {
        const where = `${name}, access ${k + 1}`;
        assert.equal(
            await on.locator('#practice-heading').textContent(),
            `Accesul ${k + 1} din 10: adresa RAM ${access.address} (${Number(access.address).toString(16)})`);
        await typeAnswers(on, answersOf({...access, replaced: replaced[k]}), indexLabel);
        await expectVerdicts(on, {access, replaced: replaced[k], correct, indexLabel, args, k, where});
        if (k < accesses.length - 1) {
            assert.ok(await on.locator('#practice-next').evaluate((next) => next === document.activeElement));
            await on.getByRole('button', {name: 'Pasul urmator'}).click();
        }
    }
}

async function expectResults(on, {correct, questions, missRate}) {
    assert.ok(await on.locator('#practice-results').isVisible());
    const scores = await on.locator('#practice-results li').allTextContents();
    assert.equal(scores.length, questions);
    for (const score of scores) {
        assert.match(score, new RegExp(`: ${correct ? 10 : 0} din 10 corecte$`));
    }
    assert.equal(await on.locator('.practice-miss-rate').textContent(), missRate);
    assert.equal(await on.locator('#practice-next').isVisible(), false);
}

test('exercises by their number, answered all right, get every verdict and answer of the text front-end',
     async () => {
         for (const exercise of [nativeExercise(7), exerciseWith('asociativa pe seturi', 'FIFO'),
                                 exerciseWith('asociativa', 'LRU')]) {
             await user.menu('Exersare', 'Exersare pas cu pas');
             await page().getByLabel('Numarul exercitiului').fill(String(exercise.seed));
             await page().getByRole('button', {name: 'Exercitiu nou'}).click();
             assert.match(await page().locator('#practice-summary').textContent(),
                          new RegExp(`^Exercitiul ${exercise.seed}: `));
             const indexLabel = {directa: 'Bloc',
                                 'asociativa pe seturi': 'Set',
                                 asociativa: null}[exercise.mapping];
             await practise(page(), {
                 accesses: exercise.accesses,
                 replaced: exercise.accesses.map((access) => access.replaced),
                 answersOf: rightAnswers,
                 correct: true,
                 indexLabel,
                 args: exercise.args,
                 name: `exercise ${exercise.seed}`,
             });
             await expectResults(page(),
                                 {correct: true, questions: indexLabel ? 5 : 4, missRate: exercise.missRate});
         }
         assert.deepEqual(session.problems, []);
     });

test('the dialog\'s configuration, answered all wrong, gets every verdict wrong and the native answers',
     async () => {
         await user.menu('File', 'Exit');
         await user.menu('Configuration', 'Input');
         await page().evaluate(async (args) => {
             const {enter} = await import('./page_user.mjs');
             const {readCommand} = await import('./text_command.mjs');
             enter(readCommand(args, globalThis.tarvelPageTestHooks.program.core.inputs.lists)
                       .segments[0]
                       .fields);
         }, readmeSequence);
         await user.menu('Exersare', 'Exersare pas cu pas');
         await page().getByRole('button', {name: 'Din configuratie'}).click();
         assert.equal(await page().getByLabel('Numarul exercitiului').inputValue(), '', 'no exercise shown');
         assert.equal(
             await page().locator('#practice-summary').textContent(),
             'Configuratia din dialog: RAM 1 Mo, cache 16 ko, blocuri de 4096 o (4 blocuri), asociativa ' +
                 'pe seturi in 2 seturi, LRU');
         const steps = nativeSteps(readmeSequence);
         const addresses = readmeSequence.filter((_, i) => readmeSequence[i - 1] === '--address');
         await practise(page(), {
             accesses: steps.map((step, i) => ({...step, address: addresses[i]})),
             replaced: readmeReplaced,
             answersOf: wrongAnswers,
             correct: false,
             indexLabel: 'Set',
             args: readmeSequence,
             name: 'the README sequence',
         });
         await expectResults(page(),
                             {correct: false, questions: 5, missRate: 'Rata de pierderi = 5 / 10 = 50.00 %'});
         assert.equal(await user.isEnabled('startSimulation'), false, 'the dialog stays as it was');
         assert.deepEqual(session.problems, []);
     });

test('a whole session with the keyboard alone, every question and verdict named and said', async () => {
    const student = await openPage(session.browser, `${session.server.url}index.html`);
    const on = student.page;
    const keys = on.keyboard;
    // A menu item by its text, any other control by its id.
    const focused = () => on.evaluate(() => {
        const element = document.activeElement;
        return element.matches('[role=menuitem]') ? element.textContent : element.id;
    });
    await keys.press('Tab');
    assert.equal(await focused(), 'File');
    for (let i = 0; i < 4; ++i) { // past Console, Configuration and Limba / Language
        await keys.press('ArrowRight');
    }
    assert.equal(await focused(), 'Exersare');
    await keys.press('Enter');
    assert.equal(await focused(), 'Exersare pas cu pas');
    await keys.press('Enter');
    assert.equal(await focused(), 'practice-number');
    const exercise = exerciseWith('asociativa', 'FIFO');
    await keys.type(String(exercise.seed));
    await keys.press('Enter');
    assert.equal(await on.getByRole('form', {name: 'Accesul 1 din 10', exact: false}).count(), 1);
    for (const [k, access] of exercise.accesses.entries()) {
        assert.equal(await focused(), 'practice-answer-tag', `access ${k + 1} starts at its tag`);
        assert.equal(await on.locator('#practice-announcement').textContent(),
                     await on.locator('#practice-heading').textContent(), 'the question is said');
        await keys.type(access.tag);
        await keys.press('Tab');
        assert.equal(await focused(), 'practice-answer-word', 'associative mapping asks for no block or set');
        await keys.type(access.word);
        await keys.press('Tab');
        await keys.press(access.outcome === 'hit' ? 'Space' : 'ArrowRight');
        assert.equal(await on.getByRole('radio', {name: access.outcome, exact: true}).isChecked(), true);
        await keys.press('Tab');
        assert.equal(await focused(), 'practice-answer-replaced');
        await keys.type(access.replaced);
        await keys.press('Enter');
        const rows = await verdictRows(on);
        assert.deepEqual(rows.slice(0, -1).map((row) => row.verdict),
                         ['corect', 'corect', 'corect', 'corect'], `access ${k + 1}`);
        assert.match(
            await on.locator('#practice-announcement').textContent(),
            /^Tag: corect\. Cuvint: corect\. Hit\/miss: corect\. Bloc inlocuit: corect\. Tip miss: /);
        if (k < 9) {
            assert.equal(await focused(), 'practice-next');
            await keys.press('Enter');
        }
    }
    assert.equal(await focused(), 'practice-results-title');
    assert.match(await on.locator('#practice-announcement').textContent(),
                 /Rezultate: Tag: 10 din 10 corecte/);
    for (const name of ['Tag', 'Cuvint', 'Bloc inlocuit', 'Numarul exercitiului', 'Legatura']) {
        assert.equal(await on.getByRole('textbox', {name, exact: true}).count(), 1, `a field named ${name}`);
    }
    assert.equal(await on.getByRole('group', {name: 'Hit/miss'}).count(), 1);
    assert.equal(await on.locator('#practice-announcement').getAttribute('aria-live'), 'polite');
    assert.equal(await on.getByRole('table', {name: /^Accesul 10 din 10/}).count(), 1);
    assert.deepEqual(student.problems, []);
    await on.close();
});

test('a practice leaves the user\'s configuration as it was set', async () => {
    const args = [
        '--ram', '1', '--cache', '16', '--block', '1024', '--mapping', 'directa', '--mode', 'individual',
        '--address', '74565'
    ];
    await user.menu('File', 'Exit');
    await user.menu('Configuration', 'Input');
    await user.choose('mapping', 'directa');
    await user.choose('mode', 'individual');
    await user.type('ram', '1');
    await user.type('cache', '16');
    await user.type('block', '1024');
    await user.type('address0', '74565');
    await user.press('setareMod');
    await user.menu('Exersare', 'Exersare pas cu pas');
    await page().getByLabel('Numarul exercitiului').fill('7');
    await page().getByLabel('Numarul exercitiului').press('Enter');
    await typeAnswers(page(), {tag: '0', index: '0', word: '0', outcome: 'hit', replaced: '-'}, 'Bloc');
    assert.equal(await page().locator('#practice-verdicts').isVisible(), true);
    await user.press('startSimulation');
    assert.equal(await user.consoleText(), runTextFrontEnd(args).stdout.toString('utf8'));
    assert.deepEqual(session.problems, []);
});

test('blank answers are asked for, Enter goes to the next question, a bad number ends the exercise',
     async () => {
         await user.menu('Exersare', 'Exersare pas cu pas');
         await page().getByLabel('Numarul exercitiului').fill('7'); // direct mapping: five questions
         await page().getByLabel('Numarul exercitiului').press('Enter');
         const focused =
             () => page().evaluate(() => document.activeElement.id || document.activeElement.value);
         for (const [key, from, to] of [['Enter', 'Tag', 'practice-answer-index'],
                                        ['Enter', 'Cuvint', 'hit'],
                                        ['Enter', 'Bloc inlocuit', 'practice-answer-tag'],
                                        ['Verifica', 'Tag', 'practice-answer-tag']]) {
             await page().getByLabel(from, {exact: true}).focus();
             await (key === 'Enter' ? page().keyboard.press('Enter')
                                    : page().getByRole('button', {name: key}).click());
             assert.equal(await focused(), to, `${key} in ${from}`);
         }
         assert.equal(await page().locator('#practice-line').textContent(),
                      'Raspundeti intai la: Tag, Bloc, Cuvint, Hit/miss, Bloc inlocuit.');
         await typeAnswers(page(), {tag: '1', index: '0', word: '2', outcome: 'hit', replaced: ' '}, 'Bloc');
         assert.equal(await page().locator('#practice-line').textContent(),
                      'Raspundeti intai la: Bloc inlocuit.');
         assert.equal(await focused(), 'practice-answer-replaced');
         assert.equal(await page().locator('#practice-verdicts').isVisible(), false, 'nothing checked');
         await typeAnswers(page(), {tag: '1', index: '0', word: '2', outcome: 'hit', replaced: '-'}, 'Bloc');
         const rows = await verdictRows();
         assert.deepEqual(rows.at(-1), {question: 'kind', given: 'nu se cere', right: 'obligatoriu',
                                        verdict: 'informativ'});
         assert.deepEqual(rows.map((row) => row.verdict).slice(-2), ['corect', 'informativ'], '"-" for none');
         await page().getByLabel('Numarul exercitiului').fill('x');
         await page().getByLabel('Numarul exercitiului').press('Enter');
         assert.equal(await page().locator('#practice-summary').textContent(), '');
         assert.equal(await page().locator('#practice-questions').isVisible(), false, 'no old exercise');
         assert.deepEqual(session.problems, []);
     });
