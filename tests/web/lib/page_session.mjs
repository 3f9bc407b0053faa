// The built page in headless Chromium, for the browser tests, the screenshots and the benchmark: the page's
// folder staged with the tests' in-page helpers and served on 127.0.0.1, a browser page that records every
// script error, console error and request, and a user at the page who works it with the mouse and keyboard
// through Playwright, finding every control by its accessible name.
import {cp, mkdtemp, rm} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {labelTargets} from '../../../web/tools/dialog_layout.mjs';
import {readResourceScript} from '../../../web/tools/resource_script.mjs';

import {repositoryRoot, requireBuilt} from './build_outputs.mjs';
import {launchChromium} from './chromium.mjs';
import {serveFolder} from './static_server.mjs';
import {readCommand} from './text_command.mjs';

export const pageFolder = process.env.TARVEL_PAGE_FOLDER ?? `${repositoryRoot}build/wasm/web/page`;
export const singlePagePath =
    process.env.TARVEL_SINGLE_PAGE ?? `${repositoryRoot}build/wasm/web/tarvel_cache.html`;
export const wideViewport = {
    width: 1320,
    height: 820
}; // the whole desktop at its own size

// The accessible name of every control of the Configuration dialog by its id, from the resource script: a
// field's label, an address field's group label and number, a button's text.
export async function controlNames() {
    const resources = await readResourceScript(`${repositoryRoot}resources/tarvel_cache.rc`,
                                               `${repositoryRoot}resources/resource_ids.h`);
    const dialog = resources.dialogs.find((entry) => entry.id === resources.ids.get('IDD_CONFIGURATION'));
    const targets = labelTargets(dialog.controls);
    const names = new Map();
    for (const [label, control] of targets.labelFor) {
        names.set(control.id, label.text);
    }
    targets.group?.members.forEach((member, i) => names.set(member.id, `${targets.group.label.text} ${i}`));
    for (const button of dialog.controls.filter((control) => control.kind === 'button')) {
        names.set(button.id, button.text);
    }
    return {names, menu: resources.menu, resources};
}

// The built page and the tests' in-page helpers in one folder, served on 127.0.0.1: { url, close() }.
export async function servePage() {
    await requireBuilt(`${pageFolder}/index.html`, 'wasm');
    const folder = await mkdtemp(join(tmpdir(), 'tarvel-page-'));
    await cp(pageFolder, folder, {recursive: true});
    for (const helper of ['page_user.mjs', 'text_command.mjs']) {
        await cp(`${repositoryRoot}tests/web/lib/${helper}`, join(folder, helper));
    }
    const server = await serveFolder(folder);
    return {
        url: server.url,
        log: server.log,
        async close() {
            await server.close();
            await rm(folder, {recursive: true, force: true});
        },
    };
}

// A headless Chromium: { browser, close() }.
export async function startBrowser() { return launchChromium(); }

// A browser page on url, with the test hooks in place before the page's scripts run and every problem
// recorded: { page, problems, requests }. hooks is a script that fills globalThis.tarvelPageTestHooks.
export async function openPage(browser, url, {viewport = wideViewport, hooks = ''} = {}) {
    const page = await browser.context.newPage();
    await page.setViewportSize(viewport);
    const problems = [];
    const requests = [];
    page.on('pageerror', (error) => problems.push(`script error: ${error.message}`));
    page.on('console',
            (message) => message.type() === 'error' && problems.push(`console: ${message.text()}`));
    page.on('requestfailed', (request) => problems.push(`request failed: ${request.url()}`));
    page.on('request', (request) => requests.push(request.url()));
    page.on('response', (response) => response.status() >= 400 &&
                                      problems.push(`HTTP ${response.status()}: ${response.url()}`));
    await page.addInitScript(`globalThis.tarvelPageTestHooks = {}; ${hooks}`);
    await page.goto(url);
    await page.waitForFunction(() => document.documentElement.dataset.state !== undefined);
    return {page, problems, requests};
}

// The page served and open in a new headless Chromium for one test file, from before() to after():
// { server, browser, page, problems, requests, stop() }.
export async function startPageSession() {
    const server = await servePage();
    const browser = await startBrowser();
    const session = await openPage(browser, `${server.url}index.html`);
    return {
        server,
        browser,
        ...session,
        async stop() {
            await browser.close();
            await server.close();
        },
    };
}

// A user working the page with the mouse and the keyboard.
export class PageUser {
    #page;
    #names;
    #ids;

    // names: control id -> accessible name (controlNames); ids: module name -> control id.
    constructor(page, names, ids) {
        this.#page = page;
        this.#names = names;
        this.#ids = ids;
    }

    static async on(page) {
        const {names} = await controlNames();
        const ids = await page.evaluate(() => globalThis.tarvelPageTestHooks.program.core.inputs.controlIds);
        return new PageUser(page, names, ids);
    }

    get page() { return this.#page; }

    // The control of a module name (ram, mapping, setareMod, ...), found by its accessible name.
    control(name) {
        const label = this.#names.get(this.#ids[name]);
        const role = this.#ids[name] < 1000 ? 'button' : null;
        return role ? this.#page.getByRole('button', {name: label, exact: true})
                    : this.#page.getByLabel(label, {exact: true});
    }

    async menu(top, item) {
        await this.#page.getByRole('menuitem', {name: top, exact: true}).click();
        await this.#page.getByRole('menuitem', {name: item, exact: true}).click();
        await this.#page.evaluate(() => globalThis.tarvelPageTestHooks.program.settled);
    }

    async type(name, text) {
        const field = this.control(name);
        await field.click();
        await field.press('Control+A');
        await field.pressSequentially(text);
    }

    async paste(name, text) { await this.control(name).fill(text); }

    // Clicks the list open (its focus is a notification) and picks the item.
    async choose(name, item) {
        const list = this.control(name);
        await list.focus();
        await list.selectOption({label: item});
    }

    async press(name) { await this.control(name).click(); }

    async consoleText() {
        return this.#page.evaluate(() => {
            const console = document.getElementById('console');
            return console.hidden ? null : document.getElementById('console-text').textContent;
        });
    }

    async isEnabled(name) { return this.control(name).isEnabled(); }

    // What the dialog's controls hold: every text, and the selected items' texts (null for none).
    async dialogContents() {
        const names = Object.keys(this.#ids).filter((name) => this.#ids[name] >= 1000);
        const contents = {};
        for (const name of names) {
            const control = this.control(name);
            contents[name] =
                (await control.evaluate((element) => element.tagName)) === 'SELECT'
                    ? await control.evaluate((list) => list.selectedOptions[0]?.textContent ?? null)
                    : await control.inputValue();
        }
        return contents;
    }

    // A command line of the text front-end, typed key by key into a new dialog: for every run the lists
    // chosen (the mapping first, whose focus enables the policy list), then every text that differs from
    // what its field shows, into the fields those choices enable, Setare mod and, when it validates, START
    // SIMULARE. Returns, for each press, what the dialog held, whether it ran, and the console's text. Stops
    // at a configuration that does not validate, as the text front-end does.
    async performCommand(args) {
        await this.menu('File', 'Exit');
        await this.menu('Configuration', 'Input');
        const lists =
            await this.#page.evaluate(() => globalThis.tarvelPageTestHooks.program.core.inputs.lists);
        const presses = [];
        for (const {fields, runs} of readCommand(args, lists).segments) {
            for (let run = 0; run < runs; ++run) {
                for (const name of ['mapping', 'policy', 'mode']) {
                    if (fields[name] >= 0 && (await this.isEnabled(name))) {
                        await this.choose(name, lists.find((list) => list.name === name).items[fields[name]]);
                    }
                }
                const texts = Object.entries(fields).filter(
                    ([name]) => !['mapping', 'policy', 'mode', 'addresses'].includes(name));
                texts.push(...fields.addresses.map((text, i) => [`address${i}`, text]));
                for (const [name, text] of texts) {
                    if ((await this.control(name).inputValue()) !== text && (await this.isEnabled(name))) {
                        await this.type(name, text);
                    }
                }
                const contents = await this.dialogContents();
                await this.press('setareMod');
                const valid = await this.isEnabled('startSimulation');
                if (valid) {
                    await this.press('startSimulation');
                }
                presses.push({contents, valid, console: await this.consoleText()});
                if (!valid) {
                    return presses;
                }
            }
        }
        return presses;
    }

    // The controls the page shows enabled and those the core's record enables, by name.
    async enabledControls() {
        return this.#page.evaluate(async () => {
            const user = await import('./page_user.mjs');
            return {
                shown: user.shownEnabled(),
                record: globalThis.tarvelPageTestHooks.program.core.screenState().dialog.enabled
            };
        });
    }
}
