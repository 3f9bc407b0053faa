// The simulator's core for the page: the WebAssembly module built from the same C++ as the Windows program
// and the text front-end (web/page_entry.cpp), the few WASI imports it needs, and wrappers over its exports.
// A plain ES module that runs in a browser and under Node 20. Every rule stays in the module: this file only
// carries texts in and bytes out.

const wasiModuleName = 'wasi_snapshot_preview1';
const errno = {
    success: 0,
    badf: 8,
    io: 29,
    spipe: 70
};
const stdoutFd = 1;
const stderrFd = 2;
const characterDeviceFiletype = 2;
const maxRandomChunk = 65536; // the most crypto.getRandomValues fills at once

const utf8 = new TextDecoder('utf-8');

function oneLine(error) {
    const text = error instanceof Error ? `${error.name}: ${error.message}` : String(error);
    return text.replace(/\s+/g, ' ').trim();
}

// What every call raises once the module has trapped or an import failed inside it: its state can no longer
// be trusted, and only reload() gives a working core again. The message is one line; reason, the trap's own.
export class CoreTrap extends Error {
    constructor(cause) {
        super(`the simulator's core stopped (${oneLine(cause)}); reload to start again`);
        this.name = 'CoreTrap';
        this.reason = oneLine(cause);
    }
}

// The compiled module, from a URL or Request (fetched, and compiled while it streams when served as
// application/wasm), a Response, the module's bytes, or an already compiled WebAssembly.Module.
export async function compileCore(source) {
    if (source instanceof WebAssembly.Module) {
        return source;
    }
    if (source instanceof ArrayBuffer || ArrayBuffer.isView(source)) {
        return WebAssembly.compile(source);
    }
    const response = source instanceof Response ? source : await fetch(source);
    if (!response.ok) {
        throw new Error(
            `the simulator's module could not be loaded from ${response.url}: HTTP ${response.status}`);
    }
    if (response.headers.get('Content-Type') === 'application/wasm') {
        return WebAssembly.compileStreaming(response);
    }
    return WebAssembly.compile(await response.arrayBuffer());
}

function writeToConsole(fd, bytes) { (fd === stderrFd ? console.error : console.log)(utf8.decode(bytes)); }

// The WASI functions the module imports, over the memory memoryOf() gives. Standard output and error go to
// onOutput; no file exists. An import never throws into the module: a failing random source or output answers
// EIO (the module treats a failing random source as fatal).
export function wasiImports(memoryOf, {randomValues, onOutput}) {
    return {
        fd_write(fd, iovs, iovCount, writtenPointer) {
            if (fd !== stdoutFd && fd !== stderrFd) {
                return errno.badf;
            }
            const view = new DataView(memoryOf().buffer);
            let written = 0;
            try {
                for (let i = 0; i < iovCount; ++i) {
                    const base = view.getUint32(iovs + 8 * i, true);
                    const length = view.getUint32(iovs + 8 * i + 4, true);
                    onOutput(fd, new Uint8Array(memoryOf().buffer, base, length).slice());
                    written += length;
                }
            } catch {
                return errno.io;
            }
            view.setUint32(writtenPointer, written, true);
            return errno.success;
        },
        fd_seek() { return errno.spipe; },
        fd_close() { return errno.success; },
        fd_fdstat_get(fd, statPointer) {
            if (fd < 0 || fd > stderrFd) {
                return errno.badf;
            }
            const view = new DataView(memoryOf().buffer);
            view.setUint8(statPointer, characterDeviceFiletype);
            view.setUint16(statPointer + 2, 0, true);                       // flags
            view.setBigUint64(statPointer + 8, 0xffffffffffffffffn, true);  // rights
            view.setBigUint64(statPointer + 16, 0xffffffffffffffffn, true); // inherited rights
            return errno.success;
        },
        random_get(pointer, length) {
            try {
                for (let done = 0; done < length; done += maxRandomChunk) {
                    const chunk = Math.min(maxRandomChunk, length - done);
                    randomValues(new Uint8Array(memoryOf().buffer, pointer + done, chunk));
                }
                return errno.success;
            } catch {
                return errno.io;
            }
        },
    };
}

// The names of the module's imports that wasiImports does not provide.
function missingImports(module) {
    const provided = wasiImports(() => null, {});
    return WebAssembly.Module.imports(module)
        .filter((entry) => entry.module !== wasiModuleName || !(entry.name in provided))
        .map((entry) => `${entry.module}.${entry.name}`);
}

// The most UTF-16 units one call hands the module; a longer text goes in pieces, so that any text fits.
const textPieceUnits = 1 << 20;

// The most a text of the practice or sheet windows keeps: far beyond any answer, number or link.
const pageTextUnits = 1 << 24;

function sceneCommands(lines) {
    return lines.split('\n').filter((line) => line !== '').map((line) => JSON.parse(line));
}

// What the module's describeInputs says, arranged for the page: the names of the fields in order, the lists
// with their items, the buttons, and the control id of every field, list and button by its name.
function arrangedInputs({fields, lists, buttons}) {
    const controlIds = Object.fromEntries([...fields, ...lists, ...buttons].map(({name, id}) => [name, id]));
    return {fields: fields.map(({name}) => name), lists, buttons: buttons.map(({name}) => name), controlIds};
}

// One running module: the menu's commands, the dialog's fields, lists and buttons in; the dialog's enabled
// controls, the console's text and the main view out. Calls are synchronous; reload() makes a fresh module,
// in its start-up state.
class Core {
    #module;
    #options;
    #exports = null;
    #trap = null;
    #inputs = null;
    #windows = null;
    #practice = null;

    constructor(module, options) {
        const missing = missingImports(module);
        if (missing.length > 0) {
            throw new Error(`the simulator's module needs imports this page lacks: ${missing.join(', ')}`);
        }
        this.#module = module;
        this.#options = options;
    }

    async reload() {
        let memory = null;
        const imports = {[wasiModuleName]: wasiImports(() => memory, this.#options)};
        const instance = await WebAssembly.instantiate(this.#module, imports);
        memory = instance.exports.memory;
        this.#exports = instance.exports;
        this.#trap = null;
        this.#call('_initialize');
        this.#inputs = arrangedInputs(this.#json('describeInputs'));
        this.#windows = this.#json('describeWindows');
        this.#practice = this.#json('describePractice');
    }

    // The trap that stopped the module, or null.
    get trap() { return this.#trap; }

    // The module's controls: { fields: ['ram', ..., 'address0', ...], lists: [{ name, id, items }], buttons:
    // ['setareMod', ...], controlIds: { ram: 1001, ... } }, the ids those of the dialog's template.
    get inputs() { return this.#inputs; }

    // Where the program's windows stand: { mainWindow: { x, y, width, height, client: { width, height } },
    // configurationDialog: { x, y }, helpDialog: { x, y }, console: { x, y, width, height } }, in screen
    // pixels, the console at its tallest.
    get windows() { return this.#windows; }

    // The practice and sheet windows' texts, the slots of the texts typed into them and the questions of an
    // access: { texts: { menu: 'Exersare', ... }, slots: { tag: 0, ... }, questions: ['tag', ...], outcomes:
    // ['hit', 'miss'] }.
    get practice() { return this.#practice; }

    // Configuration > Input: true when it created a new dialog ("0" in every field, no selection), false when
    // one was open already.
    openConfigurationDialog() { return this.#call('openConfigurationDialog') === 1; }

    // Console > Status: opens the console with the report of the records as they are now, unless it is open.
    consoleStatus() { this.#call('consoleStatus'); }

    // Console > Close
    consoleClose() { this.#call('consoleClose'); }

    // Types texts into fields and selects list items, as a user does in the open dialog: ram, cache, block,
    // sets and iterations take texts, addresses an array of texts for address fields 0, 1, ... (or address0,
    // address1, ... one text each), and mapping, policy and mode an item's index in the list's items (-1: no
    // selection). Fields not named keep their text. A selection alone notifies nothing: the lists'
    // notifications are notifyMappingList and notifyWorkModeSelection.
    setFields(fields) {
        for (const [name, value] of Object.entries(fields)) {
            if (name === 'addresses') {
                this.#typeAddresses(value);
            } else if (this.#inputs.fields.includes(name)) {
                this.#typeField(name, value);
            } else {
                this.#selectItem(name, value);
            }
        }
    }

    // Any notification of the mapping list (its focus, for one); selectionChanged when its selection changed.
    notifyMappingList(selectionChanged) {
        return this.#call('notifyMappingList', selectionChanged ? 1 : 0) === 1;
    }

    // A change of the work-mode list's selection.
    notifyWorkModeSelection() { return this.#call('notifyWorkModeSelection') === 1; }

    // "Setare mod"; true when the configuration is valid.
    pressSetareMod() { return this.#call('pressSetareMod') === 1; }

    // START SIMULARE; false, and nothing done, while the dialog keeps it disabled.
    pressStartSimulation() { return this.#call('pressStartSimulation') === 1; }

    // "Reinit. secv.aleatoare"; false, and nothing done, while the dialog keeps it disabled.
    pressRegenerateSequence() { return this.#call('pressRegenerateSequence') === 1; }

    // The dialog's Exit: the dialog is gone, and the next one opens with "0" in every field and no selection.
    pressExit() { return this.#call('pressExit') === 1; }

    // A reproducible random sequence from now on, as the text front-end's --seed; a number or a BigInt.
    seedRandom(seed) { this.#call('seedRandom', BigInt.asUintN(64, BigInt(seed))); }

    // The page's language from now on, 'ro' or 'en': the console shows its report again in it, the practice
    // tells its sentences again, and the texts of practice take it; false, and nothing changed, for any
    // other name.
    setLanguage(name) {
        const text = String(name);
        this.#typeInput(text);
        if (this.#call('setLanguage', text.length) !== 1) {
            return false;
        }
        this.#practice = this.#json('describePractice');
        return true;
    }

    // A Romanian text of the program (of its resource script) in the page's language; null where the
    // catalogue has no translation of it.
    translate(text) {
        const romanian = String(text).slice(0, textPieceUnits);
        this.#typeInput(romanian);
        const length = this.#call('translateText', romanian.length);
        return length < 0 ? null : utf8.decode(this.#output(length));
    }

    // The dialog and the console as they stand: { dialog: { open, selections, enabled: { ram: true, ...,
    // setareMod: true, ... } }, console: { open, title, width, height, openings }, repaints, language }.
    screenState() { return this.#json('writeScreenState'); }

    // The texts of the dialog's fields as the dialog reads them: { ram: '0', ... }.
    dialogTexts() { return this.#json('writeDialogTexts'); }

    // What the open console printed when it opened; '' while it is closed.
    consoleText() { return utf8.decode(this.#output(this.#call('writeConsoleText'))); }

    // The console's text for the records as they are now, as the bytes the report prints.
    reportBytes() { return this.#output(this.#call('writeStatusReport')); }

    reportText() { return utf8.decode(this.reportBytes()); }

    // The main view for the records as they are now, as JSON Lines of drawing commands.
    sceneLines() { return utf8.decode(this.#output(this.#call('writeScene'))); }

    // The same commands as objects, in drawing order.
    scene() { return sceneCommands(this.sceneLines()); }

    // A practice of the exercise of that number (a text, as typed), or of the open dialog's fields; false,
    // with the reason in the state's line, when it cannot start.
    startPracticeFromNumber(text) {
        this.#typePageText('exercise', text);
        return this.#call('startPracticeFromNumber') === 1;
    }

    startPracticeFromDialog() { return this.#call('startPracticeFromDialog') === 1; }

    // The answers to the access asked, by question ({ tag: '3', index: '0', word: '4', outcome: 'miss',
    // replaced: '-' }; a question left out is answered with nothing), checked by the core; false unless the
    // access waits for them.
    checkPracticeStep(answers) {
        for (const question of this.#practice.questions) {
            this.#typePageText(question, answers[question] ?? '');
        }
        return this.#call('checkPracticeStep') === 1;
    }

    nextPracticeStep() { return this.#call('nextPracticeStep') === 1; }

    // The practice as its window shows it (web/page_practice.h).
    practiceState() { return this.#json('writePracticeState'); }

    // The main view after the access just checked, as drawing commands; [] before it is checked.
    practiceScene() { return sceneCommands(utf8.decode(this.#output(this.#call('writePracticeScene')))); }

    // Opens a link's fragment: { exercise, dialog, line }; nothing runs.
    openLink(fragment) {
        this.#typePageText('link', fragment);
        const opened = this.#json('openLink');
        if (opened.language) {
            this.#practice = this.#json('describePractice'); // its texts are now in the link's language
        }
        return opened;
    }

    // The line of the link opened last, in the language the core shows now: '' where it was read whole.
    openedLinkLine() { return utf8.decode(this.#output(this.#call('writeOpenedLinkLine'))); }

    // What opening a link's fragment would replace of what the user typed or practises, as a question to
    // ask first: { question }, '' where nothing would be lost.
    linkQuestion(fragment) {
        this.#typePageText('link', fragment);
        return this.#json('askAboutLink');
    }

    // The fragment of the link of what the practice window shows, or of the dialog: { fragment, line }.
    currentLink() { return this.#json('writeLink'); }

    // The sheet window's request, its texts as typed: { ok, first, count } or { ok: false, line }.
    sheetRequest(first, count) {
        this.#typePageText('exercise', first);
        this.#typePageText('sheetCount', count);
        return this.#json('readSheetRequest');
    }

    // What tarvel_cache_text --exercise first --count count [--answers] prints; first a number or a BigInt.
    exerciseSheets(first, count, answers) {
        const seed = BigInt.asUintN(64, BigInt(first));
        return utf8.decode(this.#output(this.#call('writeExerciseSheets', seed, count, answers ? 1 : 0)));
    }

    #typePageText(slot, value) {
        const text = String(value).slice(0, pageTextUnits);
        this.#typeInput(text);
        this.#call('setPageText', this.#practice.slots[slot], text.length);
    }

    // The text's UTF-16 units into the module's input buffer.
    #typeInput(text) {
        const pointer = this.#call('inputBuffer', text.length);
        const units = new Uint16Array(this.#exports.memory.buffer, pointer, text.length);
        for (let i = 0; i < text.length; ++i) {
            units[i] = text.charCodeAt(i);
        }
    }

    #typeAddresses(texts) {
        if (!Array.isArray(texts)) {
            throw new TypeError('addresses takes an array of texts');
        }
        const addressFields = this.#inputs.fields.filter((name) => name.startsWith('address'));
        if (texts.length > addressFields.length) {
            throw new RangeError(
                `the dialog has ${addressFields.length} address fields, not ${texts.length}`);
        }
        texts.forEach((text, i) => this.#typeField(addressFields[i], text));
    }

    #typeField(name, value) {
        const text = String(value);
        const field = this.#inputs.fields.indexOf(name);
        let entry = 'setFieldText';
        let start = 0;
        do {
            const piece = text.slice(start, start + textPieceUnits);
            const pointer = this.#call('inputBuffer', piece.length);
            const units = new Uint16Array(this.#exports.memory.buffer, pointer, piece.length);
            for (let i = 0; i < piece.length; ++i) {
                units[i] = piece.charCodeAt(i);
            }
            if (this.#call(entry, field, piece.length) !== 1) {
                throw new Error(`${name} cannot be typed into while the Configuration dialog is closed`);
            }
            entry = 'appendFieldText';
            start += piece.length;
        } while (start < text.length);
    }

    #selectItem(name, item) {
        const list = this.#inputs.lists.findIndex((entry) => entry.name === name);
        if (list < 0) {
            throw new TypeError(`the dialog has no field or list "${name}"`);
        }
        if (!Number.isInteger(item) || this.#call('selectListItem', list, item) !== 1) {
            throw new RangeError(`the list ${name} has no item ${item}, or the dialog is closed`);
        }
    }

    #json(entry) { return JSON.parse(utf8.decode(this.#output(this.#call(entry)))); }

    // A copy of the first length bytes of the module's output buffer.
    #output(length) {
        const pointer = this.#call('outputPointer');
        return new Uint8Array(this.#exports.memory.buffer, pointer, length).slice();
    }

    #call(name, ...args) {
        if (this.#trap !== null) {
            throw this.#trap;
        }
        try {
            return this.#exports[name](...args);
        } catch (error) {
            this.#trap = new CoreTrap(error);
            throw this.#trap;
        }
    }
}

// A running core. options.randomValues fills a Uint8Array with secure random bytes (by default
// crypto.getRandomValues); options.onOutput(fd, bytes) receives what the module writes to its standard
// streams (by default the console).
export async function loadCore(source, options = {}) {
    const core = new Core(await compileCore(source), {
        randomValues: options.randomValues ?? ((bytes) => crypto.getRandomValues(bytes)),
        onOutput: options.onOutput ?? writeToConsole,
    });
    await core.reload();
    return core;
}
