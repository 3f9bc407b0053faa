// The practice window: the student starts an exercise by its number or the dialog's configuration, answers
// the questions of each access and presses Enter or Verifica; the core checks the answers against its own
// run, and the window shows its verdicts, the right answers and why, then the main view draws the cache after
// that access. Everything shown is the core's; the window only carries the typed texts and lays out the
// state. A live region says each question and each verdict to a screen reader.
const byId = (id) => document.getElementById(id);

export class PracticeWindow {
    #root;
    #core;
    #act;
    #paintScene;
    #questions;
    #announcement;

    // core() gives the running core; act(action) runs an action as the program runs every action (a trap
    // becomes its one line); paintScene(commands) draws in the main view.
    constructor(root, {core, act, paintScene}) {
        this.#root = root;
        this.#core = core;
        this.#act = act;
        this.#paintScene = paintScene;
        this.#questions = byId('practice-questions');
        this.#announcement = byId('practice-announcement');
        root.querySelector('.close-box').addEventListener('click', () => this.end());
        byId('practice-start').addEventListener('submit', (event) => {
            event.preventDefault();
            this.#start(() => this.#core().startPracticeFromNumber(byId('practice-number').value));
        });
        byId('practice-from-dialog')
            .addEventListener('click', () => this.#start(() => this.#core().startPracticeFromDialog()));
        byId('practice-copy-link').addEventListener('click', () => this.#act(() => this.copyLink()));
        this.#questions.addEventListener('submit', (event) => {
            event.preventDefault();
            this.#act(() => this.#check());
        });
        // Enter in a question moves to the next one, the hit/miss choice too; in the last it checks.
        this.#questions.addEventListener('keydown', (event) => {
            if (event.key === 'Enter' && event.target.matches('input')) {
                event.preventDefault();
                const next = this.#questionAfter(event.target.closest('.question'));
                if (next) {
                    this.#focusQuestion(next);
                } else {
                    this.#questions.requestSubmit();
                }
            }
        });
        byId('practice-next').addEventListener('click', () => this.#act(() => this.#next()));
    }

    get root() { return this.#root; }

    // The window's texts, in the page's language.
    get #texts() { return this.#core().practice.texts; }

    // Opens the window (it keeps its session) with the keyboard on the exercise's number.
    show() {
        this.#root.hidden = false;
        this.refresh();
        byId('practice-number').focus();
    }

    end() { this.#root.hidden = true; }

    // An exercise a link started: the window shows its first question.
    showStarted() {
        this.#root.hidden = false;
        const state = this.refresh();
        byId('practice-number').value = state.exercise;
        this.#showQuestion(state);
    }

    // Lays out the core's state of the practice; returns it.
    refresh() {
        const state = this.#core().practiceState();
        byId('practice-line').textContent = state.line;
        byId('practice-summary').textContent = state.active ? state.summary : '';
        this.#questions.hidden = !state.active;
        byId('practice-verdicts').hidden = !state.active || !state.checked;
        byId('practice-results').hidden = !state.active || !state.finished;
        if (state.active) {
            this.#layOutQuestions(state);
            if (state.checked) {
                this.#layOutVerdicts(state);
            }
            if (state.finished) {
                this.#layOutResults(state);
            }
        }
        return state;
    }

    // Copies the link of what the window shows, or of the dialog, and shows it.
    async copyLink() {
        const {fragment, line} = this.#core().currentLink();
        const say = (text) => { byId('practice-line').textContent = text; };
        if (fragment === '' && line !== '') {
            say(line);
            return;
        }
        const link = byId('practice-link');
        link.value = `${location.href.replace(/#.*$/, '')}#${fragment}`;
        try {
            await navigator.clipboard.writeText(link.value);
        } catch {
            link.select(); // where the clipboard is refused, the link stands selected for Ctrl+C
            document.execCommand('copy');
        }
        say([this.#texts.linkCopied, line].filter(Boolean).join(' '));
    }

    #start(start) {
        this.#act(() => {
            this.#root.hidden = false;
            const started = start();
            const state = this.refresh();
            if (started) {
                byId('practice-number').value = state.exercise ?? '';
                this.#showQuestion(state);
            } else {
                this.#announce(state.line);
            }
        });
    }

    #answerFields() { return [...this.#questions.querySelectorAll('.question input[type=text]')]; }

    #shownQuestions() { return [...this.#questions.querySelectorAll('.question')].filter((q) => !q.hidden); }

    #questionAfter(question) {
        const shown = this.#shownQuestions();
        return shown[shown.indexOf(question) + 1];
    }

    // The keyboard on a question: its field, or its checked choice (the first where none is).
    #focusQuestion(question) {
        (question.querySelector('input:checked') ?? question.querySelector('input')).focus();
    }

    #answers() {
        const answers = {};
        for (const question of this.#questions.querySelectorAll('.question')) {
            const name = question.dataset.question;
            const input = name === 'outcome' ? question.querySelector('input:checked')
                                             : question.querySelector('input');
            answers[name] = input?.value ?? '';
        }
        return answers;
    }

    #check() {
        if (!this.#core().checkPracticeStep(this.#answers())) {
            const {unanswered, line} = this.refresh();
            const blank = unanswered?.[0];
            if (blank) {
                this.#focusQuestion(this.#questions.querySelector(`[data-question="${blank}"]`));
            }
            this.#announce(line);
            return;
        }
        const state = this.refresh();
        this.#announce([
            ...state.verdicts.map((verdict) => `${verdict.label}: ${this.#verdictWord(verdict)}${
                                      verdict.correct ? ''
                                                      : `, ${this.#texts.rightColumn} ${verdict.right}`}.`),
            `${this.#texts.kind}: ${state.kind}.`, `${this.#texts.why}${state.why}`,
            ...(state.finished ? [`${this.#texts.results}:`, ...state.scores, state.missRate] : [])
        ].join(' '));
        this.#paintScene(this.#core().practiceScene());
        (state.finished ? byId('practice-results-title') : byId('practice-next')).focus();
    }

    #next() {
        if (this.#core().nextPracticeStep()) {
            this.#showQuestion(this.refresh());
        }
    }

    // A new question: empty answers, the keyboard on the first.
    #showQuestion(state) {
        for (const field of this.#answerFields()) {
            field.value = '';
        }
        for (const choice of this.#questions.querySelectorAll('input[type=radio]')) {
            choice.checked = false;
        }
        this.#announce(state.heading);
        this.#answerFields().find((field) => !field.closest('.question').hidden)?.focus();
    }

    #layOutQuestions(state) {
        byId('practice-heading').textContent = state.heading;
        for (const {name, label, asked} of state.questions) {
            const question = this.#questions.querySelector(`[data-question="${name}"]`);
            question.hidden = !asked;
            question.querySelector(name === 'outcome' ? 'legend' : 'label').textContent = label;
        }
        for (const control of this.#questions.querySelectorAll('input, button')) {
            control.disabled = state.checked;
        }
    }

    #verdictWord(verdict) { return verdict.correct ? this.#texts.correct : this.#texts.wrong; }

    #layOutVerdicts(state) {
        byId('practice-verdicts-caption').textContent = state.heading;
        const cell = (text, className) => {
            const element = document.createElement('td');
            element.textContent = text;
            element.className = className ?? '';
            return element;
        };
        const rows = state.verdicts.map((verdict) => {
            const row = document.createElement('tr');
            row.dataset.question = verdict.name;
            const heading = document.createElement('th');
            heading.scope = 'row';
            heading.textContent = verdict.label;
            row.append(
                heading, cell(verdict.given, 'given'), cell(verdict.right, 'right'),
                cell(this.#verdictWord(verdict), verdict.correct ? 'verdict correct' : 'verdict wrong'));
            return row;
        });
        const kind = document.createElement('tr');
        kind.dataset.question = 'kind';
        const kindHeading = document.createElement('th');
        kindHeading.scope = 'row';
        kindHeading.textContent = this.#texts.kind;
        kind.append(kindHeading, cell(this.#texts.kindNotAsked, 'given'), cell(state.kind, 'right'),
                    cell(this.#texts.kindShown, 'verdict'));
        byId('practice-verdicts').querySelector('tbody').replaceChildren(...rows, kind);
        byId('practice-why').textContent = `${this.#texts.why}${state.why}`;
        byId('practice-next').hidden = state.finished;
    }

    #layOutResults(state) {
        const results = byId('practice-results');
        results.querySelector('ul').replaceChildren(...state.scores.map((score) => {
            const item = document.createElement('li');
            item.textContent = score;
            return item;
        }));
        results.querySelector('.practice-miss-rate').textContent = state.missRate;
    }

    #announce(text) { this.#announcement.textContent = text; }
}
