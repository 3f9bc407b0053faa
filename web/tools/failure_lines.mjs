// The page's own lines for when the core cannot say them: it did not start, or it stopped. build_page.mjs
// hands the page each of them in every language of the catalogue, translated by the core while it builds;
// N_ marks them for xgettext (scripts/check-catalogues) and returns them as they are.
const N_ = (text) => text;

export const failureLines = {
    // %s: what went wrong, in one line
    cannotStart: N_('Simulatorul nu a putut porni (%s)'),
    // After cannotStart, when the folder's page was opened from the disk
    openFromServer: N_('; deschideti tarvel_cache.html sau puneti acest dosar pe un server web'),
    // Why the folder's page opened from the disk cannot start: the browser loads none of its scripts
    scriptsNotLoaded: N_('scripturile lui nu se pot incarca de pe disc'),
    // %s: the trap, in one line
    coreStopped: N_('Nucleul simulatorului s-a oprit (%s); reincarcati pagina pentru a porni din nou'),
};

// The lines in each language the core knows: { ro: { cannotStart, ... }, en: { ... } }. A line the catalogue
// lacks stops the build.
export function failureLinesIn(core, languages) {
    const inLanguages = {};
    for (const language of languages) {
        if (!core.setLanguage(language)) {
            throw new Error(`the core has no language "${language}"`);
        }
        inLanguages[language] = Object.fromEntries(Object.entries(failureLines).map(([name, text]) => {
            const translation = language === 'ro' ? text : core.translate(text);
            if (translation === null) {
                throw new Error(`the ${language} catalogue lacks "${text}"`);
            }
            return [name, translation];
        }));
    }
    core.setLanguage('ro');
    return inLanguages;
}

// The line of a page that cannot start, in one language's lines.
export const cannotStartLine = (lines, reason, fromDisk) =>
    lines.cannotStart.replace('%s', () => reason) + (fromDisk ? lines.openFromServer : '');
