// One `pendrake serve` session in a sandbox of its own: a temporary folder with a copy of the sample artwork, an
// empty preference file, a temporary folder for the cut data file (TMPDIR) and a registry stand-in whose cutting
// application is a program that ends at once (or none, to see the plug-in's message that it is not installed).
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';

import { program, sampleArtwork } from './paths.mjs';

const SERVING_LINE = /^Serving (http:\/\/127\.0\.0\.1:(\d+)\/\?token=([0-9a-f]{32}))$/;
const CUTTING_APP_KEY = ['Software', 'Varrow KT Corporation', 'Talvex', 'Folder'];

async function which(name) {
  for (const folder of (process.env.PATH ?? '').split(path.delimiter)) {
    const candidate = path.join(folder, name);
    try {
      await fs.access(candidate, fs.constants.X_OK);
      return candidate;
    } catch {
      // not here
    }
  }
  throw new Error(`${name} is not on the PATH`);
}

async function makeSandbox({ cuttingApp }) {
  const folder = await fs.mkdtemp(path.join(os.tmpdir(), 'pendrake-e2e-'));
  const sandbox = {
    folder,
    artwork: path.join(folder, 'sign.svg'),
    saved: path.join(folder, 'sign-saved.svg'),
    preferences: path.join(folder, 'prefs.ini'),
    temporary: path.join(folder, 'tmp'),
    currentUser: path.join(folder, 'HKCU'),
    localMachine: path.join(folder, 'HKLM'),
  };
  await fs.copyFile(sampleArtwork, sandbox.artwork);
  await fs.writeFile(sandbox.preferences, '');
  await fs.mkdir(sandbox.temporary);
  await fs.mkdir(sandbox.localMachine);
  const key = path.join(sandbox.currentUser, ...CUTTING_APP_KEY);
  await fs.mkdir(key, { recursive: true });
  const endsAtOnce = await which('true');
  if (cuttingApp) await fs.writeFile(path.join(key, 'Path'), endsAtOnce);
  sandbox.environment = {
    ...process.env,
    TMPDIR: sandbox.temporary,
    PENDRAKE_REGISTRY_HKCU: sandbox.currentUser,
    PENDRAKE_REGISTRY_HKLM: sandbox.localMachine,
    PENDRAKE_OPENER: endsAtOnce, // help pages open nowhere
  };
  return sandbox;
}

// Starts the server and resolves once it has printed where it serves.
export async function startServeSession({ cuttingApp = true, edition = 'windows' } = {}) {
  const sandbox = await makeSandbox({ cuttingApp });
  const child = spawn(program, [
    'serve', sandbox.artwork, '--edition', edition, '--port', '0', '--save', sandbox.saved, '--prefs', sandbox.preferences,
  ], { env: sandbox.environment, stdio: ['ignore', 'pipe', 'pipe'] });
  let errors = '';
  child.stderr.setEncoding('utf8');
  child.stderr.on('data', (text) => { errors += text; });
  const exited = once(child, 'exit').then(([code, signal]) => ({ code, signal }));

  const lines = readline.createInterface({ input: child.stdout });
  const first = await Promise.race([
    once(lines, 'line').then(([line]) => line),
    exited.then(({ code, signal }) => {
      throw new Error(`pendrake serve ended (code ${code}, signal ${signal}) before serving: ${errors}`);
    }),
  ]);
  const serving = SERVING_LINE.exec(first);
  if (!serving) throw new Error(`pendrake serve printed ${JSON.stringify(first)} instead of its Serving line`);

  return {
    ...sandbox,
    address: serving[1],
    origin: `http://127.0.0.1:${serving[2]}`,
    token: serving[3],
    exited,
    errors: () => errors,
    // The cut data files the plug-in made in the sandbox's temporary folder.
    async cutFiles() {
      const names = await fs.readdir(sandbox.temporary);
      return names.filter((name) => /^~TX[0-9A-F]{1,4}\.TMP$/i.test(name)).map((name) => path.join(sandbox.temporary, name));
    },
    // The server's count of the requests it has handled (GET /api/info).
    async revision() {
      const response = await fetch(`http://127.0.0.1:${serving[2]}/api/info`, { headers: { 'X-Pendrake-Token': serving[3] } });
      return (await response.json()).revision;
    },
    // Stops the server as Ctrl-C would, and resolves with how it exited.
    async interrupt() {
      child.kill('SIGINT');
      return exited;
    },
    // Ends the server if it still runs, and removes the sandbox.
    async close() {
      if (child.exitCode === null && child.signalCode === null) child.kill('SIGTERM');
      await exited;
      await fs.rm(sandbox.folder, { recursive: true, force: true });
    },
  };
}
