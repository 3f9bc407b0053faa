// The page's build step under Node: the resource script read as the resource compiler reads it, dialog units
// turned into the pixels the system gives them, every label joined to its control, the markup of both
// dialogs, and the page's modules carried as one script.
import assert from 'node:assert/strict';
import {mkdtemp, rm, writeFile} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import test from 'node:test';

import {labelTargets, pixelRect, templateFont} from '../../web/tools/dialog_layout.mjs';
import {desktopHtml, mnemonicHtml} from '../../web/tools/page_markup.mjs';
import {readResourceScript, tokens} from '../../web/tools/resource_script.mjs';
import {bundleModules} from '../../web/tools/single_file.mjs';

import {repositoryRoot} from './lib/build_outputs.mjs';

const resources = await readResourceScript(`${repositoryRoot}resources/tarvel_cache.rc`,
                                           `${repositoryRoot}resources/resource_ids.h`);
const dialog = (name) => resources.dialogs.find((entry) => entry.id === resources.ids.get(name));

test('the resource script: strings, menu, accelerators and both templates with their ids', () => {
    assert.equal(resources.strings.get(103), 'tarvel_cache');
    assert.deepEqual(
        resources.menu.map((popup) => [popup.text, popup.items.map((item) => [item.text, item.id])]), [
            ['&File', [['E&xit', 105]]],
            ['Console', [['Status', 32775], ['Close', 32776]]],
            ['Configuration', [['Input', 32777]]],
            ['&Help', [['Mod de utilizare', 104]]],
        ]);
    assert.deepEqual(resources.accelerators,
                     [{character: '/', id: 104, alt: true}, {character: '?', id: 104, alt: true}]);
    const configuration = dialog('IDD_CONFIGURATION');
    assert.equal(configuration.caption, 'Configuration');
    assert.deepEqual(configuration.font, {points: 8, face: 'MS Shell Dlg'});
    assert.equal(configuration.controls.length, 31);
    assert.deepEqual(configuration.controls[0], {
        kind: 'button',
        id: 1,
        rect: {x: 383, y: 108, width: 50, height: 14},
        styles: [],
        default: true,
        text: 'Setare mod'
    });
    const help = dialog('IDD_HELP');
    assert.equal(help.caption, 'Help TARVEL_CACHE');
    assert.equal(help.controls.length, 17);
    assert.equal(help.controls.find((control) => control.kind === 'icon').icon, 108);
    // A doubled quote in a script's string is one quote.
    assert.ok(
        help.controls.some((control) => control.text?.startsWith('Pentru modul "secventa data", rata')));
    assert.deepEqual(tokens('"a ""b""", X_1, -1 | 0x10'), [
        {string: 'a "b"'}, {mark: ','}, {name: 'X_1'}, {mark: ','}, {number: -1}, {mark: '|'}, {number: 16}
    ]);
    assert.equal(resources.files.get(134), 'bitmaps/splash.bmp');
});

test('dialog units become pixels as the system converts them: 6 x 13 base units, rounded half up', () => {
    const units = templateFont(dialog('IDD_CONFIGURATION').font);
    assert.deepEqual(units, {face: 'MS Shell Dlg', points: 8, baseUnits: {x: 6, y: 13}, pixels: 11});
    assert.deepEqual(pixelRect({x: 0, y: 0, width: 573, height: 129}, units.baseUnits),
                     {left: 0, top: 0, width: 860, height: 210});
    assert.deepEqual(pixelRect({x: 9, y: 9, width: 69, height: 12}, units.baseUnits),
                     {left: 14, top: 15, width: 104, height: 20});
    assert.throws(() => templateFont({face: 'Tahoma', points: 8}), /no base units known/);
});

test(
    'every label names the field or list on its line; the address fields form the group of the one that names none',
    () => {
        const targets = labelTargets(dialog('IDD_CONFIGURATION').controls);
        const named =
            Object.fromEntries([...targets.labelFor].map(([label, control]) => [label.text, control.id]));
        assert.deepEqual(named, {
            'Dimensiune RAM (Mo)': 1001,
            'Metoda de mapare': 1002,
            'Dimensiune cache (ko)': 1013,
            'Dimensiune bloc (o)': 1014,
            'Politica de reamplasare': 1016,
            'Mod de lucru': 1015,
            'Numar de seturi': 1017,
            'Numar de iteratii': 1018,
        });
        assert.equal(targets.group.label.text, 'Secventa de adrese in RAM');
        assert.deepEqual(targets.group.members.map((member) => member.id),
                         Array.from({length: 10}, (_, i) => 1003 + i));
        assert.equal(labelTargets(dialog('IDD_HELP').controls).group, null);
    });

test('the markup holds every control of both templates once, as standard controls named by their labels', () => {
    const inputs = {
        lists: [
            {id: 1002, items: ['asociativa', 'asociativa pe seturi', 'directa']},
            {id: 1016, items: ['FIFO', 'LRU']},
            {id: 1015, items: ['individual', 'secventa aleatoare', 'secventa data']}
        ],
    };
    const windows = {
        mainWindow: {x: 5, y: 5, width: 920, height: 525, client: {width: 904, height: 466}},
        configurationDialog: {x: 35, y: 535},
        helpDialog: {x: 100, y: 75},
        console: {x: 925, y: 5, width: 370, height: 775},
    };
    // The page's own windows take their texts from the module; here each text is its name.
    const practice = {
        texts: new Proxy({}, {get: (_, name) => String(name)}),
        outcomes: ['hit', 'miss'],
        languages: {menu: 'languages', items: [{name: 'ro', text: 'Romana'}]},
    };
    const html = desktopHtml(resources, {inputs, windows, consoleTitle: 'TARVEL_CACHE Console', practice});
    for (const id of [1001, 1013, 1014, 1017, 1018, ...Array.from({length: 10}, (_, i) => 1003 + i)]) {
        assert.equal(html.match(new RegExp(`<input type="text" class="edit" id="d132-c${id}"`, 'g'))?.length,
                     1, `edit ${id}`);
    }
    assert.match(html,
                 /<label class="static field-label" for="d132-c1001"[^>]*>Dimensiune RAM \(Mo\)<\/label>/);
    assert.match(html, /aria-label="Secventa de adrese in RAM 9"/);
    assert.match(
        html,
        /<select class="drop-down-list" id="d132-c1016"[^>]*><option>FIFO<\/option><option>LRU<\/option><\/select>/);
    assert.match(
        html,
        /<button type="button" role="menuitem" tabindex="-1" data-command="105" data-text="E&amp;xit">E<u>x<\/u>it<\/button>/);
    assert.match(html, /tarvel -simulator pentru  mapare cache/,
                 'SS_NOPREFIX text as it is, both blanks kept');
    assert.equal(html.match(/class="push-button[^"]*" data-control=/g).length, 5,
                 'four buttons of one dialog and OK of the other');
    assert.throws(() => desktopHtml(resources, {inputs: {lists: []}, windows, consoleTitle: '', practice}),
                  /no list for control 1002/);
    assert.equal(mnemonicHtml('&File'), '<u>F</u>ile');
    assert.equal(mnemonicHtml('A&&B <c>'), 'A&amp;B &lt;c&gt;');
});

test('the page\'s modules become one script that runs as they do', async () => {
    const modules = new Map([
        [
            'main.js',
            'import {twice, Counter as C} from \'./lib.js\';\nexport const result = twice(new C().next());\n'
        ],
        [
            'lib.js', 'import {base} from \'./base.js\';\nexport function twice(x) { return 2 * x; }\n' +
                          'export class Counter { next() { return base + 1; } }\n'
        ],
        ['base.js', 'export const base = 20;\n'],
    ]);
    const bundle = bundleModules(modules, 'main.js');
    const folder = await mkdtemp(join(tmpdir(), 'tarvel-bundle-'));
    try {
        await writeFile(join(folder, 'bundle.mjs'), bundle);
        assert.equal((await import(join(folder, 'bundle.mjs'))).result, 42);
    } finally {
        await rm(folder, {recursive: true, force: true});
    }
    assert.ok(bundle.indexOf('const base = 20') < bundle.indexOf('function twice'), 'dependencies first');
    assert.throws(() => bundleModules(new Map([['main.js', 'export default 1;\n']]), 'main.js'),
                  /a form the single page/);
    assert.throws(() => bundleModules(new Map([
                                          ['main.js', 'import {a} from \'./b.js\';\n'],
                                          ['b.js', 'import {c} from \'./main.js\';\nexport const a = 1;\n']
                                      ]),
                                      'main.js'),
                  /in a circle/);
    assert.throws(() => bundleModules(new Map([['main.js', 'import {a} from \'./gone.js\';\n']]), 'main.js'),
                  /imports gone\.js, which it lacks/);
});
