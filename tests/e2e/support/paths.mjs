// Where the tests find the repository, the built program and the place for their artefacts.
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const repositoryRoot = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../..');

// PENDRAKE_E2E_PRESET chooses the build (release unless told).
export const preset = process.env.PENDRAKE_E2E_PRESET || 'release';

// PENDRAKE_E2E_PROGRAM names another program to test instead of the build's.
export const program = process.env.PENDRAKE_E2E_PROGRAM || path.join(repositoryRoot, 'build', preset, 'app', 'pendrake');

export const sampleArtwork = path.join(repositoryRoot, 'examples', 'sign.svg');

export const artefactFolder = path.join(repositoryRoot, 'build', 'e2e');
