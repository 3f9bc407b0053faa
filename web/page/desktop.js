// The windows stand on a desktop of the program's screen size. A viewport narrower than that desktop shows
// the windows one below another instead (main window, Configuration dialog, console), scaled down as a whole
// to the viewport's width where even that column is wider, so that nothing overflows.
export function fitDesktopToWidth(desktop) {
    const fit = () => {
        desktop.style.zoom = '1';
        desktop.classList.remove('stacked');
        const viewport = document.documentElement.clientWidth;
        if (desktop.offsetWidth > viewport) {
            desktop.classList.add('stacked');
        }
        desktop.style.zoom = String(Math.min(1, viewport / desktop.offsetWidth));
    };
    fit();
    window.addEventListener('resize', fit);
}
