// An exercise sheet and its key laid out for paper from the text the core writes for them: the text's tables
// ("+---+" borders, "|" between cells, "+===+" under the header) become tables whose cells are tall enough to
// write in, their columns as wide in the sheet as in its key, where the longest answers stand; its rules
// ("=====") become lines; every other line stays as it is, in its paragraph.
const borderLine = /^\+[-=+]*\+$/;
const rowLine = /^\|.*\|$/;
const ruleLine = /^=+$/;
const wrappedLength = 60; // a line at least this long belongs to a paragraph the text wrapped

// The text's blocks: { kind: 'table', header: [[cell]], rows: [[cell]] } | { kind: 'rule' } |
// { kind: 'text', lines: [line] }.
export function sheetBlocks(text) {
    const blocks = [];
    let table = null;
    let paragraph = null;
    for (const line of text.replace(/\n$/, '').split('\n')) {
        if (borderLine.test(line) || rowLine.test(line)) {
            paragraph = null;
            if (!table) {
                table = {kind: 'table', header: [], rows: []};
                blocks.push(table);
            }
            if (rowLine.test(line)) {
                const cells = line.slice(1, -1).split('|').map((cell) => cell.trim());
                table.rows.push(cells);
            } else if (line.includes('=')) {
                table.header = table.rows;
                table.rows = [];
            }
            continue;
        }
        table = null;
        if (ruleLine.test(line)) {
            paragraph = null;
            blocks.push({kind: 'rule'});
        } else if (line.trim() === '') {
            paragraph = null;
        } else if (paragraph) {
            paragraph.lines.push(line);
        } else {
            paragraph = {kind: 'text', lines: [line]};
            blocks.push(paragraph);
        }
    }
    return blocks;
}

// Each column's share of the page's width, the same in the sheet and in its key (whose table may have more
// columns): room for its longest text in either, where an answer the student writes by hand takes about half
// as much again as the printed characters; a header may wrap at its blanks.
const printed = 1.1;
const handwritten = 1.5;
function columnShares(sheetTable, keyTable) {
    const longestWord = (text) => Math.max(...text.split(' ').map((word) => word.length));
    const answered = (i) => sheetTable.rows.every((row) => row[i] === '');
    const widths = [];
    const widen = (i, width) => { widths[i] = Math.max(widths[i] ?? 3, width + 2); };
    for (const table of [sheetTable, keyTable]) {
        table.header.forEach((row) => row.forEach((cell, i) => widen(i, longestWord(cell))));
        table.rows.forEach(
            (row) => row.forEach((cell, i) => widen(i, cell.length * (answered(i) ? handwritten : printed))));
    }
    const total = widths.reduce((sum, width) => sum + width, 0);
    return widths.map((width) => (100 * width) / total);
}

// A long table of narrow columns (the cache's blocks) in two halves side by side, so that the page holds it.
const longTableRows = 4;
function folded(table, shares) {
    if (table.rows.length <= longTableRows || shares.length > 3) {
        return {table, shares};
    }
    const half = Math.ceil(table.rows.length / 2);
    const rows =
        table.rows.slice(0, half).map((row, i) => [...row, ...(table.rows[half + i] ?? row.map(() => ''))]);
    const header = table.header.map((row) => [...row, ...row]);
    return {table: {...table, header, rows}, shares: [...shares, ...shares].map((share) => share / 2)};
}

function tableElement(unfolded, keyShares) {
    const columns = (unfolded.header[0] ?? unfolded.rows[0] ?? []).length;
    const {table, shares} = folded(unfolded, keyShares.slice(0, columns));
    const total = shares.reduce((sum, share) => sum + share, 0);
    const element = document.createElement('table');
    element.style.width = `${total.toFixed(2)}%`;
    const group = document.createElement('colgroup');
    for (const share of shares) {
        const column = document.createElement('col');
        column.style.width = `${((100 * share) / total).toFixed(2)}%`;
        group.append(column);
    }
    const section = (rows, tag, cellTag) => {
        const part = document.createElement(tag);
        for (const row of rows) {
            const line = document.createElement('tr');
            for (const text of row) {
                const cell = document.createElement(cellTag);
                cell.textContent = text;
                line.append(cell);
            }
            part.append(line);
        }
        return part;
    };
    element.append(group, section(table.header, 'thead', 'th'), section(table.rows, 'tbody', 'td'));
    return element;
}

function blockElement(block, shares) {
    if (block.kind === 'rule') {
        return document.createElement('hr');
    }
    if (block.kind === 'table') {
        return tableElement(block, shares);
    }
    // Settings ("Name: value" a line) in two columns; a paragraph the text wrapped flows across the page;
    // short lines (a title) stay lines.
    const paragraph = document.createElement('p');
    const settings = block.lines.length >= 4 && block.lines.every((line) => /^[^:]+: \S/.test(line));
    const wrapped = block.lines.some((line) => line.length >= wrappedLength);
    paragraph.className = settings ? 'settings' : (wrapped ? 'prose' : 'lines');
    paragraph.textContent = block.lines.join(wrapped && !settings ? ' ' : '\n');
    return paragraph;
}

// Whether a key's table is its sheet's table with the answers filled in, and perhaps more columns after.
function sameTable(sheetTable, keyTable) {
    const [sheetHeader, keyHeader] = [sheetTable?.header[0], keyTable?.header[0]];
    return sheetHeader !== undefined && keyHeader !== undefined &&
           sheetHeader.every((cell, i) => cell === keyHeader[i]) &&
           sheetTable.rows.length === keyTable.rows.length;
}

// The sheet's page and the key's: { sheet, key }, two elements of class printed-sheet (the key's also
// printed-key). A table of the key that is not its sheet's keeps columns of its own.
export function paperPages(sheetText, keyText) {
    const layouts = [sheetBlocks(sheetText), sheetBlocks(keyText)];
    const [sheetTables, keyTables] =
        layouts.map((blocks) => blocks.filter((block) => block.kind === 'table'));
    const shares = (at) =>
        (sameTable(sheetTables[at], keyTables[at]) ? columnShares(sheetTables[at], keyTables[at]) : null);
    const page = (blocks, tables, className) => {
        const element = document.createElement('section');
        element.className = className;
        element.append(...blocks.map((block) => {
            const at = tables.indexOf(block);
            return blockElement(block, at < 0 ? [] : (shares(at) ?? columnShares(block, block)));
        }));
        return element;
    };
    return {
        sheet: page(layouts[0], sheetTables, 'printed-sheet'),
        key: page(layouts[1], keyTables, 'printed-sheet printed-key'),
    };
}
