// Dialog units to pixels, as the system lays out a dialog template: a horizontal unit is a quarter of the
// dialog font's average character width, a vertical unit an eighth of its height (its base units), each
// coordinate and size converted on its own and rounded half away from zero.

// The base units Windows gives a template's font at 96 dots per inch. "MS Shell Dlg" at 8 points, the font of
// both templates, is 6 x 13 pixels, with 11-pixel characters. A template in another font stops the build
// until its base units are added here.
const knownFonts = [{face: 'MS Shell Dlg', points: 8, baseUnits: {x: 6, y: 13}, pixels: 11}];

export function templateFont(font) {
    const known = knownFonts.find((entry) => entry.face === font.face && entry.points === font.points);
    if (!known) {
        throw new Error(`no base units known for the dialog font "${font.face}" at ${font.points} points`);
    }
    return known;
}

// MulDiv(value, numerator, denominator) for the non-negative values of a template.
function mulDiv(value, numerator, denominator) { return Math.round((value * numerator) / denominator); }

// { left, top, width, height } in pixels of a template rectangle { x, y, width, height }.
export function pixelRect(rect, baseUnits) {
    return {
        left: mulDiv(rect.x, baseUnits.x, 4),
        top: mulDiv(rect.y, baseUnits.y, 8),
        width: mulDiv(rect.width, baseUnits.x, 4),
        height: mulDiv(rect.height, baseUnits.y, 8),
    };
}

const overlapsVertically = (a, b) => a.y < b.y + b.height && b.y < a.y + a.height;

// Which field or list each label names: the nearest one that starts right of the label's left edge on the
// label's line. A label with no field on its line names a group: the fields no label names, which are then
// numbered in template order. Returns { labelFor: Map(label -> control), group: { label, members } | null }.
export function labelTargets(controls) {
    const labels = controls.filter((control) => control.kind === 'label');
    const inputs = controls.filter((control) => control.kind === 'edit' || control.kind === 'list');
    const labelFor = new Map();
    const groupLabels = [];
    for (const label of labels) {
        const beside =
            inputs
                .filter((input) => input.rect.x > label.rect.x && overlapsVertically(label.rect, input.rect))
                .sort((a, b) => a.rect.x - b.rect.x);
        if (beside.length > 0) {
            labelFor.set(label, beside[0]);
        } else {
            groupLabels.push(label);
        }
    }
    const named = new Set(labelFor.values());
    if (named.size !== labelFor.size) {
        throw new Error('two labels name the same control');
    }
    const members = inputs.filter((input) => !named.has(input));
    if (members.length === 0) {
        return {labelFor, group: null};
    }
    if (groupLabels.length !== 1) {
        throw new Error(
            `${members.length} fields have no label, and ${groupLabels.length} labels could name them`);
    }
    return {labelFor, group: {label: groupLabels[0], members}};
}
