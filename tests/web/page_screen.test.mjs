// What the page's module says the page shows, under Node: the dialog's enabled controls after each action,
// written out here by hand from what the dialog does; the console, opened and closed as the program opens and
// closes it; and the main view, whose drawing commands equal the native tarvel_cache_text --scene output.
import assert from 'node:assert/strict';
import {readFile} from 'node:fs/promises';
import test from 'node:test';

import {compileCore, loadCore} from '../../web/core_module.js';

import {pageModulePath, requireBuilt, textFrontEndPath} from './lib/build_outputs.mjs';
import {runTextFrontEnd} from './lib/native_text_front_end.mjs';
import {randomCommand, randomSource} from './lib/random_commands.mjs';
import {readmeExamples} from './lib/readme_examples.mjs';
import {performCommand} from './lib/text_command.mjs';

await requireBuilt(pageModulePath, 'wasm');
await requireBuilt(textFrontEndPath, 'native');
const module = await compileCore(await readFile(pageModulePath));

// List positions of the core's items (alphabetical, as the dialog's lists sort them).
const mapping = {
    associative: 0,
    setAssociative: 1,
    direct: 2
};
const mode = {
    individual: 0,
    random: 1,
    given: 2
};

const addressNames = Array.from({length: 10}, (_, i) => `address${i}`);

// The controls the enabled record names, each false unless listed.
function onlyEnabled(...names) {
    const always = ['ram', 'cache', 'block', 'mapping', 'mode', 'setareMod', 'exit'];
    const all = [
        'ram', 'cache', 'block', 'sets', 'iterations', ...addressNames, 'mapping', 'policy', 'mode',
        'setareMod', 'exit', 'startSimulation', 'regenerateSequence'
    ];
    const enabled = new Set([...always, ...names]);
    return Object.fromEntries(all.map((name) => [name, enabled.has(name)]));
}

const enabledNow = (core) => core.screenState().dialog.enabled;

test('the dialog enables its controls as the Windows dialog does, action by action', async () => {
    const core = await loadCore(module);
    assert.ok(core.openConfigurationDialog());
    assert.deepEqual(enabledNow(core), onlyEnabled(), 'a new dialog');

    core.notifyMappingList(false);
    assert.deepEqual(enabledNow(core), onlyEnabled('policy'),
                     'the mapping list has the focus, nothing chosen');
    core.setFields({mapping: mapping.direct});
    core.notifyMappingList(true);
    assert.deepEqual(enabledNow(core), onlyEnabled(), '"directa" disables the policy list');
    core.setFields({mapping: mapping.setAssociative});
    core.notifyMappingList(true);
    assert.deepEqual(enabledNow(core), onlyEnabled('policy', 'sets'), '"asociativa pe seturi"');
    core.setFields({mapping: mapping.associative});
    core.notifyMappingList(false);
    assert.deepEqual(enabledNow(core), onlyEnabled('policy', 'sets'), 'a focus alone leaves the sets field');
    core.notifyMappingList(true);
    assert.deepEqual(enabledNow(core), onlyEnabled('policy'), 'a change of selection moves it');

    core.setFields({mode: mode.given});
    core.notifyWorkModeSelection();
    assert.deepEqual(enabledNow(core), onlyEnabled('policy', 'iterations', ...addressNames), 'secventa data');
    core.setFields({mode: mode.individual});
    core.notifyWorkModeSelection();
    assert.deepEqual(enabledNow(core), onlyEnabled('policy', 'address0'), 'individual');
    core.setFields({mode: mode.random});
    core.notifyWorkModeSelection();
    assert.deepEqual(enabledNow(core), onlyEnabled('policy', 'iterations'), 'secventa aleatoare');

    core.setFields({ram: '1', cache: '16', block: '1024', iterations: '20', policy: 1});
    assert.ok(core.pressSetareMod());
    const valid = onlyEnabled('policy', 'iterations', 'startSimulation', 'regenerateSequence');
    assert.deepEqual(enabledNow(core), valid, 'a valid random-sequence configuration');
    assert.ok(core.pressStartSimulation());
    assert.deepEqual(enabledNow(core), onlyEnabled('policy', 'iterations', 'regenerateSequence'),
                     'after a run');
    assert.ok(core.pressRegenerateSequence());
    assert.equal(core.pressRegenerateSequence(), false, 'Reinit. is pressed once');
    assert.deepEqual(enabledNow(core), onlyEnabled('policy', 'iterations'));

    assert.ok(core.pressSetareMod());
    core.setFields({iterations: '5'});
    assert.equal(core.pressSetareMod(), false);
    assert.deepEqual(enabledNow(core), onlyEnabled('policy', 'iterations', 'regenerateSequence'),
                     'a failed Setare mod disables START SIMULARE; Reinit. keeps its state');
    core.setFields({mode: mode.given});
    core.notifyWorkModeSelection();
    assert.equal(enabledNow(core).regenerateSequence, false,
                 'any later choice of work mode disables Reinit.');

    // Input while the dialog is open keeps its contents and controls.
    assert.equal(core.openConfigurationDialog(), false);
    assert.deepEqual(enabledNow(core), onlyEnabled('policy', 'iterations', ...addressNames));
    assert.equal(core.dialogTexts().iterations, '5');
    core.pressExit();
    assert.equal(core.screenState().dialog.open, false);
    core.openConfigurationDialog();
    assert.deepEqual(enabledNow(core), onlyEnabled(), 'a dialog opened after Exit is new');
});

test('the console opens and closes as the program\'s console does', async () => {
    const core = await loadCore(module);
    const closed = core.screenState().console;
    assert.deepEqual(closed,
                     {open: false, title: 'TARVEL_CACHE Console', width: 370, height: 0, openings: 0});
    const startUpReport = core.reportText();

    core.consoleStatus();
    let console = core.screenState().console;
    assert.equal(console.open, true);
    assert.equal(console.height, 535);
    assert.equal(core.consoleText(), startUpReport);

    // Status again changes nothing, even when the records have changed since.
    core.openConfigurationDialog();
    core.setFields({ram: '1', cache: '16', block: '1024', addresses: ['74565'], mapping: 2, mode: 0});
    core.consoleClose();
    assert.equal(core.consoleText(), '');
    core.consoleStatus();
    const prompt = core.consoleText();
    assert.equal(prompt, startUpReport, 'the fields are not the records until Setare mod');
    assert.ok(core.pressSetareMod());
    console = core.screenState().console;
    assert.equal(console.openings, 3, 'Setare mod reopens the console');
    assert.match(core.consoleText(), /Configurare valida/);
    assert.equal(console.height, 535);

    assert.ok(core.pressStartSimulation());
    console = core.screenState().console;
    assert.equal(console.openings, 4, 'START SIMULARE reopens it');
    assert.equal(console.height, 775, 'the full report of a run');
    const run = core.consoleText();
    assert.equal(run, nativeReportOf([
                     '--ram', '1', '--cache', '16', '--block', '1024', '--address', '74565', '--mapping',
                     'directa', '--mode', 'individual'
                 ]));
    core.consoleStatus();
    assert.equal(core.screenState().console.openings, 4, 'Status on an open console prints nothing new');

    core.consoleClose();
    assert.equal(core.screenState().console.open, false);
    core.consoleClose();
    assert.equal(core.screenState().console.open, false, 'Close with no console does nothing more');
    assert.equal(core.pressExit(), true);
    core.consoleStatus();
    assert.equal(core.consoleText(), run, 'closing the dialog keeps the records');
});

function nativeReportOf(args) { return runTextFrontEnd(args).stdout.toString('utf8'); }

test('every action that changes what the main view shows asks for a repaint', async () => {
    const core = await loadCore(module);
    let repaints = core.screenState().repaints;
    const repainted = () => {
        const now = core.screenState().repaints;
        const changed = now !== repaints;
        repaints = now;
        return changed;
    };
    core.openConfigurationDialog();
    assert.ok(repainted(), 'a new dialog');
    core.setFields({ram: '1', cache: '16', block: '1024', addresses: ['74565'], mapping: 2, mode: 0});
    core.notifyMappingList(true);
    assert.ok(!repainted(), 'typing and choosing only change the dialog');
    core.pressSetareMod();
    assert.ok(repainted());
    core.pressStartSimulation();
    assert.ok(repainted());
    core.consoleClose();
    assert.ok(repainted(), 'Close repaints, as the program\'s does');
});

// The scene the module records after a command line, and the native one.
async function expectSameScene(args) {
    const native = runTextFrontEnd([...args, '--scene']);
    const core = await loadCore(module);
    performCommand(core, args);
    assert.equal(core.sceneLines(), native.stdout.toString('utf8'),
                 `scene of ${JSON.stringify(args).slice(0, 300)}`);
}

test('the main view is the native --scene output, on the README examples and random command lines',
     async () => {
         for (const args of await readmeExamples()) {
             await expectSameScene(args);
         }
         const random = randomSource(5);
         for (let i = 0; i < 60; ++i) {
             await expectSameScene(randomCommand(random));
         }
         const core = await loadCore(module);
         assert.deepEqual(core.scene(), [{command: 'picture', picture: 'splash', corner: {x: 150, y: 50}}],
                          'the start-up scene is the title picture');
     });
