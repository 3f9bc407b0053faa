// The console text of the page's module equals the native tarvel_cache_text output byte for byte, for the
// same inputs, in each language: the README's worked examples and a few hundred random command lines, invalid
// ones included.
// Each command starts from a fresh module, as each run of the text front-end is a fresh process.
import assert from 'node:assert/strict';
import {readFile} from 'node:fs/promises';
import test from 'node:test';

import {compileCore, loadCore} from '../../web/core_module.js';

import {pageModulePath, requireBuilt, textFrontEndPath} from './lib/build_outputs.mjs';
import {runTextFrontEnd} from './lib/native_text_front_end.mjs';
import {randomCommand, randomSource} from './lib/random_commands.mjs';
import {readmeExamples} from './lib/readme_examples.mjs';
import {performCommand} from './lib/text_command.mjs';

const randomCommandCount = 300;
const randomSeed = Number(process.env.TARVEL_RANDOM_SEED ?? 20240514);

await requireBuilt(pageModulePath, 'wasm');
await requireBuilt(textFrontEndPath, 'native');
const module = await compileCore(await readFile(pageModulePath));

// The command as a shell line, its huge arguments shortened.
function shown(args) {
    return args
        .map((arg) => (arg.length > 40 ? `"${arg.slice(0, 12)}...(${arg.length} characters)"`
                                       : JSON.stringify(arg)))
        .join(' ');
}

function firstDifference(expected, actual) {
    const expectedLines = Buffer.from(expected).toString('latin1').split('\n');
    const actualLines = Buffer.from(actual).toString('latin1').split('\n');
    const line = expectedLines.findIndex((text, i) => text !== actualLines[i]);
    if (line < 0) {
        return `the module's report goes on after the native one's ${expectedLines.length} lines`;
    }
    return `line ${line + 1}: native ${JSON.stringify(expectedLines[line])}, module ${
        JSON.stringify(actualLines[line])}`;
}

// Performs the command both ways and returns the native exit status.
async function expectSameReport(args) {
    const native = runTextFrontEnd(args);
    assert.ok(native.status === 0 || native.status === 2,
              `native status ${native.status} (${native.stderr.trim()}) for ${shown(args)}`);
    const page = performCommand(await loadCore(module), args);
    assert.equal(page.status, native.status, `exit status for ${shown(args)}`);
    assert.ok(Buffer.from(page.stdout).equals(native.stdout),
              `report differs for ${shown(args)}: ${firstDifference(native.stdout, page.stdout)}`);
    return native.status;
}

for (const language of ['ro', 'en']) {
    const languageArgs = ['--lang', language];

    test(`the README worked examples give the native report (--lang ${language})`, async () => {
        const examples = await readmeExamples();
        assert.ok(examples.length >= 3, `only ${examples.length} examples found in the README`);
        const statuses = [];
        for (const args of examples) {
            statuses.push(await expectSameReport([...args, ...languageArgs]));
        }
        assert.ok(statuses.includes(0), 'no README example validates');
    });

    test(`${randomCommandCount} random command lines give the native report (seed ${randomSeed}, --lang ${
             language})`,
         async () => {
             const random = randomSource(randomSeed);
             const statuses = {0: 0, 2: 0};
             const validModes = new Set();
             for (let i = 0; i < randomCommandCount; ++i) {
                 const args = [...randomCommand(random), ...languageArgs];
                 const status = await expectSameReport(args);
                 ++statuses[status];
                 if (status === 0) {
                     validModes.add(args[args.lastIndexOf('--mode') + 1]);
                 }
             }
             // The commands must exercise both the engine and the error list, in every work mode.
             assert.ok(statuses[0] >= randomCommandCount / 10, `only ${statuses[0]} commands validated`);
             assert.ok(statuses[2] >= randomCommandCount / 10,
                       `only ${statuses[2]} commands did not validate`);
             assert.equal(validModes.size, 3, `valid runs only in ${[...validModes].join(', ')}`);
         });
}
