// What the native text front-end answers for an exercise, for the practice tests: its configuration read
// from the sheet of tarvel_cache_text --exercise SEED, every access's fields, outcome and miss kind from
// --steps run on that configuration, the replaced block and the miss rate from the key (--answers), which
// --steps does not give.
import {runTextFrontEnd} from './native_text_front_end.mjs';

// The words the practice shows for the miss kinds of --steps.
export const kindWords = {
    compulsory: 'obligatoriu',
    capacity: 'capacitate',
    conflict: 'conflict',
    '': '-'
};

function sheetValue(sheet, label) {
    return sheet.match(new RegExp(`^${label}: (\\S+(?: \\S+)*?)(?: \\((?:Mo|ko|o)\\))?$`, 'm'))?.[1] ?? null;
}

// The access table's rows of a key: the cells of every line of seven cells or more whose first cell is an
// access's number (the table of widths and that of the cache have fewer).
function keyRows(key) {
    return key.split('\n')
        .map((line) => line.split('|').slice(1, -1).map((cell) => cell.trim()))
        .filter((cells) => cells.length >= 7 && /^\d+$/.test(cells[0]));
}

// The --steps table of a text front-end command line: { tag, index, word, outcome, kind } per step.
export function nativeSteps(args) {
    const {stdout, status, stderr} = runTextFrontEnd([...args, '--steps']);
    if (status !== 0) {
        throw new Error(`tarvel_cache_text --steps failed (${status}): ${stderr}`);
    }
    return stdout.toString('utf8').trim().split('\n').slice(1).map((line) => {
        const cells = line.split(',');
        return {
            tag: cells[3],
            index: cells[4],
            word: cells[5],
            outcome: cells[7],
            kind: kindWords[cells[9] ?? '']
        };
    });
}

// { seed, mapping, args, accesses: [{ address, tag, index, word, outcome, replaced, kind }], missRate }
export function nativeExercise(seed) {
    const key = runTextFrontEnd(['--exercise', String(seed), '--answers']).stdout.toString('utf8');
    const mapping = sheetValue(key, 'Metoda de mapare');
    const sets = sheetValue(key, 'Numar de seturi');
    const policy = sheetValue(key, 'Metoda de reamplasare');
    const rows = keyRows(key);
    const addresses = rows.map((row) => row[1].split(' ')[0]);
    const args = [
        '--ram', sheetValue(key, 'Dimensiune RAM'), '--cache', sheetValue(key, 'Dimensiune Cache'), '--block',
        sheetValue(key, 'Dimensiune Bloc'), '--mapping', mapping, ...(sets ? ['--sets', sets] : []),
        ...(policy ? ['--policy', policy] : []), '--mode', 'secventa data', '--iterations', '1',
        ...addresses.flatMap((address) => ['--address', address])
    ];
    const replacedColumn = rows[0].length - 2; // before the kind of the miss
    const accesses = nativeSteps(args).map(
        (step, i) => ({...step, address: addresses[i], replaced: rows[i][replacedColumn]}));
    return {seed, mapping, args, accesses, missRate: key.match(/^Rata de pierderi = .*$/m)[0]};
}

// The first exercise from a number on with the mapping and policy asked for.
export function exerciseWith(mapping, policy, from = 0) {
    for (let seed = from;; ++seed) {
        const exercise = nativeExercise(seed);
        if (exercise.mapping === mapping && (policy === null || exercise.args.includes(policy))) {
            return exercise;
        }
    }
}

// The right answers of an access as a student types them, and answers that are each wrong.
export function rightAnswers(access) {
    return {
        tag: access.tag,
        index: access.index,
        word: access.word,
        outcome: access.outcome,
        replaced: access.replaced
    };
}

export function wrongAnswers(access) {
    return {
        tag: String(Number(access.tag) + 1),
        index: String(Number(access.index || '0') + 1),
        word: `0x${(Number(access.word) + 1).toString(16)}`,
        outcome: access.outcome === 'hit' ? 'miss' : 'hit',
        replaced: access.replaced === '-' ? '0' : '-',
    };
}
