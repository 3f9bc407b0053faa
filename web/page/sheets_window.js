// The sheet window: a teacher asks for N exercises from a number and prints them, each on its own page, then
// their keys on pages of their own. Each page holds exactly what tarvel_cache_text --exercise prints for that
// number (with --answers for a key), as the core writes it, laid out for paper by sheet_paper.js.
import {paperPages} from './sheet_paper.js';

const byId = (id) => document.getElementById(id);

export class SheetsWindow {
    #root;
    #core;
    #act;

    // core() gives the running core; act(action) runs an action as the program runs every action.
    constructor(root, {core, act}) {
        this.#root = root;
        this.#core = core;
        this.#act = act;
        root.querySelector('.close-box').addEventListener('click', () => this.end());
        byId('sheets-form').addEventListener('submit', (event) => {
            event.preventDefault();
            this.#act(() => this.print());
        });
    }

    get root() { return this.#root; }

    show() {
        this.#root.hidden = false;
        byId('sheets-first').focus();
    }

    end() { this.#root.hidden = true; }

    // Lays the sheets out for paper and opens the browser's printing; false when the request cannot be read,
    // which the window's line then says.
    print() {
        const request = this.#core().sheetRequest(byId('sheets-first').value, byId('sheets-count').value);
        byId('sheets-line').textContent = request.ok ? '' : request.line;
        if (!request.ok) {
            return false;
        }
        const sheets = [];
        const keys = [];
        for (let i = 0; i < request.count; ++i) {
            const number = BigInt(request.first) + BigInt(i);
            const {sheet, key} = paperPages(this.#core().exerciseSheets(number, 1, false),
                                            this.#core().exerciseSheets(number, 1, true));
            sheets.push(sheet);
            keys.push(key);
        }
        byId('printed-sheets').replaceChildren(...sheets, ...keys);
        window.print();
        return true;
    }
}
