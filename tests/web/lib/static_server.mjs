// A folder served on 127.0.0.1 by Python's http.server, on a port the system picks, for a browser test. The
// server is ended by its own process id.
import {spawn} from 'node:child_process';

const startTimeoutMs = 10000;

// { url, close() }; the url ends with a slash.
export async function serveFolder(folder) {
    const server = spawn('/usr/bin/python3',
                         ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', folder], {
                             stdio: ['ignore', 'pipe', 'pipe'],
                         });
    let log = '';
    server.stderr.on('data', (chunk) => {
        log = (log + chunk).slice(-4000); // the requests, kept for a failure's message
    });
    const exited = new Promise((resolve) => server.once('exit', resolve));
    const port = await new Promise((resolve, reject) => {
        const timer = setTimeout(
            () => reject(new Error(`http.server did not start within ${startTimeoutMs} ms: ${log}`)),
            startTimeoutMs);
        let banner = '';
        server.stdout.on('data', (chunk) => {
            banner += chunk;
            const match = banner.match(/port (\d+)/);
            if (match) {
                clearTimeout(timer);
                resolve(Number(match[1]));
            }
        });
        exited.then((code) => {
            clearTimeout(timer);
            reject(new Error(`http.server ended with status ${code} before serving: ${log}`));
        });
    });
    return {
        url: `http://127.0.0.1:${port}/`,
        log: () => log,
        async close() {
            if (server.exitCode === null && server.signalCode === null) {
                process.kill(server.pid, 'SIGTERM');
            }
            await exited;
        },
    };
}
