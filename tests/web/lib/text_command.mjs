// A command line of tarvel_cache_text performed on the page's core as the text front-end performs it
// (cli/text_options.cpp, cli/main.cpp), so that the same inputs reach both: every option but --then, --runs,
// --each, --seed and --lang is the text typed into a field or the item picked in a list; --then presses
// "Setare mod" and START SIMULARE and lets the next options edit the fields again, --address filling them
// from field 0 each time; --runs repeats the last presses; --lang chooses the page's language. The report is
// printed after the last START SIMULARE (after every one with --each), or when a configuration does not
// validate, which ends the command with status 2. Runs in Node and in the browser.

const fieldOptions = {
    '--ram': 'ram',
    '--cache': 'cache',
    '--block': 'block',
    '--sets': 'sets',
    '--iterations': 'iterations'
};
const listOptions = {
    '--mapping': 'mapping',
    '--policy': 'policy',
    '--mode': 'mode'
};
const addressFieldCount = 10;

function startingFields() {
    return {
        ram: '0',
        cache: '0',
        block: '0',
        sets: '0',
        iterations: '0',
        addresses: Array(addressFieldCount).fill('0'),
        mapping: -1,
        policy: -1,
        mode: -1,
    };
}

function copyFields(fields) { return {...fields, addresses: [...fields.addresses]}; }

// { segments: [{ fields, runs }], each, seed }; lists are the core's lists ({ name, items }), whose items the
// list options name by text.
export function readCommand(args, lists) {
    const command = {segments: [], each: false, seed: null, language: null};
    let fields = startingFields();
    let addressesInRun = 0;
    let runs = 1;
    for (let i = 0; i < args.length; ++i) {
        const option = args[i];
        if (option === '--then') {
            command.segments.push({fields: copyFields(fields), runs: 1});
            addressesInRun = 0;
        } else if (option === '--each') {
            command.each = true;
        } else if (i + 1 >= args.length) {
            throw new Error(`${option} needs a value`);
        } else if (option === '--address') {
            fields.addresses[addressesInRun++] = args[++i];
        } else if (option in fieldOptions) {
            fields[fieldOptions[option]] = args[++i];
        } else if (option in listOptions) {
            const name = listOptions[option];
            fields[name] = lists.find((list) => list.name === name).items.indexOf(args[++i]);
        } else if (option === '--runs') {
            runs = Number(args[++i]);
        } else if (option === '--seed') {
            command.seed = BigInt(args[++i]);
        } else if (option === '--lang') {
            command.language = args[++i];
        } else {
            throw new Error(`the report's command line takes no ${option}`);
        }
    }
    command.segments.push({fields, runs});
    return command;
}

function joined(chunks) {
    const bytes = new Uint8Array(chunks.reduce((total, chunk) => total + chunk.length, 0));
    let at = 0;
    for (const chunk of chunks) {
        bytes.set(chunk, at);
        at += chunk.length;
    }
    return bytes;
}

// { stdout: Uint8Array, status }: what tarvel_cache_text writes and its exit status for a command line whose
// options are all valid.
export function performCommand(core, args) {
    const command = readCommand(args, core.inputs.lists);
    if (command.language !== null && !core.setLanguage(command.language)) {
        throw new Error(`the page has no language "${command.language}"`);
    }
    core.openConfigurationDialog();
    if (command.seed !== null) {
        core.seedRandom(command.seed);
    }
    const printed = [];
    for (const [s, segment] of command.segments.entries()) {
        for (let run = 0; run < segment.runs; ++run) {
            core.setFields(segment.fields);
            if (!core.pressSetareMod()) {
                printed.push(core.reportBytes());
                return {stdout: joined(printed), status: 2};
            }
            core.pressStartSimulation();
            const last = s + 1 === command.segments.length && run + 1 === segment.runs;
            if (command.each || last) {
                printed.push(core.reportBytes());
            }
        }
    }
    return {stdout: joined(printed), status: 0};
}
