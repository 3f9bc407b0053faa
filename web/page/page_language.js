// The page's texts in the language the user chooses. The build step writes every text of the windows in
// Romanian, from the resource script and the module; the page keeps each as it was written and shows it in
// another language as the core's catalogue translates it. A menu item keeps its mnemonic. What the core
// writes afresh after each action (the console, the practice's lines, the main view's texts) is not kept
// here: it comes from the core in the language the core was given.
import {mnemonicHtml} from './mnemonic.js';

// Where the page writes what the core says; their texts are never the markup's own.
const writtenByTheCore = [
    '.console-text',
    '.scene-texts',
    '#problem-line',
    '#printed-sheets',
    '#practice-line',
    '#practice-summary',
    '#practice-heading',
    '#practice-verdicts-caption',
    '#practice-verdicts tbody',
    '#practice-why',
    '#practice-results ul',
    '#practice-results .practice-miss-rate',
    '#practice-announcement',
    '#sheets-line',
    '[data-text]',
    'script',
    'style',
].join(',');

const translatedAttributes = ['aria-label', 'title'];

// "Secventa de adrese in RAM 9", a field named by its group's label and its number: the label translated.
function numbered(text, translate) {
    const [, label, number] = text.match(/^(.+) (\d+)$/) ?? [];
    const translation = label === undefined ? null : translate(label);
    return translation === null ? null : `${translation} ${number}`;
}

export class PageTexts {
    #texts = [];
    #menuTexts = [];
    #untranslated = [];

    // root: the element whose markup texts are kept, read as the build step wrote them.
    constructor(root) {
        const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
        for (let node = walker.nextNode(); node !== null; node = walker.nextNode()) {
            if (node.textContent.trim() !== '' && !node.parentElement.closest(writtenByTheCore)) {
                this.#texts.push({node, text: node.textContent});
            }
        }
        for (const element of root.querySelectorAll('*')) {
            for (const attribute of translatedAttributes) {
                if (element.hasAttribute(attribute) && !element.closest(writtenByTheCore)) {
                    this.#texts.push({element, attribute, text: element.getAttribute(attribute)});
                }
            }
        }
        this.#menuTexts = [...root.querySelectorAll('[data-text]')];
    }

    // The texts of the markup that the last show() found no translation for.
    get untranslated() { return this.#untranslated; }

    // Every kept text in the language of translate(text), which gives a Romanian text's translation or null
    // where the catalogue has none (the text then stays Romanian).
    show(translate) {
        this.#untranslated = [];
        const inLanguage = (text) => {
            const translation = translate(text) ?? numbered(text, translate);
            if (translation === null) {
                this.#untranslated.push(text);
            }
            return translation ?? text;
        };
        for (const {node, element, attribute, text} of this.#texts) {
            if (node) {
                const [, before, words, after] = text.match(/^(\s*)([\s\S]*?)(\s*)$/);
                node.textContent = before + inLanguage(words) + after;
            } else {
                element.setAttribute(attribute, inLanguage(text));
            }
        }
        for (const element of this.#menuTexts) {
            element.innerHTML = mnemonicHtml(inLanguage(element.dataset.text));
        }
    }
}
