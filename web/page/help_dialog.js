// The Help dialog: shown by Help > Mod de utilizare or its accelerators, ended by OK or its close box. A new
// dialog gives the keyboard to its first control, as the system does for a dialog that is created.
export class HelpDialog {
    #root;

    constructor(root, ids) {
        this.#root = root;
        for (const button of root.querySelectorAll(
                 `[data-control="${ids.IDOK}"], [data-control="${ids.IDCANCEL}"]`)) {
            button.addEventListener('click', () => this.end());
        }
    }

    show() {
        if (this.#root.hidden) {
            this.#root.hidden = false;
            this.#root.querySelector('.dialog-client button')?.focus();
        }
    }

    end() { this.#root.hidden = true; }
}
