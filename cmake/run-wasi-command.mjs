// Runs a WASI command module under Node's built-in WASI with the process's arguments and standard streams,
// and exits with the module's status: run-wasi-command.mjs MODULE.wasm [ARGUMENT...]. The module sees no file
// system and no environment.
import {readFile} from 'node:fs/promises';
import {basename} from 'node:path';
import {WASI} from 'node:wasi';

const [modulePath, ...moduleArguments] = process.argv.slice(2);
if (modulePath === undefined) {
    console.error('run-wasi-command.mjs: usage: run-wasi-command.mjs MODULE.wasm [ARGUMENT...]');
    process.exit(64);
}

const wasi = new WASI({version: 'preview1', args: [basename(modulePath, '.wasm'), ...moduleArguments]});
try {
    const module = await WebAssembly.compile(await readFile(modulePath));
    const instance = await WebAssembly.instantiate(module, wasi.getImportObject());
    process.exitCode = wasi.start(instance);
} catch (error) {
    console.error(`run-wasi-command.mjs: ${modulePath}: ${error.message}`);
    process.exitCode = 70;
}
