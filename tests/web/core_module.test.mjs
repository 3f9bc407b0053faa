// The page's module through web/core_module.js under Node: its inputs are the core's, a call the dialog could
// not make changes nothing, random draws come from the random source it is given, and a trap is reported in
// one line and cured by a reload.
import assert from 'node:assert/strict';
import {readFile} from 'node:fs/promises';
import test from 'node:test';

import {compileCore, CoreTrap, loadCore, wasiImports} from '../../web/core_module.js';

import {pageModulePath, requireBuilt, textFrontEndPath} from './lib/build_outputs.mjs';
import {runTextFrontEnd} from './lib/native_text_front_end.mjs';

await requireBuilt(pageModulePath, 'wasm');
await requireBuilt(textFrontEndPath, 'native');
const module = await compileCore(await readFile(pageModulePath));

const nativeReport = (args) => runTextFrontEnd(args).stdout.toString('utf8');

// A module with the Configuration dialog open, as after Configuration > Input.
async function openedCore(options) {
    const core = await loadCore(module, options);
    assert.ok(core.openConfigurationDialog());
    return core;
}

const individualRun = {
    ram: '1',
    cache: '16',
    block: '1024',
    addresses: ['74565'],
    mapping: 2,
    mode: 0
};
// A random sequence of 100 accesses, associative LRU: mode 1 is "secventa aleatoare" in the core's lists.
const randomRun = {
    ram: '1',
    cache: '16',
    block: '1024',
    iterations: '100',
    mapping: 0,
    policy: 1,
    mode: 1
};

function randomRunReport(core) {
    core.setFields(randomRun);
    assert.ok(core.pressSetareMod());
    assert.ok(core.pressStartSimulation());
    return core.reportText();
}

test('the fields and lists are the core\'s, and every item is one the text front-end accepts', async () => {
    const {fields, lists, buttons, controlIds} = (await loadCore(module)).inputs;
    assert.deepEqual(buttons, ['setareMod', 'exit', 'startSimulation', 'regenerateSequence']);
    // The ids of the dialog's template (resources/resource_ids.h).
    assert.equal(controlIds.ram, 1001);
    assert.equal(controlIds.address0, 1003);
    assert.equal(controlIds.address9, 1012);
    assert.equal(controlIds.mapping, 1002);
    assert.equal(controlIds.policy, 1016);
    assert.equal(controlIds.setareMod, 1);
    assert.equal(controlIds.exit, 2);
    assert.deepEqual(fields.slice(0, 5), ['ram', 'cache', 'block', 'sets', 'iterations']);
    assert.deepEqual(fields.slice(5), Array.from({length: 10}, (_, i) => `address${i}`));
    assert.deepEqual(lists.map((list) => list.name), ['mapping', 'policy', 'mode']);
    for (const list of lists) {
        assert.ok(list.items.length >= 2, `${list.name} has items`);
        for (const item of list.items) {
            const native = runTextFrontEnd([`--${list.name}`, item]);
            assert.notEqual(native.status, 64,
                            `tarvel_cache_text refuses --${list.name} "${item}": ${native.stderr}`);
        }
    }
    // The items are in the lists' order: the individual run's indices name what its native command names.
    const core = await openedCore();
    core.setFields(individualRun);
    core.pressSetareMod();
    core.pressStartSimulation();
    const names = Object.fromEntries(lists.map((list) => [list.name, list.items]));
    assert.equal(core.reportText(), nativeReport([
                     '--ram', '1', '--cache', '16', '--block', '1024', '--address', '74565', '--mapping',
                     names.mapping[2], '--mode', names.mode[0]
                 ]));
});

test('START SIMULARE runs only where the dialog enables it', async () => {
    const core = await openedCore();
    const startUp = core.reportText();
    assert.equal(core.pressStartSimulation(), false, 'before any Setare mod');
    assert.equal(core.reportText(), startUp);

    core.setFields({ram: '1', cache: '16'}); // no block size, no lists
    assert.equal(core.pressSetareMod(), false);
    const errors = core.reportText();
    assert.equal(core.pressStartSimulation(), false, 'after a configuration that does not validate');
    assert.equal(core.reportText(), errors);

    core.setFields(individualRun);
    assert.equal(core.pressSetareMod(), true);
    assert.equal(core.pressStartSimulation(), true);
    const run = core.reportText();
    assert.match(run, /Pas simulare = 1/);
    assert.equal(core.pressStartSimulation(), false, 'another run needs another Setare mod');
    assert.equal(core.reportText(), run);
});

test('Exit leaves a dialog that opens with "0" in every field and no selection, and a cache emptied',
     async () => {
         const core = await openedCore();
         core.setFields(individualRun);
         core.pressSetareMod();
         core.pressStartSimulation();
         assert.ok(core.pressExit());
         assert.equal(core.pressSetareMod(), false, 'no dialog, no Setare mod');
         assert.throws(() => core.setFields({ram: '1'}), /dialog is closed/);
         assert.ok(core.openConfigurationDialog());
         assert.deepEqual(Object.values(core.dialogTexts()), Array(15).fill('0'));
         assert.deepEqual(core.screenState().dialog.selections, {mapping: -1, policy: -1, mode: -1});
         core.pressSetareMod();
         assert.equal(core.reportText(), nativeReport([]));

         core.setFields(individualRun);
         core.pressSetareMod();
         core.pressStartSimulation();
         assert.match(core.reportText(), /Pas simulare = 1/, 'the run after Exit starts from an empty cache');
     });

test('inputs the dialog could not give are refused and change nothing', async () => {
    const core = await openedCore();
    core.setFields(individualRun);
    assert.throws(() => core.setFields({mapping: 3}), RangeError);
    assert.throws(() => core.setFields({mode: -2}), RangeError);
    assert.throws(() => core.setFields({policy: 0.5}), RangeError);
    assert.throws(() => core.setFields({colour: '1'}), TypeError);
    assert.throws(() => core.setFields({addresses: Array(11).fill('1')}), RangeError);
    assert.equal(core.trap, null);
    assert.ok(core.pressSetareMod(), 'the fields typed before the refused ones are kept');

    // The module's own checks, below the wrapper's.
    let memory = null;
    const imports = {
        wasi_snapshot_preview1: wasiImports(() => memory, {randomValues: () => {}, onOutput: () => {}})
    };
    const raw = (await WebAssembly.instantiate(module, imports)).exports;
    memory = raw.memory;
    raw._initialize();
    assert.equal(raw.setFieldText(0, 0), 0, 'no field before the dialog is open');
    assert.equal(raw.selectListItem(0, 0), 0, 'no list before the dialog is open');
    assert.equal(raw.notifyMappingList(1), 0);
    assert.equal(raw.pressSetareMod(), 0);
    assert.equal(raw.openConfigurationDialog(), 1);
    assert.equal(raw.openConfigurationDialog(), 0, 'one dialog at a time');
    assert.equal(raw.inputBuffer(2 ** 24 + 1), 0, 'one piece holds at most 2^24 units');
    assert.equal(raw.inputBuffer(-1), 0);
    assert.notEqual(raw.inputBuffer(4), 0);
    assert.equal(raw.setFieldText(-1, 0), 0);
    assert.equal(raw.setFieldText(15, 0), 0, 'fields 0 to 14 only');
    assert.equal(raw.setFieldText(14, 5), 0, 'more units than the input buffer holds');
    assert.equal(raw.setFieldText(14, 4), 1);
    assert.equal(raw.selectListItem(3, 0), 0);
    assert.equal(raw.selectListItem(0, -1), 1);
});

test('texts of any kind get the program\'s reading: non-ASCII characters are not digits', async () => {
    const core = await openedCore();
    // Fullwidth and Arabic-Indic digits, a letter with a diacritic and an emoji (two UTF-16 units).
    for (const odd of ['１６', '٣', 'ă16', '16🙂']) {
        core.setFields({...individualRun, cache: odd});
        assert.equal(core.pressSetareMod(), false, `"${odd}" is not a number`);
        assert.match(core.reportText(), /Dimensiune cache = 0 ko incorecta/);
    }
    core.setFields({...individualRun, cache: ' 16\t'});
    assert.equal(core.pressSetareMod(), true, 'blanks around a number are allowed');
    // Longer than one piece the module takes at once: read whole, as the dialog reads a field.
    const piece = 2 ** 20;
    core.setFields({...individualRun, cache: `${' '.repeat(3 * piece)}16${' '.repeat(piece)}`});
    assert.equal(core.pressSetareMod(), true, 'a number after three million blanks');
    core.setFields({...individualRun, cache: `${'0'.repeat(2 * piece)}16`});
    assert.equal(core.pressSetareMod(), true, 'leading zeros across pieces');
    core.setFields({...individualRun, cache: `16${' '.repeat(piece)}1`});
    assert.equal(core.pressSetareMod(), false, 'a second number in the last piece');
});

test('random draws come from the random source the module is given', async () => {
    let calls = 0;
    const counting = (bytes) => {
        ++calls;
        crypto.getRandomValues(bytes);
    };
    const secure = await openedCore({randomValues: counting});
    const first = randomRunReport(secure);
    assert.ok(calls > 0, 'random_get was called');
    secure.pressRegenerateSequence();
    secure.pressSetareMod();
    secure.pressStartSimulation();
    assert.notEqual(secure.reportText(), first, 'a new sequence after Reinit. secv.aleatoare');

    // The same bytes from the source give the same sequence: nothing else feeds it.
    const fixed = (bytes) => bytes.fill(7);
    const once = randomRunReport(await openedCore({randomValues: fixed}));
    const again = randomRunReport(await openedCore({randomValues: fixed}));
    assert.equal(once, again);
    assert.notEqual(once, first);
});

test('a trap is reported in one line, stops every later call, and a reload recovers', async () => {
    let failing = true;
    const source = (bytes) => {
        if (failing) {
            throw new Error('no entropy');
        }
        crypto.getRandomValues(bytes);
    };
    const startUp = (await loadCore(module)).reportText();
    const core = await openedCore({randomValues: source});
    core.setFields(randomRun);
    assert.ok(core.pressSetareMod());
    assert.throws(() => core.pressStartSimulation(), (error) => {
        assert.ok(error instanceof CoreTrap);
        assert.doesNotMatch(error.message, /\n/);
        assert.match(error.message,
                     /^the simulator's core stopped \(RuntimeError: .+\); reload to start again$/);
        return true;
    });
    assert.ok(core.trap instanceof CoreTrap);
    assert.throws(() => core.reportText(), (error) => error === core.trap);

    failing = false;
    await core.reload();
    assert.equal(core.trap, null);
    assert.equal(core.reportText(), startUp, 'the reloaded module is in its start-up state');
    assert.equal(core.screenState().dialog.open, false, 'and has no dialog');
    core.openConfigurationDialog();
    assert.notEqual(randomRunReport(core), startUp);
});

test('a module that needs imports the page lacks is refused with their names', async () => {
    // (module (import "env" "clock" (func)))
    const bytes = new Uint8Array([
        0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00, 0x01, 0x04, 0x01, 0x60, 0x00, 0x00, 0x02,
        0x0d, 0x01, 0x03, 0x65, 0x6e, 0x76, 0x05, 0x63, 0x6c, 0x6f, 0x63, 0x6b, 0x00, 0x00
    ]);
    await assert.rejects(loadCore(bytes), /needs imports this page lacks: env\.clock/);
    const needed = WebAssembly.Module.imports(module).map((entry) => entry.name);
    assert.ok(
        needed.every(
            (name) => ['fd_write', 'fd_seek', 'fd_close', 'fd_fdstat_get', 'random_get'].includes(name)),
        `the page's module imports ${needed.join(', ')}`);
});
