// The native tarvel_cache_text run as a process: what it writes and its exit status.
import {spawnSync} from 'node:child_process';

import {textFrontEndPath} from './build_outputs.mjs';

export function runTextFrontEnd(args) {
    const result = spawnSync(textFrontEndPath, args, {maxBuffer: 64 * 1024 * 1024});
    if (result.error) {
        throw new Error(`${textFrontEndPath} could not be run: ${result.error.message}`);
    }
    return {stdout: result.stdout, stderr: result.stderr.toString(), status: result.status};
}
