// The page's windows as HTML, laid out from the program's resources: the main window with its caption and
// the menu of the resource script, the console, and the two dialogs from their templates, every control a
// standard form control at the pixels the system gives its template rectangle. The texts are the scripts'
// and the module's own; nothing here is typed a second time.
import {escapeHtml, mnemonicHtml} from '../page/mnemonic.js';

import {labelTargets, pixelRect, templateFont} from './dialog_layout.mjs';

export {escapeHtml, mnemonicHtml};

const placeStyle = ({left, top, width, height, order}) =>
    `left:${left}px;top:${top}px` + (order === undefined ? '' : `;--order:${order}`) +
    (width === undefined ? '' : `;width:${width}px`) + (height === undefined ? '' : `;height:${height}px`);

// The place of a dialog's control in the form a phone shows (page.css): every field and list in template
// order, each right after its label, the group's label before its fields, the other texts where they stand in
// the template, the buttons last.
function formOrders(controls, targets) {
    const orders = new Map();
    const fieldOrder = (control) => 3 * controls.indexOf(control) + 2;
    controls.forEach((control, index) => {
        orders.set(control, control.kind === 'button' ? 3 * controls.length + index : fieldOrder(control));
    });
    for (const [label, target] of targets.labelFor) {
        orders.set(label, fieldOrder(target) - 1);
    }
    if (targets.group) {
        orders.set(targets.group.label, fieldOrder(targets.group.members[0]) - 1);
    }
    return orders;
}

// The picture of an icon or bitmap resource: its file's name with .png, resolved by the page's assets.
export function pictureName(path) { return path.replace(/^.*\//, '').replace(/\.\w+$/, ''); }

// The page's own menu, before Help: the practice and sheet windows, by the names of their commands.
function practicePopup(texts) {
    return {
        text: texts.menu,
        items: [{id: 'practice', text: texts.practiceItem}, {id: 'sheets', text: texts.sheetsItem}],
    };
}

// The page's own menu of languages, after the practice's, each item named in its own language.
function languagePopup({menu, items}) {
    return {text: menu, items: items.map(({name, text}) => ({id: `language-${name}`, text}))};
}

// The phone's button that shows the main view at its own size (page.css hides it elsewhere).
const viewSizeText = 'Marime reala';

function menuBarHtml(menu, title) {
    const menus = menu.map((popup, index) => {
        const items = popup.items.map(
            (item) => `<button type="button" role="menuitem" tabindex="-1" data-command="${
                escapeHtml(String(
                    item.id))}" data-text="${escapeHtml(item.text)}">${mnemonicHtml(item.text)}</button>`);
        return `<div class="menu"><button type="button" role="menuitem" aria-haspopup="menu" aria-expanded="false" ` +
               `id="menu-${index}" tabindex="${index === 0 ? 0 : -1}" data-text="${escapeHtml(popup.text)}">${
                   mnemonicHtml(popup.text)}</button>` +
               `<div class="menu-popup" role="menu" aria-labelledby="menu-${index}" hidden>${
                   items.join('')}</div></div>`;
    });
    return `<nav class="menu-bar" role="menubar" aria-label="${escapeHtml(title)}">${menus.join('')}</nav>`;
}

function mainWindowHtml({resources, windows, iconPicture, titleId, practice}) {
    const title = resources.strings.get(titleId);
    const {client} = windows.mainWindow;
    return `<section class="window main-window" id="main-window" aria-labelledby="main-window-title" style="${
               placeStyle({
                   left: windows.mainWindow.x,
                   top: windows.mainWindow.y,
                   width: windows.mainWindow.width
               })}">` +
           `<div class="caption"><img class="caption-icon" src="{{picture:${
               iconPicture}}}" alt="" width="16" height="16">` +
           `<span id="main-window-title">${escapeHtml(title)}</span></div>` +
           menuBarHtml(
               [
                   ...resources.menu.slice(0, -1), languagePopup(practice.languages),
                   practicePopup(practice.texts), ...resources.menu.slice(-1)
               ],
               title) +
           `<button type="button" class="push-button view-size" id="view-size" aria-pressed="false">${
               viewSizeText}</button>` +
           `<div class="client"><canvas id="main-view" width="${client.width}" height="${client.height}">` +
           `<ul class="scene-texts"></ul></canvas></div></section>`;
}

function consoleHtml({windows, consoleTitle}) {
    return `<section class="window console" id="console" aria-labelledby="console-title" hidden style="${
               placeStyle(
                   {left: windows.console.x, top: windows.console.y, width: windows.console.width})}">` +
           `<div class="caption"><span id="console-title">${escapeHtml(consoleTitle)}</span></div>` +
           `<pre class="console-text" id="console-text" tabindex="0" role="log" aria-live="off" ` +
           `aria-labelledby="console-title"></pre></section>`;
}

// One control of a template, at its pixels. Fields and lists carry the id the module knows them by.
function controlHtml(control, context) {
    const {dialog, units, targets, names, listItems, orders} = context;
    const domId = (id) => `d${dialog.id}-c${id}`;
    const place = {...pixelRect(control.rect, units.baseUnits), order: orders.get(control)};
    switch (control.kind) {
    case 'button':
        return `<button type="button" class="push-button${control.default ? ' default' : ''}" data-control="${
            control.id}" style="${placeStyle(place)}">${mnemonicHtml(control.text)}</button>`;
    case 'label': {
        const target = targets.labelFor.get(control);
        const text =
            control.styles.includes('SS_NOPREFIX') ? escapeHtml(control.text) : mnemonicHtml(control.text);
        if (target) {
            return `<label class="static field-label" for="${domId(target.id)}" style="${
                placeStyle(place)}">${text}</label>`;
        }
        const id = targets.group?.label === control ? ` id="${domId('group')}"` : '';
        return `<span class="static"${id} style="${placeStyle(place)}">${text}</span>`;
    }
    case 'edit': {
        const member = targets.group?.members.indexOf(control) ?? -1;
        const name =
            member >= 0 ? ` aria-label="${escapeHtml(`${targets.group.label.text} ${member}`)}"` : '';
        return `<input type="text" class="edit" id="${domId(control.id)}" data-control="${control.id}"${
                   name} ` +
               `inputmode="numeric" autocomplete="off" spellcheck="false" style="${placeStyle(place)}">`;
    }
    case 'list': {
        const items = listItems.get(control.id);
        if (!items) {
            throw new Error(`the module has no list for control ${control.id} of ${dialog.name}`);
        }
        const closed = {
            ...place,
            height: units.baseUnits.y + 8
        }; // the template's height includes the drop-down
        return `<select class="drop-down-list" id="${domId(control.id)}" data-control="${
            control.id}" style="${placeStyle(closed)}">${
            items.map((item) => `<option>${escapeHtml(item)}</option>`).join('')}</select>`;
    }
    case 'icon':
        return `<img class="icon" src="{{picture:${
            names.get(control.icon)}}}" alt="" width="32" height="32" style="${
            placeStyle({left: place.left, top: place.top, order: place.order})}">`;
    }
    throw new Error(`no markup for a ${control.kind}`);
}

function dialogHtml(dialog, {place, pictureNames, listItems, hidden = true}) {
    const units = templateFont(dialog.font);
    const size = pixelRect(dialog.rect, units.baseUnits);
    const targets = labelTargets(dialog.controls);
    const context = {
        dialog,
        units,
        targets,
        names: pictureNames,
        listItems,
        orders: formOrders(dialog.controls, targets)
    };
    let controls = dialog.controls.map((control) => controlHtml(control, context));
    if (targets.group) {
        // The group's fields in one group named by its label, in template (tab) order.
        const members = new Set(targets.group.members.map((member) => dialog.controls.indexOf(member)));
        const first = Math.min(...members);
        const grouped = controls.filter((_, index) => members.has(index));
        controls = controls.flatMap(
            (html, index) =>
                index === first ? [`<div role="group" aria-labelledby="d${dialog.id}-cgroup" style="--order:${
                                      context.orders.get(dialog.controls[first])}">${grouped.join('')}</div>`]
                : members.has(index) ? []
                                     : [html]);
    }
    return `<section class="window dialog" id="dialog-${dialog.id}" role="dialog" aria-labelledby="dialog-${
               dialog.id}-title"${hidden ? ' hidden' : ''} style="${
               placeStyle({left: place.x, top: place.y})}">` +
           `<div class="caption"><span id="dialog-${dialog.id}-title">${escapeHtml(dialog.caption)}</span>` +
           `<button type="button" class="close-box" data-control="2" aria-label="Close" tabindex="-1">×</button></div>` +
           `<div class="dialog-client" style="width:${size.width}px;height:${size.height}px;font-size:${
               units.pixels}px;line-height:${units.baseUnits.y}px">${controls.join('')}</div></section>`;
}

// A window of the page's own, beside the main window where the console stands: caption, close box and client.
function pageWindowHtml({id, title, place, client}) {
    return `<section class="window page-window" id="${id}" aria-labelledby="${id}-title" hidden style="${
               placeStyle({left: place.x, top: place.y, width: place.width})}">` +
           `<div class="caption"><span id="${id}-title">${escapeHtml(title)}</span>` +
           `<button type="button" class="close-box" aria-label="Close">×</button></div>` +
           `<div class="page-client">${client}</div></section>`;
}

const field = (id, label, attributes = '') =>
    `<label for="${id}" class="question-label">${escapeHtml(label)}</label><input type="text" class="edit" ` +
    `id="${id}" autocomplete="off" spellcheck="false"${attributes}>`;
const button = (id, text, type = 'button') =>
    `<button type="${type}" class="push-button" id="${id}">${escapeHtml(text)}</button>`;

// The practice window: an exercise by its number or the dialog's configuration, the questions of the access
// asked, the verdicts with the right answers and why, the results; a live region says each question and
// verdict to a screen reader.
function practiceWindowHtml(texts, place, outcomes) {
    const answer = (name, label) => `<div class="question" data-question="${name}">${
        field(`practice-answer-${name}`, label, ' inputmode="numeric"')}</div>`;
    const outcomeChoices = outcomes.map((outcome) => `<label><input type="radio" name="outcome" value="${
                                            escapeHtml(outcome)}">${escapeHtml(outcome)}</label>`);
    const client =
        `<form class="practice-start" id="practice-start">${
            field('practice-number', texts.exerciseNumber, ' inputmode="numeric"')}` +
        `${button('practice-from-number', texts.startExercise, 'submit')}${
            button('practice-from-dialog', texts.startFromDialog)}</form>` +
        `<div class="practice-link">${button('practice-copy-link', texts.copyLink)}${
            field('practice-link', texts.link, ' readonly')}</div>` +
        `<p class="practice-line" id="practice-line" role="status"></p>` +
        `<p class="practice-summary" id="practice-summary"></p>` +
        `<form class="practice-questions" id="practice-questions" aria-labelledby="practice-heading" hidden>` +
        `<h2 id="practice-heading"></h2><p class="practice-hint">${escapeHtml(texts.answerHint)}</p>` +
        answer('tag', '') + answer('index', '') + answer('word', '') +
        `<fieldset class="question" data-question="outcome"><legend class="question-label"></legend>${
            outcomeChoices.join('')}</fieldset>` +
        answer('replaced', '') + button('practice-check', texts.check, 'submit') + `</form>` +
        `<section class="practice-verdicts" id="practice-verdicts" aria-labelledby="practice-verdicts-caption" hidden>` +
        `<table><caption id="practice-verdicts-caption"></caption><thead><tr><th scope="col">${
            escapeHtml(texts.questionColumn)}</th>` +
        `<th scope="col">${escapeHtml(texts.givenColumn)}</th><th scope="col">${
            escapeHtml(texts.rightColumn)}</th>` +
        `<th scope="col">${escapeHtml(texts.verdictColumn)}</th></tr></thead><tbody></tbody></table>` +
        `<p class="practice-why" id="practice-why"></p>${button('practice-next', texts.next)}</section>` +
        `<section class="practice-results" id="practice-results" aria-labelledby="practice-results-title" hidden>` +
        `<h2 id="practice-results-title" tabindex="-1">${escapeHtml(texts.results)}</h2><ul></ul>` +
        `<p class="practice-miss-rate"></p></section>` +
        `<p class="visually-hidden" id="practice-announcement" aria-live="polite" aria-atomic="true"></p>`;
    return pageWindowHtml({id: 'practice', title: texts.practiceTitle, place, client});
}

// The sheet window, and the sheets themselves, which only paper shows (page.css).
function sheetsWindowHtml(texts, place) {
    const client = `<form class="sheets-form" id="sheets-form">${
                       field('sheets-first', texts.firstSheet, ' inputmode="numeric" value="1"')}` +
                   `${field('sheets-count', texts.sheetCount, ' inputmode="numeric" value="1"')}${
                       button('sheets-print', texts.print, 'submit')}</form>` +
                   `<p class="practice-hint">${escapeHtml(texts.sheetsHint)}</p>` +
                   `<p class="practice-line" id="sheets-line" role="status"></p>`;
    return pageWindowHtml({id: 'sheets', title: texts.sheetsTitle, place, client});
}

const dialogChrome = 24; // a dialog's caption and frame, as page.css draws them
const desktopMargin = 5; // around the windows, as the main window stands 5 pixels from the screen's corner

// The desktop that holds every window where the program puts it, the console at its tallest.
export function desktopSize(resources, windows) {
    const dialogBottom = (name, place) => {
        const dialog = resources.dialogs.find((entry) => entry.id === resources.ids.get(name));
        return place.y + pixelRect(dialog.rect, templateFont(dialog.font).baseUnits).height + dialogChrome;
    };
    const right =
        Math.max(windows.console.x + windows.console.width, windows.mainWindow.x + windows.mainWindow.width);
    const bottom =
        Math.max(windows.console.y + windows.console.height, windows.mainWindow.y + windows.mainWindow.height,
                 dialogBottom('IDD_CONFIGURATION', windows.configurationDialog),
                 dialogBottom('IDD_HELP', windows.helpDialog));
    return {width: right + desktopMargin, height: bottom + desktopMargin};
}

// Everything on the page's desktop. core is the module's description: { inputs, windows,
// consoleTitle, practice }.
export function desktopHtml(resources, core) {
    const {ids} = resources;
    const pictureNames = new Map([...resources.files].map(([id, path]) => [id, pictureName(path)]));
    const listItems = new Map(core.inputs.lists.map((list) => [list.id, list.items]));
    const dialog = (name) => resources.dialogs.find((entry) => entry.id === ids.get(name));
    const html = [
        mainWindowHtml({
            resources,
            windows: core.windows,
            iconPicture: pictureNames.get(ids.get('IDI_PROGRAM_ICON')),
            titleId: ids.get('IDS_WINDOW_TITLE'),
            practice: core.practice,
        }),
        consoleHtml({windows: core.windows, consoleTitle: core.consoleTitle}),
        dialogHtml(dialog('IDD_CONFIGURATION'),
                   {place: core.windows.configurationDialog, pictureNames, listItems}),
        dialogHtml(dialog('IDD_HELP'), {place: core.windows.helpDialog, pictureNames, listItems}),
        practiceWindowHtml(core.practice.texts, core.windows.console, core.practice.outcomes),
        sheetsWindowHtml(core.practice.texts, core.windows.console),
    ];
    return html.join('\n');
}

// The sheets as paper shows them, filled in when the teacher prints: outside the desktop, which paper leaves
// out.
export const printedSheetsHtml = '<div class="printed-sheets" id="printed-sheets"></div>';
