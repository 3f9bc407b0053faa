// The sheet window: a teacher asks for N exercises from a number and prints them, each on its own page, then
// their keys on pages of their own. Each page holds exactly what tarvel_cache_text --exercise prints for that
// number (with --answers for a key), as the core writes it; the print style sheet lays it out for paper.
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
        const pages = [];
        for (const answers of [false, true]) {
            for (let i = 0; i < request.count; ++i) {
                const sheet = document.createElement('pre');
                sheet.className = answers ? 'printed-sheet printed-key' : 'printed-sheet';
                sheet.textContent =
                    this.#core().exerciseSheets(BigInt(request.first) + BigInt(i), 1, answers);
                pages.push(sheet);
            }
        }
        byId('printed-sheets').replaceChildren(...pages);
        window.print();
        return true;
    }
}
