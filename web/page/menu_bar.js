// The main window's menu bar, from the resource script's menu and the page's own: a pop-up opens on a click
// or from the keyboard, and choosing an item sends its command, the id of the resource script or the name of
// a command of the page. Every item is a button with the role of a menu item.
const commandOf = (text) => (/^\d+$/.test(text) ? Number(text) : text);

export class MenuBar {
    #bar;
    #onCommand;
    #open = null;

    constructor(bar, onCommand) {
        this.#bar = bar;
        this.#onCommand = onCommand;
        for (const menu of this.#menus()) {
            const title = menu.firstElementChild;
            title.addEventListener('click',
                                   () => (this.#open === menu ? this.close() : this.#openMenu(menu, false)));
            title.addEventListener('mouseenter',
                                   () => this.#open && this.#open !== menu && this.#openMenu(menu, false));
            title.addEventListener('keydown', (event) => this.#onTitleKey(event, menu));
            menu.querySelector('[role=menu]')
                .addEventListener('keydown', (event) => this.#onItemKey(event, menu));
        }
        bar.addEventListener('click', (event) => {
            const item = event.target.closest('[data-command]');
            if (item) {
                this.close();
                this.#onCommand(commandOf(item.dataset.command));
            }
        });
        document.addEventListener('pointerdown', (event) => {
            if (this.#open && !bar.contains(event.target)) {
                this.close();
            }
        });
    }

    close() {
        if (!this.#open) {
            return;
        }
        this.#open.firstElementChild.setAttribute('aria-expanded', 'false');
        this.#open.querySelector('[role=menu]').hidden = true;
        this.#open = null;
    }

    #menus() { return [...this.#bar.children]; }

    #items(menu) { return [...menu.querySelectorAll('[role=menu] [role=menuitem]')]; }

    #openMenu(menu, focusFirstItem) {
        this.close();
        this.#open = menu;
        menu.firstElementChild.setAttribute('aria-expanded', 'true');
        menu.querySelector('[role=menu]').hidden = false;
        if (focusFirstItem) {
            this.#items(menu)[0]?.focus();
        }
    }

    #neighbour(menu, step) {
        const menus = this.#menus();
        return menus[(menus.indexOf(menu) + step + menus.length) % menus.length];
    }

    #onTitleKey(event, menu) {
        const moves = {ArrowLeft: -1, ArrowRight: 1};
        if (['ArrowDown', 'Enter', ' '].includes(event.key)) {
            event.preventDefault();
            this.#openMenu(menu, true);
        } else if (event.key in moves) {
            event.preventDefault();
            const next = this.#neighbour(menu, moves[event.key]);
            next.firstElementChild.focus();
            if (this.#open) {
                this.#openMenu(next, false);
            }
        } else if (event.key === 'Escape') {
            this.close();
        }
    }

    #onItemKey(event, menu) {
        const items = this.#items(menu);
        const at = items.indexOf(document.activeElement);
        const moves = {ArrowDown: 1, ArrowUp: -1};
        if (event.key in moves) {
            event.preventDefault();
            items[(at + moves[event.key] + items.length) % items.length].focus();
        } else if (event.key === 'ArrowLeft' || event.key === 'ArrowRight') {
            event.preventDefault();
            const next = this.#neighbour(menu, event.key === 'ArrowLeft' ? -1 : 1);
            this.#openMenu(next, true);
            next.firstElementChild.focus();
            this.#items(next)[0]?.focus();
        } else if (event.key === 'Escape' || event.key === 'Tab') {
            this.close();
            menu.firstElementChild.focus();
        }
    }
}

// The accelerators of the resource script: a key with Alt sends its command, as the program's accelerator
// table does, when the main window has the keyboard (pressed in a dialog it does nothing).
export function listenForAccelerators(accelerators, mainWindow, onCommand) {
    document.addEventListener('keydown', (event) => {
        const focused = document.activeElement;
        const inMainWindow = focused === document.body || focused === null || mainWindow.contains(focused);
        const accelerator =
            accelerators.find(({character, alt}) => event.key === character && event.altKey === alt);
        if (accelerator && inMainWindow) {
            event.preventDefault();
            onCommand(accelerator.id);
        }
    });
}
