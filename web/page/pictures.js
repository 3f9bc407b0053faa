// The main view's pictures and the program's icon, decoded before the first paint: name -> image.
export async function loadPictures(sources) {
    const entries = await Promise.all(Object.entries(sources).map(async ([name, source]) => {
        const image = new Image();
        image.src = source;
        await image.decode();
        return [name, image];
    }));
    return new Map(entries);
}
