// The words a page in another language must not show: every word of four letters or more of the catalogue's
// Romanian texts that none of its translations uses (so "Tag" or "FIFO" may stay, "Bloc" may not).
import {readFileSync} from 'node:fs';

import {repositoryRoot} from './build_outputs.mjs';

const quoted = (lines) => [...lines.matchAll(/"((?:[^"\\]|\\.)*)"/g)].map((match) => match[1]).join('');
const wordsOf = (text) => text.match(/[A-Za-z]{4,}/g) ?? [];

export function romanianOnlyWords(language) {
    const catalogue = readFileSync(`${repositoryRoot}po/${language}.po`, 'utf8');
    const romanian = new Set();
    const translated = new Set();
    for (const entry of catalogue.matchAll(/^msgid ((?:".*"\n)+)msgstr ((?:".*"\n?)+)/gm)) {
        wordsOf(quoted(entry[1])).forEach((word) => romanian.add(word));
        wordsOf(quoted(entry[2])).forEach((word) => translated.add(word));
    }
    return new Set([...romanian].filter((word) => !translated.has(word)));
}

// The page's words a reader sees or hears: its text, the accessible names it gives, and what it announces.
export const visibleWords = (page) => page.evaluate(() => [
    document.body.innerText,
    ...[...document.querySelectorAll('[aria-label], [title]')].map(
        (element) => `${element.getAttribute('aria-label') ?? ''} ${element.getAttribute('title') ?? ''}`),
    ...[...document.querySelectorAll('[aria-live]')].map((element) => element.textContent),
].join('\n').match(/[A-Za-z]{4,}/g) ?? []);
