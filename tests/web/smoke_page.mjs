// The test page's script: loads the page's module through core_module.js as the page will, and lets the test
// perform text front-end command lines on it (window.smoke). The last report is shown in #report.
import {compileCore, CoreTrap, loadCore} from './core_module.js';
import {performCommand} from './text_command.mjs';

const status = document.getElementById('status');
const report = document.getElementById('report');

function randomRun(core) {
    // A random sequence, associative LRU (list positions of the core's items).
    core.setFields({ram: '1', cache: '16', block: '1024', iterations: '100', mapping: 0, policy: 1, mode: 1});
    core.pressSetareMod();
    core.pressStartSimulation();
    return core.reportText();
}

try {
    const module = await compileCore('tarvel_page.wasm');
    window.smoke = {
        // A command line on a fresh module: { bytes, status } as tarvel_cache_text would give them.
        async perform(args) {
            const result = performCommand(await loadCore(module), args);
            report.textContent = new TextDecoder().decode(result.stdout);
            return {bytes: Array.from(result.stdout), status: result.status};
        },
        // Two random sequences drawn through the default source, and how often it called the browser's.
        async randomDraws() {
            const browserSource = crypto.getRandomValues.bind(crypto);
            let calls = 0;
            crypto.getRandomValues = (bytes) => {
                ++calls;
                return browserSource(bytes);
            };
            try {
                const reports = [randomRun(await loadCore(module)), randomRun(await loadCore(module))];
                return {calls, differ: reports[0] !== reports[1]};
            } finally {
                crypto.getRandomValues = browserSource;
            }
        },
        // A random source that fails: the trap's message, and whether a reload then runs.
        async trapAndReload() {
            let failing = true;
            const core = await loadCore(module, {
                randomValues: (bytes) => {
                    if (failing) {
                        throw new Error('no entropy');
                    }
                    crypto.getRandomValues(bytes);
                },
            });
            let message = null;
            try {
                randomRun(core);
            } catch (error) {
                message = error instanceof CoreTrap ? error.message : `not a CoreTrap: ${error}`;
            }
            failing = false;
            await core.reload();
            return {message, afterReload: randomRun(core).includes('START SIMULARE')};
        },
    };
    status.textContent = 'ready';
} catch (error) {
    status.textContent = `failed: ${error}`;
}
