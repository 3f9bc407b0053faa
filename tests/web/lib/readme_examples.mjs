// The README's worked examples: the arguments of every tarvel_cache_text command in its sh blocks, up to a
// pipe or a comment, with the options that replace the report (--steps, --compare, --csv, --scene) left out,
// since the page shows the report. Exercise sheets are no run of the dialog and are left out whole.
import {readFile} from 'node:fs/promises';

import {repositoryRoot} from './build_outputs.mjs';

const command = 'build/native/tarvel_cache_text';
const reportReplacing = new Set(['--steps', '--compare', '--csv', '--scene']);

// The words of a shell line that quotes with double quotes only, as the README's commands do.
function shellWords(line) {
    return [...line.matchAll(/"([^"]*)"|(\S+)/g)].map((match) => match[1] ?? match[2]);
}

export async function readmeExamples() {
    const readme = await readFile(`${repositoryRoot}README.md`, 'utf8');
    const examples = [];
    for (const block of readme.matchAll(/```sh\n([\s\S]*?)```/g)) {
        const lines = block[1].replace(/\\\n/g, ' ').split('\n');
        for (const line of lines.filter((text) => text.startsWith(`${command} `))) {
            const [commandLine] = line.slice(command.length).split(/[|#]/);
            const words = shellWords(commandLine);
            if (!words.includes('--exercise')) {
                examples.push(words.filter((word) => !reportReplacing.has(word)));
            }
        }
    }
    return examples;
}
