// The program in the page: the menu's commands and the dialogs' actions go to the core, and after each the
// page shows what the core then says: the dialog's controls, the console, and the main view whenever the core
// asks for a repaint. The page's own windows, practice and sheets, and its links work the same way, in the
// language the user chooses (Limba / Language), which the core and the markup's texts follow. A trap of
// the core, or any fault on the way, is shown as one line instead of stopping the page; File > Exit, or
// reloading the page, starts again.
import {ConfigurationDialog} from './configuration_dialog.js';
import {ConsoleWindow} from './console_window.js';
import {failureLines} from './failure_lines.js';
import {HelpDialog} from './help_dialog.js';
import {LinkQuestion} from './link_question.js';
import {listenForAccelerators, MenuBar} from './menu_bar.js';
import {PageTexts} from './page_language.js';
import {PracticeWindow} from './practice_window.js';
import {SceneCanvas} from './scene_canvas.js';
import {SheetsWindow} from './sheets_window.js';

// A trap of the core in the page's language; any other fault as it names itself.
function oneLine(error, language) {
    const text = !(error instanceof Error) ? String(error)
                 : error.name === 'CoreTrap'
                     ? failureLines[language].coreStopped.replace('%s', () => error.reason)
                     : `${error.name}: ${error.message}`;
    return text.replace(/\s+/g, ' ').trim();
}

export class Program {
    #core;
    #ids;
    #problem;
    #surface;
    #sceneTexts;
    #dialog;
    #console;
    #help;
    #practice;
    #sheets;
    #linkQuestion;
    #menu;
    #texts;
    #language = 'ro';
    #problemClose;
    #repaints = null;
    #sayAgain = () => '';
    #settled = Promise.resolve();

    // core: a loaded core; pictures: name -> image; resources: the ids and accelerators of the resource
    // script; problem: the element for the one line that reports a fault.
    constructor({core, pictures, resources, problem}) {
        this.#core = core;
        this.#ids = resources.ids;
        this.#texts = new PageTexts(document.getElementById('desktop'));
        this.#problem = this.#dismissible(problem, core.practice.texts.dismiss);
        const canvas = document.getElementById('main-view');
        this.#surface = new SceneCanvas(canvas, pictures);
        this.#sceneTexts = canvas.querySelector('.scene-texts');
        this.#dialog =
            new ConfigurationDialog(document.getElementById(`dialog-${this.#ids.IDD_CONFIGURATION}`),
                                    core.inputs, this.#dialogActions());
        this.#console = new ConsoleWindow(document.getElementById('console'));
        this.#help = new HelpDialog(document.getElementById(`dialog-${this.#ids.IDD_HELP}`), this.#ids);
        const pageWindow = {core: () => this.#core, act: (action) => this.#act(action)};
        this.#practice = new PracticeWindow(document.getElementById('practice'),
                                            {...pageWindow, paintScene: (scene) => this.#paintScene(scene)});
        this.#sheets = new SheetsWindow(document.getElementById('sheets'), pageWindow);
        this.#linkQuestion = new LinkQuestion(() => this.#core.practice.texts);
        const mainWindow = document.getElementById('main-window');
        this.#menu = new MenuBar(mainWindow.querySelector('.menu-bar'), (id) => this.command(id));
        listenForAccelerators(resources.accelerators, mainWindow, (id) => this.command(id));
        this.#act(() => {});
    }

    get core() { return this.#core; }

    // The page's language, 'ro' or 'en', and the texts of its markup the catalogue did not translate.
    get language() { return this.#language; }

    get untranslated() { return this.#texts.untranslated; }

    // Resolves once the last action that takes time (File > Exit) is done.
    get settled() { return this.#settled; }

    // A command of the menu or the accelerators, by its id in the resource script or the name of a command of
    // the page.
    command(id) {
        const ids = this.#ids;
        switch (id) {
        case 'practice':
            return this.#practice.show();
        case 'sheets':
            return this.#sheets.show();
        case 'language-ro':
        case 'language-en':
            return this.#act(() => this.#showLanguage(id.slice('language-'.length)));
        case ids.IDM_EXIT:
            return this.#act(() => this.#restart());
        case ids.IDM_CONSOLE_STATUS:
            return this.#act(() => this.#core.consoleStatus());
        case ids.IDM_CONSOLE_CLOSE:
            return this.#act(() => this.#core.consoleClose());
        case ids.IDM_CONFIGURATION_INPUT:
            return this.#act(() => this.#openConfigurationDialog());
        case ids.IDM_HELP:
            return this.#help.show();
        }
        return undefined;
    }

    // Opens a link, the page's address from its "#": a new dialog filled with its fields, or its exercise's
    // practice started, without running anything; the one line says what it could not read.
    openLink(fragment) {
        return this.#act(() => {
            const opened = this.#core.openLink(fragment);
            if (opened.dialog) {
                const state = this.#core.screenState();
                this.#dialog.show(state.dialog);
                this.#dialog.fill(this.#core.dialogTexts(), state.dialog.selections);
            }
            if (opened.language) {
                this.#language = opened.language;
                this.#showTexts();
            }
            if (opened.exercise) {
                this.#practice.showStarted();
            }
            this.#say(opened.line, () => this.#core.openedLinkLine());
        });
    }

    // A link that arrives while the page runs: where it would replace what the user typed into the dialog
    // or a practice not finished, the page asks first. Resolves to whether it was opened; on "Nu" nothing
    // changes.
    async followLink(fragment) {
        let question = '';
        this.#act(() => { question = this.#core.linkQuestion(fragment).question; });
        if (question !== '' && !(await this.#linkQuestion.ask(question))) {
            return false;
        }
        this.openLink(fragment);
        return true;
    }

    #dialogActions() {
        const core = () => this.#core;
        const presses = {
            setareMod: () => core().pressSetareMod(),
            startSimulation: () => core().pressStartSimulation(),
            regenerateSequence: () => core().pressRegenerateSequence(),
            exit: () => core().pressExit(),
        };
        return {
            type: (name, text) => this.#act(() => core().setFields({[name]: text})),
            select: (name, item) => this.#act(() => core().setFields({[name]: item})),
            notifyMappingList: (changed) => this.#act(() => core().notifyMappingList(changed)),
            notifyWorkModeSelection: () => this.#act(() => core().notifyWorkModeSelection()),
            press: (name) => this.#act(presses[name]),
        };
    }

    #openConfigurationDialog() {
        if (this.#core.openConfigurationDialog()) {
            const state = this.#core.screenState();
            this.#dialog.show(state.dialog);
            this.#dialog.fill(this.#core.dialogTexts(), state.dialog.selections);
        }
    }

    // The program ends and starts again: a fresh core, no dialog, no console, the title picture.
    async #restart() {
        this.#menu.close();
        this.#help.end();
        this.#practice.end();
        this.#sheets.end();
        await this.#core.reload();
        this.#core.setLanguage(this.#language); // the user's choice outlives the program
        this.#repaints = null;
        this.#say('');
    }

    // The core and the markup in the language; the console and the practice are shown again in it.
    #showLanguage(language) {
        if (!this.#core.setLanguage(language)) {
            throw new Error(`the page has no language "${language}"`);
        }
        this.#language = language;
        this.#showTexts();
        if (!this.#problem.parentElement.hidden) {
            this.#say(this.#sayAgain(), this.#sayAgain);
        }
    }

    #showTexts() {
        this.#texts.show((text) => this.#core.translate(text));
        document.documentElement.lang = this.#language;
        this.#surface.language = this.#language;
        this.#problemClose.setAttribute('aria-label', this.#core.practice.texts.dismiss);
        if (!this.#practice.root.hidden) {
            this.#practice.refresh();
        }
    }

    #act(action) {
        try {
            const outcome = action();
            if (outcome instanceof Promise) {
                this.#settled = outcome.then(() => this.#show(), (error) => this.#fail(error));
                return this.#settled;
            }
            this.#show();
        } catch (error) {
            this.#fail(error);
        }
        return undefined;
    }

    #show() {
        const state = this.#core.screenState();
        this.#dialog.show(state.dialog);
        this.#console.show(state.console, () => this.#core.consoleText());
        if (state.repaints !== this.#repaints) {
            this.#repaints = state.repaints;
            this.#paint();
        }
    }

    #paint() { this.#paintScene(this.#core.scene()); }

    #paintScene(scene) {
        this.#surface.paint(scene);
        // What the canvas shows in words, for a screen reader.
        this.#sceneTexts.replaceChildren(
            ...scene.filter((command) => command.command === 'text').map((command) => {
                const item = document.createElement('li');
                item.textContent = command.text;
                return item;
            }));
    }

    #fail(error) { this.#say(oneLine(error, this.#language), () => oneLine(error, this.#language)); }

    // The one line, '' for none; again() says it afresh in the page's language after a switch.
    #say(line, again = () => line) {
        this.#problem.textContent = line;
        this.#problem.parentElement.hidden = line === '';
        this.#sayAgain = again;
    }

    // The element of the one line becomes its text, beside a button that dismisses it; returns the text.
    #dismissible(line, dismiss) {
        const text = document.createElement('span');
        const close = document.createElement('button');
        close.type = 'button';
        close.className = 'problem-close';
        close.setAttribute('aria-label', dismiss);
        close.addEventListener('click', () => { line.hidden = true; });
        line.replaceChildren(text, close);
        this.#problemClose = close;
        return text;
    }
}
