// Where the tests find what the builds made: the page's module of the wasm preset and the native text
// front-end of the native preset, unless TARVEL_PAGE_MODULE or TARVEL_TEXT_FRONT_END name others.
import {access} from 'node:fs/promises';
import {fileURLToPath} from 'node:url';

export const repositoryRoot = fileURLToPath(new URL('../../../', import.meta.url));
export const pageModulePath =
    process.env.TARVEL_PAGE_MODULE ?? `${repositoryRoot}build/wasm/web/tarvel_page.wasm`;
export const textFrontEndPath =
    process.env.TARVEL_TEXT_FRONT_END ?? `${repositoryRoot}build/native/tarvel_cache_text`;

// Fails with the preset to build when a build output is missing.
export async function requireBuilt(path, preset) {
    try {
        await access(path);
    } catch {
        throw new Error(
            `${path} is missing: build it with cmake --preset ${preset} && cmake --build --preset ${preset}`);
    }
}
