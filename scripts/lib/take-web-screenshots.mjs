// Photographs the page in headless Chromium in each scene of the documentation, as the Windows screenshots
// show the program: the main window, the console beside it and the Configuration dialog below it, and the
// Help dialog over a direct individual run; then practice, exercise 1 opened from its link and answered up to
// its eighth access, where LRU replaces a block; and a set-associative run in English (web-english.png).
// Writes docs/screenshots/web-SCENE.png; then the page as a
// phone, a tablet, a laptop and a desktop show it, after a run and in that practice:
// docs/screenshots/web-WIDTHxHEIGHT-run.png and -practice.png (a phone's whole page, the others' screen).
// Called by scripts/web-screenshots.
import {repositoryRoot} from '../../tests/web/lib/build_outputs.mjs';
import {scenes} from '../../tests/web/lib/page_scenes.mjs';
import {openPage, servePage, startBrowser} from '../../tests/web/lib/page_session.mjs';

const outputFolder = `${repositoryRoot}docs/screenshots`;

async function driveInto(page, args) {
    await page.evaluate(async (command) => {
        const user = await import('./page_user.mjs');
        if (command) {
            await user.performCommand(command);
        } else {
            user.menuCommand('File', 'Exit');
        }
    }, args);
}

async function answer(page, answers, outcome) {
    for (const [name, value] of answers) {
        await page.locator(`#practice-answer-${name}`).fill(value);
    }
    await page.getByRole('radio', {name: outcome, exact: true}).check();
    await page.locator('#practice-answer-replaced').press('Enter');
}

// Exercise 1 from its link: the first seven accesses answered in haste (every one a miss that replaces
// nothing), the eighth as a student who forgot LRU's age might (set-associative, 2 sets of 2 blocks).
async function practise(page) {
    await page.goto(`${page.url().replace(/#.*$/, '')}#exercise=1`);
    await page.reload();
    await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
    for (let access = 1; access < 8; ++access) {
        await answer(page, [['tag', '0'], ['index', '0'], ['word', '0'], ['replaced', '-']], 'miss');
        await page.locator('#practice-next').click();
    }
    await answer(page, [['tag', '15525'], ['index', '0'], ['word', '0xc17'], ['replaced', '1']], 'miss');
    await page.evaluate(() => document.activeElement?.blur());
}

const screens = [
    {width: 390, height: 844}, {width: 768, height: 1024}, {width: 1280, height: 720},
    {width: 1920, height: 1080}
];

async function shoot(page, name, options) {
    const path = `${outputFolder}/${name}.png`;
    await page.screenshot({path, ...options});
    console.log(path.slice(repositoryRoot.length));
}

const server = await servePage();
const browser = await startBrowser();
try {
    const {page, problems} =
        await openPage(browser, `${server.url}index.html`, {viewport: {width: 1300, height: 785}});
    const shots =
        [...scenes, {name: 'help', args: scenes.find((scene) => scene.name === 'individual-direct').args}];
    for (const {name, args} of shots) {
        await driveInto(page, args);
        await page.evaluate(() => document.activeElement?.blur()); // the main window has the keyboard
        if (name === 'help') {
            await page.keyboard.press('Alt+/');
        }
        const path = `${outputFolder}/web-${name}.png`;
        await page.locator('#desktop').screenshot({path});
        console.log(path.slice(repositoryRoot.length));
    }
    // The page in English: Limba / Language > English, then the set-associative run; then Romanian again.
    await page.evaluate(async () => (await import('./page_user.mjs')).menuCommand('Limba / Language', 'English'));
    await driveInto(page, scenes.find((scene) => scene.name === 'individual-set-associative').args);
    await page.evaluate(() => document.activeElement?.blur());
    const englishPath = `${outputFolder}/web-english.png`;
    await page.locator('#desktop').screenshot({path: englishPath});
    console.log(englishPath.slice(repositoryRoot.length));
    await page.evaluate(async () => (await import('./page_user.mjs')).menuCommand('Limba / Language', 'Romana'));
    await practise(page);
    const practicePath = `${outputFolder}/web-practice.png`;
    await page.locator('#desktop').screenshot({path: practicePath});
    console.log(practicePath.slice(repositoryRoot.length));
    for (const viewport of screens) {
        await page.setViewportSize(viewport);
        await page.goto(page.url().replace(/#.*$/, ''));
        await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
        const fullPage = viewport.width < 700;
        const size = `${viewport.width}x${viewport.height}`;
        await driveInto(page, scenes.find((scene) => scene.name === 'individual-direct').args);
        await page.evaluate(() => document.activeElement?.blur());
        await page.evaluate(() => scrollTo(0, 0));
        await shoot(page, `web-${size}-run`, {fullPage});
        await practise(page);
        await shoot(page, `web-${size}-practice`, {fullPage});
    }
    if (problems.length > 0) {
        throw new Error(`the page reported: ${problems.join('; ')}`);
    }
} finally {
    await browser.close();
    await server.close();
}
