// The windows stand on a desktop of the program's screen size; a viewport narrower than it shows the whole
// desktop scaled down to its width, so that nothing overflows.
export function fitDesktopToWidth(desktop) {
    const width = desktop.offsetWidth;
    const fit =
        () => { desktop.style.zoom = String(Math.min(1, document.documentElement.clientWidth / width)); };
    fit();
    window.addEventListener('resize', fit);
}
