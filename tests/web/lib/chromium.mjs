// Debian's Chromium, headless, driven by playwright-core (which downloads no browser of its own), with a
// fresh profile that is removed afterwards.
import {mkdtemp, rm} from 'node:fs/promises';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

// playwright-core is installed beside the page (web/package.json).
const require = createRequire(new URL('../../../web/package.json', import.meta.url));
const {chromium} = require('playwright-core');

export const chromiumPath = '/usr/bin/chromium';

// No sandbox (the tests run as root), no GPU, and nothing that reaches the network by itself.
const chromiumArguments = [
    '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'
];

// { context, close() }: a browser context of a new headless Chromium.
export async function launchChromium() {
    const profile = await mkdtemp(join(tmpdir(), 'tarvel-chromium-'));
    let context;
    try {
        context = await chromium.launchPersistentContext(profile, {
            executablePath: chromiumPath,
            headless: true,
            args: chromiumArguments,
        });
    } catch (error) {
        await rm(profile, {recursive: true, force: true});
        throw error;
    }
    return {
        context,
        async close() {
            await context.close();
            await rm(profile, {recursive: true, force: true});
        },
    };
}
