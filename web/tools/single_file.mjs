// The page's ES modules as one module script, for a page that must carry everything inside it (a page opened
// from the disk may load no other file). Every module but the entry becomes a function scope that returns its
// exports, in the order of their imports; the entry stays the module script itself, exports and all, so that
// its top-level await still works. Only the forms the page's modules use are understood, and any other is an
// error:
//   import {a, b as c} from './x.js';        export function f / async function f / class C / const k
const importPattern = /^import\s*\{([^}]*)\}\s*from\s*'\.\/([\w.]+)';[ \t]*$/gm;
const exportPattern = /^export\s+(?:async\s+function|function|class|const|let)\s+([A-Za-z_$][\w$]*)/gm;

function parseModule(name, text) {
    const imports = [...text.matchAll(importPattern)].map(
        (match) => ({
            from: match[2],
            bindings: match[1].split(',').map((binding) => binding.trim()).filter(Boolean).map((binding) => {
                const [imported, local = imported] = binding.split(/\s+as\s+/);
                return {imported, local};
            }),
        }));
    const body = text.replace(importPattern, '');
    if (/^\s*(import|export)\b/m.test(body.replace(exportPattern, ''))) {
        throw new Error(`${name} imports or exports in a form the single page cannot carry`);
    }
    const exports = [...body.matchAll(exportPattern)].map((match) => match[1]);
    return {name, imports, exports, body, scopedBody: body.replace(/^export\s+/gm, '')};
}

const scopeName = (name) => `module_${name.replace(/\W/g, '_')}`;

function bindingsOf({from, bindings}) {
    const names =
        bindings.map(({imported, local}) => (imported === local ? imported : `${imported}: ${local}`));
    return `const {${names.join(', ')}} = ${scopeName(from)};\n`;
}

// modules: file name -> source text; entry: the file name of the entry module.
export function bundleModules(modules, entry) {
    const parsed = new Map([...modules].map(([name, text]) => [name, parseModule(name, text)]));
    const ordered = [];
    const visiting = new Set();
    const visit = (name) => {
        if (ordered.includes(name)) {
            return;
        }
        const module = parsed.get(name);
        if (!module) {
            throw new Error(`the page imports ${name}, which it lacks`);
        }
        if (visiting.has(name)) {
            throw new Error(`the page's modules import each other in a circle through ${name}`);
        }
        visiting.add(name);
        module.imports.forEach((dependency) => visit(dependency.from));
        ordered.push(name);
    };
    visit(entry);
    return ordered
        .map((name) => {
            const module = parsed.get(name);
            const imports = module.imports.map(bindingsOf).join('');
            if (name === entry) {
                return `${imports}${module.body}`;
            }
            return `const ${scopeName(name)} = (() => {\n${imports}${module.scopedBody}\nreturn {${
                module.exports.join(', ')}};\n})();\n`;
        })
        .join('\n');
}
