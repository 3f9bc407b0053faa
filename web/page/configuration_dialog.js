// The Configuration dialog's controls: what the user types, picks and presses goes to the core as the
// dialog's controls send it (the mapping list notifies on focus, on losing it and on a change of selection,
// the work-mode list on a change of selection), and the controls are enabled as the core's state says.
export class ConfigurationDialog {
    #root;
    #inputs;
    #controls = new Map(); // name -> element

    // inputs: the core's fields, lists and buttons; actions: what each user action asks of the core.
    constructor(root, inputs, actions) {
        this.#root = root;
        this.#inputs = inputs;
        const client = root.querySelector('.dialog-client');
        for (const [name, id] of Object.entries(inputs.controlIds)) {
            const control = client.querySelector(`[data-control="${id}"]`);
            if (!control) {
                throw new Error(`the Configuration dialog has no control ${id} for ${name}`);
            }
            this.#controls.set(name, control);
        }
        this.#listen(actions);
        root.querySelector('.close-box').addEventListener('click', () => actions.press('exit'));
    }

    get root() { return this.#root; }

    control(name) { return this.#controls.get(name); }

    // A new dialog shows the texts and selections the core gives it, with the keyboard on its first control.
    fill(texts, selections) {
        for (const name of this.#inputs.fields) {
            this.#controls.get(name).value = texts[name];
        }
        for (const {name} of this.#inputs.lists) {
            this.#controls.get(name).selectedIndex = selections[name];
        }
        this.#root.querySelector('.dialog-client [data-control]')?.focus();
    }

    // state: the dialog's part of the core's screen state.
    show(state) {
        this.#root.hidden = !state.open;
        for (const [name, control] of this.#controls) {
            control.disabled = !state.enabled[name];
        }
    }

    #listen(actions) {
        for (const name of this.#inputs.fields) {
            const field = this.#controls.get(name);
            field.addEventListener('input', () => actions.type(name, field.value));
        }
        for (const {name} of this.#inputs.lists) {
            const list = this.#controls.get(name);
            list.addEventListener('change', () => actions.select(name, list.selectedIndex));
        }
        const mapping = this.#controls.get('mapping');
        mapping.addEventListener('focus', () => actions.notifyMappingList(false));
        mapping.addEventListener('blur', () => actions.notifyMappingList(false));
        mapping.addEventListener('change', () => actions.notifyMappingList(true));
        this.#controls.get('mode').addEventListener('change', () => actions.notifyWorkModeSelection());
        for (const name of this.#inputs.buttons) {
            this.#controls.get(name).addEventListener('click', () => actions.press(name));
        }
    }
}
