// Random command lines of tarvel_cache_text's report, valid configurations and invalid ones: configurations
// drawn within the admissible values (so that the engine runs in every mode), then spoiled now and then by
// texts a user might type or paste (numbers of any size, blanks, empty text, huge digit strings, letters,
// signs, non-ASCII digits and letters, emoji) or a list left without selection; one to four presses with
// edits between them, repeated runs and reports after every run. Reproducible from a seed; runs in Node and
// in the browser.

// A 32-bit mixing generator: the same commands for the same seed on every engine.
export function randomSource(seed) {
    let state = seed >>> 0;
    const next = () => {
        state = (state + 0x9e3779b9) >>> 0;
        let z = state;
        z = Math.imul(z ^ (z >>> 16), 0x85ebca6b) >>> 0;
        z = Math.imul(z ^ (z >>> 13), 0xc2b2ae35) >>> 0;
        return (z ^ (z >>> 16)) >>> 0;
    };
    const below = (n) => next() % n;
    return {next, below, pick: (items) => items[below(items.length)], chance: (p) => next() / 2 ** 32 < p};
}

const oddTexts = [
    '',           ' ',          '\t',
    'abc',        '12a',        '0x10',
    '-5',         '+5',         '1e3',
    '1.5',        '1 2',        '٣',
    '１６',       'ă',          'î16',
    '16€',        '🙂',       '8🙂',
    ' 16 ',       '\t32',       '0016',
    '0',          '4294967295', '4294967296',
    '2147483647', '2147483648', '99999999999999999999'
];

function oddText(random, budget) {
    if (budget.huge > 0 && random.chance(0.1)) {
        --budget.huge; // one a command keeps the command line within the system's limit
        return random.pick(['1', '9', '0']).repeat(random.pick([1000, 20000, 100000]));
    }
    return random.chance(0.7) ? random.pick(oddTexts) : String(random.next() * (1 + random.below(3)));
}

const powerOfTwo = (random, fromExponent, toExponent) =>
    2 ** (fromExponent + random.below(toExponent - fromExponent + 1));

// A configuration that validates: 2 to 16 cache blocks of 128 to 65536 bytes in 16 to 1024 KB, RAM of 1 to
// 4096 MB at least 16 times the cache and of at most 524288 blocks, sets within the blocks, addresses within
// the RAM and the iterations the work mode admits. Texts as typed; lists by item text.
function validConfiguration(random) {
    for (;;) {
        const block = powerOfTwo(random, 7, 16);
        const blocks = powerOfTwo(random, 1, 4);
        const cacheKb = (block * blocks) / 1024;
        const lowestRam = Math.max(1, (cacheKb * 16) / 1024);
        const highestRam = Math.min(4096, block / 2);
        if (cacheKb < 16 || cacheKb > 1024 || lowestRam > highestRam) {
            continue;
        }
        const ramMb = powerOfTwo(random, Math.log2(lowestRam), Math.log2(highestRam));
        const mode = random.pick(['individual', 'secventa data', 'secventa aleatoare']);
        const iterations = {
            individual: random.below(3),
            'secventa data': 1 + random.below(10),
            'secventa aleatoare': 10 + random.below(91)
        }[mode];
        return {
            ram: String(ramMb),
            cache: String(cacheKb),
            block: String(block),
            sets: String(Math.min(blocks, powerOfTwo(random, 0, 3))),
            iterations: String(iterations),
            addresses: Array.from({length: mode === 'individual' ? 1 : 10},
                                  () => String(random.below(ramMb * 2 ** 20))),
            mapping: random.pick(['directa', 'asociativa', 'asociativa pe seturi']),
            policy: random.pick(['FIFO', 'LRU']),
            mode,
        };
    }
}

const textFields = ['ram', 'cache', 'block', 'sets', 'iterations'];
const listFields = ['mapping', 'policy', 'mode'];

// The options that type or select what the configuration holds; each is left out now and then (the field
// keeps its text, the list its selection) or given an odd text.
function configurationOptions(random, configuration, budget, keep) {
    const args = [];
    for (const name of textFields) {
        if (random.chance(keep)) {
            args.push(`--${name}`, random.chance(0.04) ? oddText(random, budget) : configuration[name]);
        }
    }
    if (random.chance(keep)) {
        for (const address of configuration.addresses) {
            args.push('--address', random.chance(0.015) ? oddText(random, budget) : address);
        }
    }
    for (const name of listFields) {
        if (random.chance(keep)) {
            args.push(`--${name}`, configuration[name]);
        }
    }
    return args;
}

export function randomCommand(random) {
    const budget = {huge: 1};
    const args = configurationOptions(random, validConfiguration(random), budget, 0.98);
    const presses = 1 + random.below(4);
    for (let press = 1; press < presses; ++press) {
        // A whole new configuration typed, or a few fields edited.
        const keep = random.chance(0.5) ? 1 : 0.3;
        args.push('--then', ...configurationOptions(random, validConfiguration(random), budget, keep));
    }
    if (random.chance(0.2)) {
        args.push('--runs', String(1 + random.below(3)));
    }
    if (random.chance(0.3)) {
        args.push('--each');
    }
    args.push('--seed', String(random.next()));
    return args;
}
