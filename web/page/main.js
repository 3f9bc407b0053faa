// The page's start: the core's module and the pictures load together, then the program takes over the
// windows the page's markup holds. A page that cannot start says why in one line.
import {assets} from './assets.js';
import {compileCore, loadCore} from './core_module.js';
import {Desktop} from './desktop.js';
import {failureLines} from './failure_lines.js';
import {loadPictures} from './pictures.js';
import {Program} from './program.js';
import {resources} from './resources.js';

const problem = document.getElementById('problem-line');

// The page's own faces, decoded before the main view measures its texts with them (a canvas does not wait).
function loadPageFonts() {
    return Promise.all(['"Tarvel View"', '"Tarvel Dialog"', 'bold 12px "Tarvel Dialog"', '"Tarvel Mono"'].map(
        (font) => document.fonts.load(font.startsWith('bold') ? font : `12px ${font}`)));
}
// Tests may hand the page a random source of their own (globalThis.tarvelPageTestHooks.randomValues) and are
// handed the program; without them the random draws come from crypto.getRandomValues.
const hooks = globalThis.tarvelPageTestHooks;

// In the language a link asks for (lang=), which the core that could not start cannot read for the page.
function cannotStart(error) {
    const reason = `${error.name}: ${error.message}`.replace(/\s+/g, ' ');
    const fromDisk = location.protocol === 'file:' && assets.loadedFromFile;
    const lines = failureLines[new URLSearchParams(location.hash.slice(1)).get('lang')] ?? failureLines.ro;
    problem.textContent = lines.cannotStart.replace('%s', () => reason) + (fromDisk ? lines.openFromServer : '');
    problem.hidden = false;
}

try {
    new Desktop(document.getElementById('desktop'));
    const [module, pictures] =
        await Promise.all([compileCore(assets.module()), loadPictures(assets.pictures), loadPageFonts()]);
    const core = await loadCore(module, hooks?.randomValues ? {randomValues: hooks.randomValues} : {});
    const program = new Program({core, pictures, resources, problem});
    if (hooks) {
        hooks.program = program;
    }
    // A link: the address's fragment, when the page opens and whenever it changes.
    if (location.hash !== '') {
        program.openLink(location.hash);
    }
    // One that arrives later may ask first; on "Nu" the address goes back to what the page shows.
    let shownAddress = location.href;
    window.addEventListener('hashchange', async () => {
        const address = location.href;
        const opened = await program.followLink(location.hash);
        history.replaceState(null, '', opened ? address : shownAddress);
        shownAddress = opened ? address : shownAddress;
    });
    document.documentElement.dataset.state = 'ready';
    performance.mark('tarvel-page-ready'); // the benchmark's end of loading
} catch (error) {
    cannotStart(error);
    document.documentElement.dataset.state = 'failed';
}
