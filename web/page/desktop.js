// The windows on the page, arranged by the viewport's width:
// - a phone (narrower than phoneWidth, the width of page.css's phone rules): the windows one below another at
//   the screen's width, laid out by page.css; a window that opens is scrolled into view;
// - a tablet (up to floatingWidth): the windows in a column, scaled down as a whole where even the column is
//   wider than the screen;
// - a desktop: the windows where the program puts them, on a desktop the size of the viewport, scaled down a
//   little where that lets the whole arrangement show. Every window stays inside the viewport, moves when its
//   caption is dragged, and comes to the front when it is clicked, focused, opened or filled. The practice
//   and sheet windows share the console's column with it: the console above, the page's window below.
export const phoneWidth = 700;
const floatingWidth = 1024;
const smallestZoom = 0.9; // below this the program's 8-point texts become hard to read
const gap = 5;            // between the windows and the desktop's edges, as the program places them

const pageWindowIds = ['practice', 'sheets'];

export class Desktop {
    #desktop;
    #size;
    #zoom = 1;
    #floating = false;
    #front = 10;
    #moved = new Set();
    #homes = new Map(); // window -> the program's place for it, { left, top }

    constructor(desktop) {
        this.#desktop = desktop;
        this.#size = {width: desktop.offsetWidth, height: desktop.offsetHeight};
        for (const window of this.#windows()) {
            this.#homes.set(window, {left: window.style.left, top: window.style.top});
            this.#watch(window);
        }
        new MutationObserver(() => this.#filled(this.#byId('console'))).observe(this.#byId('console-text'), {
            childList: true
        });
        listenForViewSize(desktop);
        this.#fit();
        addEventListener('resize', () => this.#fit());
    }

    #byId(id) { return this.#desktop.querySelector(`#${id}`); }

    #windows() { return [...this.#desktop.querySelectorAll(':scope > .window')]; }

    #watch(window) {
        new MutationObserver(() => !window.hidden && this.#opened(window))
            .observe(window, {attributes: true, attributeFilter: ['hidden']});
        window.addEventListener('pointerdown', () => this.#toFront(window), true);
        window.addEventListener('focusin', () => this.#toFront(window));
        const caption = window.querySelector(':scope > .caption');
        caption.addEventListener('pointerdown', (event) => this.#drag(event, window));
    }

    #toFront(window) {
        if (Number(window.style.zIndex) !== this.#front) {
            window.style.zIndex = String(++this.#front);
        }
    }

    #opened(window) {
        this.#toFront(window);
        if (!this.#moved.has(window)) {
            Object.assign(window.style, this.#homes.get(window));
        }
        if (this.#floating) {
            this.#shareColumn();
            this.#keepInside(window);
        } else {
            window.scrollIntoView({block: 'nearest'});
        }
    }

    // The console after a run printed into it.
    #filled(console) {
        if (!console.hidden) {
            this.#toFront(console);
            if (this.#floating) {
                this.#keepInside(console);
            }
        }
    }

    #fit() {
        const desktop = this.#desktop;
        const viewport = {width: document.documentElement.clientWidth, height: innerHeight};
        const phone = viewport.width < phoneWidth;
        this.#floating = viewport.width >= floatingWidth;
        desktop.classList.toggle('phone', phone);
        desktop.classList.toggle('stacked', !phone && !this.#floating);
        desktop.classList.toggle('floating', this.#floating);
        desktop.style.zoom = '1';
        if (this.#floating) {
            this.#zoom = Math.max(smallestZoom, Math.min(1, viewport.width / this.#size.width,
                                                         viewport.height / this.#size.height));
            desktop.style.width = `${Math.floor(viewport.width / this.#zoom)}px`;
            desktop.style.height = `${Math.floor(viewport.height / this.#zoom)}px`;
        } else {
            desktop.style.width = `${this.#size.width}px`;
            desktop.style.height = `${this.#size.height}px`;
            this.#zoom = phone ? 1 : Math.min(1, viewport.width / desktop.offsetWidth);
        }
        desktop.style.zoom = String(this.#zoom);
        for (const window of this.#windows()) {
            window.style.maxHeight = '';
            if (this.#floating && !window.hidden) {
                this.#keepInside(window);
            }
        }
        if (this.#floating) {
            this.#shareColumn();
        }
    }

    // The console above and the open page window below it in the console's column, unless the user moved
    // them.
    #shareColumn() {
        const console = this.#byId('console');
        const height = this.#desktop.clientHeight;
        const shared = !console.hidden && !this.#moved.has(console);
        const half = Math.floor((height - 3 * gap) / 2);
        for (const id of pageWindowIds) {
            const window = this.#byId(id);
            if (window.hidden || this.#moved.has(window)) {
                continue;
            }
            window.style.left = console.style.left;
            window.style.top = `${shared ? 2 * gap + half : gap}px`;
            window.style.maxHeight = `${shared ? half : height - 2 * gap}px`;
            this.#keepInside(window);
        }
        const sharing =
            pageWindowIds.some((id) => !this.#byId(id).hidden && !this.#moved.has(this.#byId(id)));
        if (shared) {
            console.style.maxHeight = sharing ? `${half}px` : '';
            this.#keepInside(console);
        }
    }

    // A window no taller than the desktop, and moved back inside it where it stands out.
    #keepInside(window, left = window.offsetLeft, top = window.offsetTop) {
        const {clientWidth: width, clientHeight: height} = this.#desktop;
        const tallest = height - top - gap;
        if (window.offsetHeight > tallest) {
            window.style.maxHeight = `${Math.max(height - 2 * gap, 0)}px`;
        }
        const clamp = (value, room) => Math.max(0, Math.min(value, room));
        window.style.left = `${clamp(left, width - window.offsetWidth)}px`;
        window.style.top = `${clamp(top, height - window.offsetHeight)}px`;
    }

    #drag(event, window) {
        if (!this.#floating || event.button !== 0 || event.target.closest('button')) {
            return;
        }
        event.preventDefault();
        const caption = event.currentTarget;
        const start = {x: event.clientX, y: event.clientY, left: window.offsetLeft, top: window.offsetTop};
        caption.setPointerCapture(event.pointerId);
        const move = (next) => {
            this.#moved.add(window);
            this.#keepInside(window, start.left + (next.clientX - start.x) / this.#zoom,
                             start.top + (next.clientY - start.y) / this.#zoom);
        };
        const stop = () => {
            caption.removeEventListener('pointermove', move);
            caption.removeEventListener('pointerup', stop);
            caption.removeEventListener('pointercancel', stop);
        };
        caption.addEventListener('pointermove', move);
        caption.addEventListener('pointerup', stop);
        caption.addEventListener('pointercancel', stop);
    }
}

// On a phone the main view is fitted to the screen's width; its button shows it at its own size, to scroll
// across, and back.
function listenForViewSize(desktop) {
    const button = desktop.querySelector('#view-size');
    button?.addEventListener('click', () => {
        const full = button.getAttribute('aria-pressed') !== 'true';
        button.setAttribute('aria-pressed', String(full));
        desktop.querySelector('#main-window .client').classList.toggle('full-size', full);
    });
}
