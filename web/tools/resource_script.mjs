// Reads the program's resource script (resources/tarvel_cache.rc and the scripts it includes) as far as the
// page needs it: the string table, the menu, the accelerators and the dialog templates, with the ids of
// resources/resource_ids.h resolved to their numbers. Only the statements these scripts use are understood;
// anything else in a template is an error, so that a change to the scripts cannot pass unnoticed.
import {readFile} from 'node:fs/promises';
import {dirname, join} from 'node:path';

// The words of one line: "quoted strings" (a doubled quote stands for one), numbers, names, and | and ,.
export function tokens(line) {
    const found = [];
    const pattern = /"((?:[^"]|"")*)"|(-?0x[0-9a-fA-F]+|-?\d+)|([A-Za-z_][A-Za-z0-9_]*)|([|,()])|(\S)/g;
    for (const match of line.matchAll(pattern)) {
        if (match[1] !== undefined) {
            found.push({string: match[1].replaceAll('""', '"')});
        } else if (match[2] !== undefined) {
            found.push({number: Number(match[2])});
        } else if (match[3] !== undefined) {
            found.push({name: match[3]});
        } else if (match[4] !== undefined) {
            found.push({mark: match[4]});
        } else {
            throw new Error(`unexpected character ${JSON.stringify(match[5])} in: ${line}`);
        }
    }
    return found;
}

// #define NAME VALUE lines, as name -> the tokens of the value.
function defines(lines) {
    const found = new Map();
    for (const line of lines) {
        const match = line.match(/^#define\s+(\w+)\s+(.*)$/);
        if (match) {
            found.set(match[1], tokens(match[2]));
        }
    }
    return found;
}

// The numeric ids of resources/resource_ids.h: NAME -> number.
export function resourceIds(headerText) {
    const ids = new Map();
    for (const [name, value] of defines(headerText.split('\n'))) {
        const number = value.find((token) => token.number !== undefined);
        if (number !== undefined) {
            ids.set(name, number.number);
        }
    }
    return ids;
}

function withoutComments(text) {
    return text.split('\n').map((line) => line.replace(/\/\/.*$/, '').trim()).filter((line) => line !== '');
}

// The values of a statement's operands, split at commas: each a string, a number or a list of style names.
function operands(words, macros) {
    const values = [[]];
    for (const word of words) {
        if (word.mark === ',') {
            values.push([]);
        } else if (word.name !== undefined && macros.has(word.name)) {
            values.at(-1).push(...macros.get(word.name));
        } else if (word.mark !== '|' && word.mark !== '(' && word.mark !== ')') {
            values.at(-1).push(word);
        }
    }
    return values;
}

class Script {
    constructor(lines, ids) {
        this.macros = defines(lines);
        this.lines = lines.filter((line) => !line.startsWith('#'));
        this.ids = ids;
    }

    id(word) {
        if (word.number !== undefined) {
            return word.number;
        }
        if (!this.ids.has(word.name)) {
            throw new Error(`the id ${word.name} is not defined in resource_ids.h`);
        }
        return this.ids.get(word.name);
    }

    // The lines between the BEGIN after line `start` and its END.
    block(start) {
        let line = start + 1;
        while (this.lines[line] !== 'BEGIN') {
            ++line;
        }
        let depth = 0;
        const body = [];
        for (++line; depth > 0 || this.lines[line] !== 'END'; ++line) {
            depth += this.lines[line] === 'BEGIN' ? 1 : this.lines[line] === 'END' ? -1 : 0;
            body.push(this.lines[line]);
        }
        return body;
    }

    // The first line whose first words are NAME KIND, or -1.
    find(kind) {
        return this.lines.findIndex((line) => {
            const words = tokens(line);
            return words[1]?.name === kind;
        });
    }
}

function readStrings(script) {
    const strings = new Map();
    const start = script.lines.findIndex((line) => line === 'STRINGTABLE');
    for (const line of start < 0 ? [] : script.block(start)) {
        const [id, text] = tokens(line);
        strings.set(script.id(id), text.string);
    }
    return strings;
}

// [{ text: '&File', items: [{ text: 'E&xit', id: 105 }] }, ...]
function readMenu(script) {
    const menus = [];
    const start = script.find('MENU');
    for (const line of start < 0 ? [] : script.block(start)) {
        const words = tokens(line);
        if (words[0].name === 'POPUP') {
            menus.push({text: words[1].string, items: []});
        } else if (words[0].name === 'MENUITEM') {
            menus.at(-1).items.push({text: words[1].string, id: script.id(words[3])});
        } else if (line !== 'BEGIN' && line !== 'END') {
            throw new Error(`the menu has a statement the page does not know: ${line}`);
        }
    }
    return menus;
}

// [{ character: '/', id: 104, alt: true }, ...]
function readAccelerators(script) {
    const start = script.find('ACCELERATORS');
    return (start < 0 ? [] : script.block(start)).map((line) => {
        const [key, id, ...flags] = operands(tokens(line), script.macros).map((value) => value[0]);
        const names = flags.map((flag) => flag.name);
        if (key.string === undefined || !names.includes('ASCII')) {
            throw new Error(`only character accelerators are understood: ${line}`);
        }
        return {character: key.string, id: script.id(id), alt: names.includes('ALT')};
    });
}

const controlKinds = {
    DEFPUSHBUTTON: {kind: 'button', default: true, text: true},
    PUSHBUTTON: {kind: 'button', default: false, text: true},
    LTEXT: {kind: 'label', text: true},
    EDITTEXT: {kind: 'edit', text: false},
    COMBOBOX: {kind: 'list', text: false},
    ICON: {kind: 'icon', text: true},
};

function readControl(script, line) {
    const [first, ...rest] = tokens(line);
    const known = controlKinds[first.name];
    if (!known) {
        throw new Error(`a dialog control the page does not know: ${line}`);
    }
    const values = operands(rest, script.macros);
    const text = known.text ? values.shift()[0] : null;
    const [id, x, y, width, height, styles = []] = values.map((value) => value);
    const control = {
        kind: known.kind,
        id: script.id(id[0]),
        rect: {x: x[0].number, y: y[0].number, width: width[0].number, height: height[0].number},
        styles: styles.map((word) => word.name).filter(Boolean),
    };
    if (known.kind === 'button') {
        control.default = known.default;
    }
    if (known.kind === 'icon') {
        control.icon = script.id(text);
    } else if (text) {
        control.text = text.string;
    }
    return control;
}

// The files of the ICON and BITMAP resources: id -> path relative to the script, as 'bitmaps/splash.bmp'.
function readFiles(script) {
    const files = new Map();
    for (const line of script.lines) {
        const [id, kind, file] = tokens(line);
        if ((kind?.name === 'ICON' || kind?.name === 'BITMAP') && file?.string !== undefined) {
            files.set(script.id(id), file.string);
        }
    }
    return files;
}

// { name, id, rect, caption, font: { points, face }, styles, controls: [...] } for every DIALOGEX.
function readDialogs(script) {
    const dialogs = [];
    script.lines.forEach((line, index) => {
        const words = tokens(line);
        if (words[1]?.name !== 'DIALOGEX') {
            return;
        }
        const [x, y, width, height] = words.filter((word) => word.number !== undefined).map((w) => w.number);
        const dialog =
            {name: words[0].name, id: script.id(words[0]), rect: {x, y, width, height}, controls: []};
        for (let at = index + 1; script.lines[at] !== 'BEGIN'; ++at) {
            const [keyword, ...rest] = tokens(script.lines[at]);
            if (keyword.name === 'CAPTION') {
                dialog.caption = rest[0].string;
            } else if (keyword.name === 'FONT') {
                const values = operands(rest, script.macros);
                dialog.font = {points: values[0][0].number, face: values[1][0].string};
            } else if (keyword.name === 'STYLE' || keyword.name === 'EXSTYLE') {
                dialog[keyword.name.toLowerCase()] = rest.map((word) => word.name).filter(Boolean);
            }
        }
        dialog.controls = script.block(index).map((control) => readControl(script, control));
        dialogs.push(dialog);
    });
    return dialogs;
}

// The lines of a script with the .rc scripts it includes in their place.
async function scriptLines(path) {
    const lines = [];
    for (const line of withoutComments(await readFile(path, 'utf8'))) {
        const included = line.match(/^#include\s+"([^"]+\.rc)"$/);
        if (included) {
            lines.push(...(await scriptLines(join(dirname(path), included[1]))));
        } else {
            lines.push(line);
        }
    }
    return lines;
}

// { ids, strings: Map(id -> text), files: Map(id -> path), menu, accelerators, dialogs } of the script at
// path (resources/tarvel_cache.rc), with the ids of the header at idsPath.
export async function readResourceScript(path, idsPath) {
    const ids = resourceIds(await readFile(idsPath, 'utf8'));
    const script = new Script(await scriptLines(path), ids);
    return {
        ids,
        strings: readStrings(script),
        files: readFiles(script),
        menu: readMenu(script),
        accelerators: readAccelerators(script),
        dialogs: readDialogs(script),
    };
}
