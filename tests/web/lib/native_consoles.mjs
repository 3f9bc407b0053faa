// The consoles a page showed, press by press, against what the native tarvel_cache_text prints for the same
// dialog contents.
import assert from 'node:assert/strict';

import {runTextFrontEnd} from './native_text_front_end.mjs';

const textFields = ['ram', 'cache', 'block', 'sets', 'iterations'];
const lists = ['mapping', 'policy', 'mode'];

// The text front-end's command line for the presses so far: each press's dialog contents typed in full.
function nativeArgs(presses, seed, language) {
    const args = [];
    presses.forEach(({contents}, i) => {
        args.push(...(i > 0 ? ['--then'] : []));
        for (const name of textFields) {
            args.push(`--${name}`, contents[name]);
        }
        for (let field = 0; field < 10; ++field) {
            args.push('--address', contents[`address${field}`]);
        }
        for (const name of lists.filter((list) => contents[list] !== null)) {
            args.push(`--${name}`, contents[name]);
        }
    });
    return [
        ...args, ...(seed === null ? [] : ['--seed', String(seed)]), ...(language ? ['--lang', language] : [])
    ];
}

function shown(args) {
    return args
        .map((arg) => (arg.length > 40 ? `"${arg.slice(0, 12)}...(${arg.length})"` : JSON.stringify(arg)))
        .join(' ');
}

// Every console the presses showed against the native output for the same inputs, in the language (the
// default when none is given).
export function expectNativeConsoles(presses, seed, language = null) {
    presses.forEach((press, i) => {
        const args = nativeArgs(presses.slice(0, i + 1), seed, language);
        const native = runTextFrontEnd(args);
        assert.equal(native.status, press.valid ? 0 : 2, `native status for ${shown(args)}`);
        assert.equal(press.console, native.stdout.toString('utf8'), `console after ${shown(args)}`);
        assert.ok(press.controlsAgree, `the page shows the core's enabled controls after ${shown(args)}`);
    });
}
