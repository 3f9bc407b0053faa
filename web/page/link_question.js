// The question a link asks before it replaces what the user typed or practises: a modal dialog of the page
// (the browser's own confirm would stop the page), named by its title and described by its question, with
// "Nu" first in the keyboard's reach. Escape, or a newer link, answers "Nu".
export class LinkQuestion {
    #dialog;
    #text;
    #texts;
    #answer = null;

    // texts() gives the practice window's texts (linkQuestionTitle, yes, no) in the page's language.
    constructor(texts) {
        this.#texts = texts;
        const dialog = document.createElement('dialog');
        dialog.className = 'link-question';
        dialog.setAttribute('role', 'alertdialog');
        dialog.setAttribute('aria-labelledby', 'link-question-title');
        dialog.setAttribute('aria-describedby', 'link-question-text');
        const title = document.createElement('h2');
        title.id = 'link-question-title';
        title.dataset.textName = 'linkQuestionTitle';
        this.#text = document.createElement('p');
        this.#text.id = 'link-question-text';
        const buttons = document.createElement('div');
        buttons.className = 'link-question-buttons';
        for (const [text, answer] of [['yes', true], ['no', false]]) {
            const button = document.createElement('button');
            button.type = 'button';
            button.className = 'push-button';
            button.dataset.textName = text;
            button.autofocus = !answer;
            button.addEventListener('click', () => this.#settle(answer));
            buttons.append(button);
        }
        dialog.append(title, this.#text, buttons);
        dialog.addEventListener('cancel', (event) => {
            event.preventDefault();
            this.#settle(false);
        });
        document.body.append(dialog);
        this.#dialog = dialog;
    }

    // Resolves to true for "Da", false for "Nu".
    ask(question) {
        this.#settle(false);
        for (const element of this.#dialog.querySelectorAll('[data-text-name]')) {
            element.textContent = this.#texts()[element.dataset.textName];
        }
        this.#text.textContent = question;
        this.#dialog.showModal();
        return new Promise((resolve) => { this.#answer = resolve; });
    }

    #settle(answer) {
        const resolve = this.#answer;
        this.#answer = null;
        if (this.#dialog.open) {
            this.#dialog.close();
        }
        resolve?.(answer);
    }
}
