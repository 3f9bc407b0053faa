// A user at the page's controls, inside the browser: types into fields, picks list items and presses buttons
// through the page's own controls and their events (focus, input, change, click), only while a control is
// enabled, as a person at the page can. A field the dialog keeps disabled is first made editable the way a
// user does it (choosing the mapping or work mode that uses it), so that any command line's texts can be
// entered; what the dialog then holds is read back from its controls. Loaded by the tests with import() into
// the served page, whose test hooks give the program.
import {readCommand} from './text_command.mjs';

const program = () => globalThis.tarvelPageTestHooks.program;

function control(name) {
    const id = program().core.inputs.controlIds[name];
    return document.querySelector(`.dialog .dialog-client [data-control="${id}"]`);
}

function itemIndex(list, text) {
    return program().core.inputs.lists.find((entry) => entry.name === list).items.indexOf(text);
}

export function menuCommand(topText, itemText) {
    const top = [...document.querySelectorAll('.menu-bar > .menu > [role=menuitem]')].find(
        (element) => element.textContent === topText);
    top.click();
    const item = [...top.parentElement.querySelectorAll('[role=menu] [role=menuitem]')].find(
        (element) => element.textContent === itemText);
    item.click();
}

export function type(name, text) {
    const field = control(name);
    if (field.disabled) {
        throw new Error(`${name} is disabled`);
    }
    field.focus();
    field.value = text;
    field.dispatchEvent(new InputEvent('input', {bubbles: true, inputType: 'insertFromPaste'}));
}

export function choose(name, index) {
    const list = control(name);
    if (list.disabled) {
        throw new Error(`${name} is disabled`);
    }
    list.focus();
    if (list.selectedIndex !== index) {
        list.selectedIndex = index;
        list.dispatchEvent(new Event('input', {bubbles: true}));
        list.dispatchEvent(new Event('change', {bubbles: true}));
    }
}

// Presses an enabled button; false when it is disabled.
export function press(name) {
    const button = control(name);
    if (button.disabled) {
        return false;
    }
    button.focus();
    button.click();
    return true;
}

// Makes the field editable by choosing a mapping or work mode that uses it.
function enable(name) {
    if (!control(name).disabled) {
        return;
    }
    if (name === 'sets') {
        choose('mapping', itemIndex('mapping', 'asociativa pe seturi'));
    } else {
        choose('mode', itemIndex('mode', 'secventa data'));
    }
}

// The policy list is enabled by any notification of the mapping list unless direct mapping is chosen.
function enablePolicy() {
    if (!control('policy').disabled) {
        return;
    }
    if (control('mapping').selectedIndex === itemIndex('mapping', 'directa')) {
        choose('mapping', itemIndex('mapping', 'asociativa'));
    } else {
        control('mapping').focus();
    }
}

// Enters the fields of a command line's segment: the texts that differ from what the dialog shows, then the
// policy, the mapping and the work mode (a list the segment leaves out keeps its selection).
export function enter(fields) {
    const texts = {...fields};
    delete texts.addresses;
    delete texts.mapping;
    delete texts.policy;
    delete texts.mode;
    fields.addresses.forEach((text, i) => { texts[`address${i}`] = text; });
    for (const [name, text] of Object.entries(texts)) {
        if (control(name).value !== text) {
            enable(name);
            type(name, text);
        }
    }
    if (fields.policy >= 0 && control('policy').selectedIndex !== fields.policy) {
        enablePolicy();
        choose('policy', fields.policy);
    }
    for (const name of ['mapping', 'mode']) {
        if (fields[name] >= 0) {
            choose(name, fields[name]);
        }
    }
}

// What the dialog's controls hold, as a text front-end segment: every text, and the selected items' texts.
export function dialogContents() {
    const core = program().core;
    const contents = {};
    for (const name of core.inputs.fields) {
        contents[name] = control(name).value;
    }
    for (const {name, items} of core.inputs.lists) {
        contents[name] = items[control(name).selectedIndex] ?? null;
    }
    return contents;
}

export function consoleText() {
    const console = document.getElementById('console');
    return console.hidden ? null : document.getElementById('console-text').textContent;
}

// Which of the dialog's controls the page shows enabled, by the core's names.
export function shownEnabled() {
    const {fields, lists, buttons} = program().core.inputs;
    return Object.fromEntries([...fields, ...lists.map((list) => list.name), ...buttons].map(
        (name) => [name, !control(name).disabled]));
}

// A command line of tarvel_cache_text performed by a user from the page's start-up: File > Exit, then
// Configuration > Input, and for every run the segment's fields entered, Setare mod and START SIMULARE. At
// each press: what the dialog held, whether the run could start, the console's text, and whether the controls
// the page shows enabled are those of the core's record. Stops at the first configuration that does not
// validate, as the text front-end does.
export async function performCommand(args) {
    menuCommand('File', 'Exit'); // the program starts again
    await program().settled;
    const command = readCommand(args, program().core.inputs.lists);
    if (command.seed !== null) {
        program().core.seedRandom(command.seed);
    }
    menuCommand('Configuration', 'Input');
    const presses = [];
    const controlsAgree = () =>
        JSON.stringify(shownEnabled()) === JSON.stringify(program().core.screenState().dialog.enabled);
    for (const segment of command.segments) {
        for (let run = 0; run < segment.runs; ++run) {
            enter(segment.fields);
            const contents = dialogContents();
            press('setareMod');
            const valid = !control('startSimulation').disabled;
            const afterSetareMod = {contents, valid, console: consoleText(), controlsAgree: controlsAgree()};
            if (!valid) {
                presses.push(afterSetareMod);
                return presses;
            }
            press('startSimulation');
            presses.push({...afterSetareMod, console: consoleText(), controlsAgree: controlsAgree()});
        }
    }
    return presses;
}
