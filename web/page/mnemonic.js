// Texts of the resource script as HTML, for the page's build step and the page alike.

export function escapeHtml(text) {
    return text.replaceAll('&', '&amp;')
        .replaceAll('<', '&lt;')
        .replaceAll('>', '&gt;')
        .replaceAll('"', '&quot;');
}

// A text with its mnemonic: "&File" shows File with the F underlined; "&&" is one ampersand.
export function mnemonicHtml(text) {
    return text.split('&&')
        .map((part) => escapeHtml(part).replace(/&amp;(.)/, '<u>$1</u>').replaceAll('&amp;', ''))
        .join('&amp;');
}
