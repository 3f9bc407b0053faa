// The practice, the links and the sheets through the page's module under Node: every verdict and every right
// answer of many exercises against the native --steps and key, the sheets byte for byte against
// tarvel_cache_text --exercise, links into a dialog enabled as a user's choices enable it, and the user's own
// configuration untouched by all of them.
import assert from 'node:assert/strict';
import {readFile} from 'node:fs/promises';
import test from 'node:test';

import {compileCore, loadCore} from '../../web/core_module.js';

import {pageModulePath, requireBuilt, textFrontEndPath} from './lib/build_outputs.mjs';
import {nativeExercise, rightAnswers, wrongAnswers} from './lib/native_exercise.mjs';
import {runTextFrontEnd} from './lib/native_text_front_end.mjs';

await requireBuilt(pageModulePath, 'wasm');
await requireBuilt(textFrontEndPath, 'native');
const module = await compileCore(await readFile(pageModulePath));

const decimal = (shown) => shown.split(' ')[0];
const answered = {
    tag: '0',
    index: '0',
    word: '0',
    outcome: 'hit',
    replaced: '-'
};

// Answers every access of the exercise's practice and checks each verdict and right answer against the
// native ones; returns the state after the last access.
function practise(core, exercise, answersOf, correct) {
    for (const [i, access] of exercise.accesses.entries()) {
        const before = core.practiceState();
        assert.equal(before.step, i);
        assert.equal(
            before.heading,
            `Accesul ${i + 1} din 10: adresa RAM ${access.address} (${Number(access.address).toString(16)})`);
        assert.ok(core.checkPracticeStep(answersOf(access)));
        const state = core.practiceState();
        const where = `exercise ${exercise.seed}, access ${i + 1}`;
        const expected = {tag: access.tag, index: access.index, word: access.word};
        for (const verdict of state.verdicts) {
            assert.equal(verdict.correct, correct, `${where}: ${verdict.name} "${verdict.given}"`);
            const right = verdict.name in expected ? decimal(verdict.right) : verdict.right;
            assert.equal(right,
                         {...expected, outcome: access.outcome, replaced: access.replaced}[verdict.name],
                         `${where}: the right ${verdict.name}`);
        }
        assert.deepEqual(
            state.verdicts.map((verdict) => verdict.name),
            ['tag', ...(exercise.mapping === 'asociativa' ? [] : ['index']), 'word', 'outcome', 'replaced']);
        assert.equal(state.kind, access.kind, where);
        assert.match(state.why,
                     access.outcome === 'hit' ? /: hit\.$/ : new RegExp(`miss (de )?${access.kind}`));
        assert.equal(core.nextPracticeStep(), i < 9, where);
    }
    return core.practiceState();
}

test('sixty exercises answered right and then wrong get the native answers and verdicts', async () => {
    const core = await loadCore(module);
    for (let seed = 0; seed < 60; ++seed) {
        const exercise = nativeExercise(seed);
        for (const [answersOf, correct] of [[rightAnswers, true], [wrongAnswers, false]]) {
            assert.ok(core.startPracticeFromNumber(` ${seed} `));
            const state = practise(core, exercise, answersOf, correct);
            assert.ok(state.finished);
            const asked = exercise.mapping === 'asociativa' ? 4 : 5;
            assert.equal(state.scores.length, asked);
            for (const score of state.scores) {
                assert.match(score, new RegExp(`: ${correct ? 10 : 0} din 10 corecte$`));
            }
            assert.equal(state.missRate, exercise.missRate);
        }
    }
});

test('a practice starts only from a number or a dialog that validates, and says why not', async () => {
    const core = await loadCore(module);
    for (const text of ['', 'abc', '-1', '18446744073709551616', '7'.repeat(100000)]) {
        assert.equal(core.startPracticeFromNumber(text), false);
        assert.equal(core.practiceState().line,
                     'Numarul exercitiului este un numar intreg de la 0 la 18446744073709551615.');
    }
    assert.ok(core.startPracticeFromNumber('18446744073709551615'));
    assert.equal(core.startPracticeFromDialog(), false);
    assert.match(core.practiceState().line, /^Deschideti intai Configuration > Input/);
    assert.ok(core.openConfigurationDialog());
    core.setFields({ram: '3', cache: '16', block: '1024', mapping: 2, mode: 0});
    assert.equal(core.startPracticeFromDialog(), false);
    assert.equal(core.practiceState().line,
                 'Configuratia din dialog nu este valida: Dimensiune RAM = 3 Mo incorecta');
    assert.ok(core.practiceState().summary.startsWith('Exercitiul 18446744073709551615: '),
              'the practice that ran stays');
    assert.equal(core.checkPracticeStep({...answered, tag: ' ', replaced: ''}), false);
    assert.deepEqual(core.practiceState().unanswered, ['tag', 'replaced'], 'blanks are no answers');
    assert.match(core.practiceState().line, /^Raspundeti intai la: Tag, .*Bloc inlocuit\.$/);
    assert.equal(core.checkPracticeStep(answered), true);
    assert.equal(core.checkPracticeStep(answered), false, 'an access is checked once');
    assert.equal(core.startPracticeFromNumber('x'), false);
    assert.equal(core.practiceState().active, false, 'a refused number ends the practice shown');
});

test('the sheets are the text front-end\'s, byte for byte, in each language', async () => {
    const core = await loadCore(module);
    for (const language of ['en', 'ro']) {
        assert.ok(core.setLanguage(language));
        for (const [first, count] of [[7, 1], [0, 12], [18446744073709551614n, 3], [123456789, 100]]) {
            for (const answers of [false, true]) {
                const args = [
                    '--exercise', String(first), '--count', String(count), '--lang', language,
                    ...(answers ? ['--answers'] : [])
                ];
                assert.equal(core.exerciseSheets(first, count, answers),
                             runTextFrontEnd(args).stdout.toString('utf8'), args.join(' '));
            }
        }
    }
    assert.equal(core.setLanguage('fr'), false);
    assert.equal(core.exerciseSheets(7, 0, false), '');
    assert.equal(core.exerciseSheets(7, 101, false), '');
    assert.deepEqual(core.sheetRequest(' 7 ', '3'), {ok: true, first: '7', count: 3});
    assert.deepEqual(core.sheetRequest('7', '101'),
                     {ok: false, line: 'Numarul de fise este un numar intreg de la 1 la 100.'});
    assert.equal(core.sheetRequest('x', '1').ok, false);
});

// The same choices made by a user: the lists' notifications as the dialog's lists send them.
function chooseAsAUser(core, fields) {
    core.openConfigurationDialog();
    core.setFields(fields);
    core.notifyMappingList(false);
    core.notifyMappingList(true);
    core.notifyMappingList(false);
    core.notifyWorkModeSelection();
    return core.screenState().dialog;
}

test('a link fills a new dialog as a user would, every field, and runs nothing', async () => {
    const configurations = [
        {
            ram: '4096',
            cache: '1024',
            block: '65536',
            sets: '8',
            iterations: '10',
            mapping: 1,
            policy: 1,
            mode: 2,
            addresses: [
                '1', '22', '333', '4444', '55555', '666666', '7777777', '88888888', '999999999', '4294967295'
            ]
        },
        {ram: '1', cache: '16', block: '1024', mapping: 2, policy: 0, mode: 0, addresses: ['74565']},
        {ram: '64', cache: '32', block: '128', iterations: '100', mapping: 0, policy: 0, mode: 1},
    ];
    for (const fields of configurations) {
        const source = await loadCore(module);
        const byUser = chooseAsAUser(source, fields);
        const {fragment, line} = source.currentLink();
        assert.equal(line, '');
        const opened = await loadCore(module);
        assert.deepEqual(opened.openLink(`#${fragment}`), {exercise: false, dialog: true, line: ''});
        const state = opened.screenState();
        assert.deepEqual(opened.dialogTexts(), source.dialogTexts(), fragment);
        assert.deepEqual(state.dialog.selections, byUser.selections, fragment);
        assert.deepEqual(state.dialog.enabled, byUser.enabled, fragment);
        assert.equal(state.dialog.enabled.startSimulation, false, 'nothing set, nothing to run');
        assert.equal(state.console.open, false);
        assert.deepEqual(opened.scene(), [{command: 'picture', picture: 'splash', corner: {x: 150, y: 50}}]);
    }
    const exercise = await loadCore(module);
    assert.deepEqual(exercise.openLink('#exercise=7'), {exercise: true, dialog: false, line: ''});
    assert.equal(exercise.practiceState().exercise, '7');
    assert.deepEqual(exercise.currentLink(), {fragment: 'exercise=7', line: ''});
    assert.equal(exercise.screenState().dialog.open, false);
    assert.deepEqual(exercise.scene(), [{command: 'picture', picture: 'splash', corner: {x: 150, y: 50}}]);
});

test('the user\'s configuration runs as set, whatever the practice, the links and the sheets ran meanwhile',
     async () => {
         const userRun = [
             '--ram', '1', '--cache', '16', '--block', '4096', '--mapping', 'asociativa', '--policy', 'LRU',
             '--mode', 'individual', '--address', '74565'
         ];
         const core = await loadCore(module);
         core.openConfigurationDialog();
         core.setFields(
             {ram: '1', cache: '16', block: '4096', mapping: 0, policy: 1, mode: 0, addresses: ['74565']});
         assert.ok(core.pressSetareMod());
         const prompt = core.reportText();
         assert.ok(core.startPracticeFromNumber('7'));
         core.checkPracticeStep(answered);
         assert.ok(core.practiceScene().length > 10, 'the cache after the access is drawn');
         core.exerciseSheets(1, 5, true);
         assert.equal(core.reportText(), prompt);
         assert.ok(core.startPracticeFromDialog());
         core.checkPracticeStep(answered);
         core.practiceScene();
         assert.ok(core.pressStartSimulation());
         assert.equal(core.reportText(), runTextFrontEnd(userRun).stdout.toString('utf8'));
     });
