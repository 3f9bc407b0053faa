// Builds the page from the program's sources: its windows laid out from the resource script and the module's
// own description, its scripts, style and pictures, as a folder for any static web server and as one
// self-contained HTML file that opens from the disk.
//
//   node web/tools/build_page.mjs --module tarvel_page.wasm --folder OUT_DIR --single tarvel_cache.html
import {access, copyFile, mkdir, readdir, readFile, rm, writeFile} from 'node:fs/promises';
import {basename, dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {gzipSync} from 'node:zlib';
import {parseArgs} from 'node:util';

import {loadCore} from '../core_module.js';

import {cannotStartLine, failureLinesIn} from './failure_lines.mjs';
import {desktopHtml, desktopSize, escapeHtml, pictureName, printedSheetsHtml} from './page_markup.mjs';
import {readResourceScript} from './resource_script.mjs';
import {bundleModules} from './single_file.mjs';

const root = fileURLToPath(new URL('../../', import.meta.url));
const pageSources = join(root, 'web/page');
const coreModuleSource = join(root, 'web/core_module.js');
const moduleFileName = 'tarvel_page.wasm';
const fontFolder = join(root, 'web/fonts');

// The page's own faces (web/fonts, made by scripts/page-fonts), by file: its family and weight. page.css
// names these families alone, so that the page lays out the same on every machine.
const fontFaces = [
    {file: 'dialog.woff2', family: 'Tarvel Dialog', weight: 400},
    {file: 'dialog-bold.woff2', family: 'Tarvel Dialog', weight: 700},
    {file: 'view.woff2', family: 'Tarvel View', weight: 400},
    {file: 'mono.woff2', family: 'Tarvel Mono', weight: 400},
];

// The @font-face rules of the page's faces, each font inside its rule, so that the page loads no font file.
async function fontFaceRules() {
    const rules = [];
    for (const {file, family, weight} of fontFaces) {
        const data = (await readFile(join(fontFolder, file))).toString('base64');
        rules.push(`@font-face {\n    font-family: "${family}";\n    font-weight: ${weight};\n` +
                   `    src: url(data:font/woff2;base64,${data}) format("woff2");\n}\n`);
    }
    return rules.join('');
}

// What the module says of itself that the markup needs: its controls, its windows' places, the console's
// title, the texts of the practice and sheet windows, and the page's failure lines in each language.
async function describeModule(bytes) {
    const core = await loadCore(bytes, {
        randomValues: () => { throw new Error('the page is built without drawing random numbers'); },
        onOutput: () => {},
    });
    const languages = core.practice.languages.items.map((item) => item.name);
    return {
        inputs: core.inputs,
        windows: core.windows,
        consoleTitle: core.screenState().console.title,
        practice: core.practice,
        failureLines: failureLinesIn(core, languages),
    };
}

// The PNG of every picture and icon of the resource script, rendered beside its BMP or ICO, and of each picture
// rendered in another language in a folder of that language's name beside it: name (LANGUAGE/name for the
// latter) -> path.
async function picturePaths(resources) {
    const paths = {};
    for (const file of resources.files.values()) {
        const png = join(root, 'resources', file.replace(/\.\w+$/, '.png'));
        paths[pictureName(file)] = png;
        for (const language of await translatedPictureLanguages()) {
            const translated = join(dirname(png), language, basename(png));
            if (await exists(translated)) {
                paths[`${language}/${pictureName(file)}`] = translated;
            }
        }
    }
    return paths;
}

// The languages of the catalogues (po/LANGUAGE.po), whose pictures scripts/render-art renders.
async function translatedPictureLanguages() {
    const catalogues = (await readdir(join(root, 'po'))).filter((name) => name.endsWith('.po'));
    return catalogues.map((name) => name.slice(0, -'.po'.length));
}

const exists = (path) => access(path).then(() => true, () => false);

// The line of the folder's page opened from the disk, which runs none of its scripts: in Romanian, and in each
// other language as a data- attribute that the page's one handler picks by the link's lang=.
function scriptsNotLoadedLine(linesIn) {
    const line = (lines) => cannotStartLine(lines, lines.scriptsNotLoaded, true);
    return {
        scriptsNotLoaded: escapeHtml(line(linesIn.ro)),
        scriptsNotLoadedInLanguages: Object.entries(linesIn)
                                         .filter(([language]) => language !== 'ro')
                                         .map(([language, lines]) => ` data-${language}="${escapeHtml(line(lines))}"`)
                                         .join(''),
    };
}

function pageHtml(template, {resources, description, pictureUrl}) {
    const size = desktopSize(resources, description.windows);
    const fill = {
        title: resources.strings.get(resources.ids.get('IDS_WINDOW_TITLE')),
        iconUrl: pictureUrl(pictureName(resources.files.get(resources.ids.get('IDI_PROGRAM_ICON')))),
        desktopWidth: size.width,
        desktopHeight: size.height,
        desktop: desktopHtml(resources, description),
        printedSheets: printedSheetsHtml,
        ...scriptsNotLoadedLine(description.failureLines),
    };
    return template.replace(/\{\{(\w+)\}\}/g, (_, name) => String(fill[name]))
        .replace(/\{\{picture:(\w+)\}\}/g, (_, name) => pictureUrl(name));
}

// The resource script's ids and accelerators for the page's scripts.
function resourcesModule(resources) {
    const ids = Object.fromEntries(resources.ids);
    return `// Generated from resources/resource_ids.h and resources/tarvel_cache.rc by web/tools/build_page.mjs.\n` +
           `export const resources = ${
               JSON.stringify({ids, accelerators: resources.accelerators}, null, 1)};\n`;
}

function failureLinesModule(lines) {
    return `// Generated from web/tools/failure_lines.mjs by web/tools/build_page.mjs, in each language.\n` +
           `export const failureLines = ${JSON.stringify(lines, null, 1)};\n`;
}

function folderAssetsModule(pictures) {
    const sources = Object.fromEntries(Object.keys(pictures).map((name) => [name, `pictures/${name}.png`]));
    return `// Generated by web/tools/build_page.mjs: the module and the pictures, as files beside the page.\n` +
           `export const assets = {\n    module: () => '${moduleFileName}',\n    pictures: ${
               JSON.stringify(sources)},\n` +
           `    loadedFromFile: true,\n};\n`;
}

// The module is carried gzipped (it shrinks to less than half) and unpacked by the browser's own
// DecompressionStream into the Response that compileCore reads.
function inlineAssetsModule(moduleBytes, pictureData) {
    const pictures = Object.fromEntries(
        Object.entries(pictureData)
            .map(([name, bytes]) => [name, `data:image/png;base64,${bytes.toString('base64')}`]));
    const packed = gzipSync(moduleBytes, {level: 9}).toString('base64');
    return `// The module and the pictures, carried inside the page.\n` +
           `const moduleGzipBase64 = '${packed}';\n` +
           `const packedModule = () => Uint8Array.from(atob(moduleGzipBase64), (c) => c.charCodeAt(0));\n` +
           `export const assets = {\n` +
           `    module: () => new Response(\n` +
           `        new Blob([packedModule()]).stream().pipeThrough(new DecompressionStream('gzip'))),\n` +
           `    pictures: ${JSON.stringify(pictures)},\n    loadedFromFile: false,\n};\n`;
}

async function pageScripts() {
    const names = (await readdir(pageSources)).filter((name) => name.endsWith('.js'));
    const scripts = new Map();
    for (const name of names) {
        scripts.set(name, await readFile(join(pageSources, name), 'utf8'));
    }
    scripts.set('core_module.js', await readFile(coreModuleSource, 'utf8'));
    return scripts;
}

async function writeFolder(folder, {html, scripts, css, moduleBytes, pictures}) {
    await rm(folder, {recursive: true, force: true});
    await mkdir(join(folder, 'pictures'), {recursive: true});
    await writeFile(join(folder, 'index.html'), html);
    await writeFile(join(folder, 'page.css'), css);
    await writeFile(join(folder, moduleFileName), moduleBytes);
    for (const [name, text] of scripts) {
        await writeFile(join(folder, name), text);
    }
    for (const [name, path] of Object.entries(pictures)) {
        const copy = join(folder, 'pictures', `${name}.png`);
        await mkdir(dirname(copy), {recursive: true});
        await copyFile(path, copy);
    }
}

function singleFileHtml(html, css, bundle) {
    for (const [what, text] of [['style', css], ['script', bundle]]) {
        if (new RegExp(`</${what}`, 'i').test(text)) {
            throw new Error(`the page's ${what} holds "</${what}" and cannot be inlined`);
        }
    }
    return html.replace('<link rel="stylesheet" href="page.css">', () => `<style>\n${css}</style>`)
        .replace(/<script type="module" src="main.js"[^>]*><\/script>/,
                 () => `<script type="module">\n${bundle}</script>`);
}

async function main() {
    const {values} =
        parseArgs({options: {module: {type: 'string'}, folder: {type: 'string'}, single: {type: 'string'}}});
    if (!values.module || !values.folder || !values.single) {
        throw new Error(
            'usage: build_page.mjs --module tarvel_page.wasm --folder OUT_DIR --single tarvel_cache.html');
    }
    const resources = await readResourceScript(join(root, 'resources/tarvel_cache.rc'),
                                               join(root, 'resources/resource_ids.h'));
    const moduleBytes = await readFile(values.module);
    const description = await describeModule(moduleBytes);
    const pictures = await picturePaths(resources);
    const template = await readFile(join(pageSources, 'index.html'), 'utf8');
    const css = (await fontFaceRules()) + (await readFile(join(pageSources, 'page.css'), 'utf8'));
    const scripts = await pageScripts();
    scripts.set('resources.js', resourcesModule(resources));
    scripts.set('failure_lines.js', failureLinesModule(description.failureLines));

    const folderScripts = new Map([...scripts, ['assets.js', folderAssetsModule(pictures)]]);
    const folderHtml =
        pageHtml(template, {resources, description, pictureUrl: (name) => `pictures/${name}.png`});
    await writeFolder(values.folder, {html: folderHtml, scripts: folderScripts, css, moduleBytes, pictures});

    const pictureData = {};
    for (const [name, path] of Object.entries(pictures)) {
        pictureData[name] = await readFile(path);
    }
    const inlineScripts = new Map([...scripts, ['assets.js', inlineAssetsModule(moduleBytes, pictureData)]]);
    const inlineHtml = pageHtml(template, {
        resources,
        description,
        pictureUrl: (name) => `data:image/png;base64,${pictureData[name].toString('base64')}`,
    });
    await mkdir(dirname(values.single), {recursive: true});
    await writeFile(values.single, singleFileHtml(inlineHtml, css, bundleModules(inlineScripts, 'main.js')));
    console.log(`built ${values.folder}/ and ${basename(values.single)}`);
}

main().catch((error) => {
    console.error(`build_page: ${error.message}`);
    process.exit(1);
});
