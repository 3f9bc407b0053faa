// The console beside the main window: shown while the core says it is open, at the height it gives, with the
// very text the report printed when it opened, scrolled to its end as a console after printing.
export class ConsoleWindow {
    #root;
    #text;
    #opening = null;

    constructor(root) {
        this.#root = root;
        this.#text = root.querySelector('.console-text');
    }

    // state: the console's part of the core's screen state; text() reads what it printed.
    show(state, text) {
        this.#root.hidden = !state.open;
        if (!state.open) {
            this.#opening = null;
            return;
        }
        this.#root.style.height = `${state.height}px`;
        if (state.openings !== this.#opening) {
            this.#opening = state.openings;
            this.#text.textContent = text();
            this.#text.scrollTop = this.#text.scrollHeight;
        }
    }
}
