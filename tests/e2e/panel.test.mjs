// The cutting panel in a real browser against `pendrake serve`: the session a sign maker has with it.
import assert from 'node:assert/strict';
import fs from 'node:fs/promises';
import path from 'node:path';
import { test } from 'node:test';

import { launchBrowser, openPage } from './support/browser.mjs';
import { CUT_FILE_LINES } from './support/expected-cut-file.mjs';
import {
  DEFAULT_SETTINGS, MODEL_LIST, NOT_INSTALLED_MESSAGE, REDRAW, STARTING_CORNER, TS1_FOUR_MARKS_CORNER,
  TS1_FOUR_MARKS_SETTINGS, Type, previewInfo,
} from './support/expected-replies.mjs';
import {
  clickObject, documentObject, incoming, outgoing, waitForIncoming, waitForSelection,
} from './support/page-actions.mjs';
import { artefactFolder, repositoryRoot } from './support/paths.mjs';
import { startServeSession } from './support/serve-session.mjs';

const SAFETY_NET = { timeout: 120_000 };

// The element of that id in a saved document, with what it holds.
function savedElement(svg, id) {
  const match = new RegExp(`<path id="${id}"[^>]*>(.*?)</path>`).exec(svg);
  assert.ok(match, `the saved document has no path "${id}" with tags`);
  return match[1];
}

async function startPanel(t, options) {
  const session = await startServeSession(options);
  t.after(() => session.close());
  const browser = await launchBrowser();
  t.after(() => browser.close());
  const { page, problems } = await openPage(browser, session.address);
  // The page's first requests are answered: the cutter models, and last the preview; the document is on show.
  await page.locator('#model:enabled').waitFor();
  await page.locator('#preview-summary', { hasText: 'Crop marks: none yet.' }).waitFor();
  await page.locator('#document-canvas [data-id="star"]').waitFor({ state: 'attached' });
  return { session, page, problems };
}

test('cutting panel: TS-1 with four marks, a cut line and a perforation line, sent to the cutter and saved', SAFETY_NET, async (t) => {
  const { session, page, problems } = await startPanel(t);

  // The models and their defaults arrive; TS-1 fills the form with its own.
  await page.selectOption('#model', '8');
  assert.deepEqual(
    await Promise.all(['#crop-x', '#crop-y', '#crop-w', '#crop-l'].map((field) => page.inputValue(field))),
    ['10', '20', '170', '200'],
  );
  await page.selectOption('#crop-count', '4');
  await page.click('#apply-settings');
  await waitForIncoming(page, Type.CropCorner, 2);

  await page.click('#make-marks');
  await page.locator('#document-canvas .art-crop-mark').nth(8).waitFor({ state: 'attached' });
  assert.equal(await page.locator('#document-canvas .art-crop-mark').count(), 9);

  await clickObject(page, 'star');
  await waitForSelection(page, ['star']);
  await page.click('#mark-cut');
  await documentObject(page, 'star').and(page.locator('.art-cut-line')).waitFor({ state: 'attached' });

  await clickObject(page, 'wave');
  await waitForSelection(page, ['wave']);
  await page.click('#mark-perforation');
  await documentObject(page, 'wave').and(page.locator('.art-perforation-line')).waitFor({ state: 'attached' });

  // Shift-click adds the star; the preview of the selection covers both, the star as a cut line.
  await clickObject(page, 'star', { shift: true });
  await waitForSelection(page, ['star', 'wave']);
  await page.selectOption('#preview-target', '1');
  await page.locator('#document-canvas .is-target').nth(1).waitFor({ state: 'attached' });
  assert.deepEqual(await page.locator('#document-canvas .is-target').evaluateAll((all) => all.map((one) => one.dataset.id)),
    ['star', 'wave']);
  assert.equal(await page.textContent('#preview-summary'),
    'Crop marks: present.2 paths: star (path 12), cut line; wave (path 13).');

  await page.selectOption('#output-target', '1');
  await page.click('#run-output');
  await page.locator('#output-status[data-state="sent"]').waitFor();

  await fs.mkdir(artefactFolder, { recursive: true });
  const screenshot = path.join(artefactFolder, 'panel.png');
  await page.evaluate(() => window.scrollTo(0, 0)); // the document view sticks to the top of what is scrolled
  await page.screenshot({ path: screenshot, fullPage: true });
  if (process.env.PENDRAKE_E2E_DOCS === '1') await fs.copyFile(screenshot, path.join(repositoryRoot, 'docs', 'panel.png'));

  await page.click('#save-and-quit');
  await page.locator('#session-banner', { hasText: `Saved to ${session.saved}.` }).waitFor();
  // The server said goodbye: every event of the session is in the log.
  await page.locator('#connection[data-state="closed"]').waitFor();
  assert.deepEqual(await session.exited, { code: 0, signal: null });

  assert.deepEqual(await outgoing(page, Type.OperationClicked).then((sent) => sent.filter((data) => data.includes('<operation>10<'))),
    [TS1_FOUR_MARKS_SETTINGS]);
  assert.deepEqual(await incoming(page, Type.MachineTypeList), [MODEL_LIST]);
  assert.deepEqual(await incoming(page, Type.CropmarkParamList), [DEFAULT_SETTINGS]);
  assert.deepEqual(await incoming(page, Type.CropCorner), [STARTING_CORNER, TS1_FOUR_MARKS_CORNER]);
  // Three selection changes and two markings, each answered by a request for the preview.
  const redraws = await incoming(page, Type.RedrawPreview);
  assert.deepEqual(redraws, Array(5).fill(REDRAW));
  const previews = await incoming(page, Type.PreviewInfo);
  assert.equal(previews[0], previewInfo(false, ''));
  assert.equal(previews.at(-1), previewInfo(true, '-12,13'));
  assert.deepEqual(await incoming(page, Type.Message), []);

  const cutFiles = await session.cutFiles();
  assert.equal(cutFiles.length, 1);
  assert.equal(await fs.readFile(cutFiles[0], 'latin1'), CUT_FILE_LINES.map((line) => `${line}\r\n`).join(''));

  const saved = await fs.readFile(session.saved, 'utf8');
  const marks = [...saved.matchAll(/<path d="[^"]*"[^>]* pd:locked="true"><pd:tag name="TalvexCropMark" type="string" value="(\d{4})"\/><\/path>/g)];
  assert.deepEqual(marks.map((mark) => mark[1]), ['0009', '0008', '0007', '0006', '0005', '0004', '0003', '0002', '0001']);
  assert.equal(savedElement(saved, 'star'), '<pd:tag name="TalvexCutMark" type="string" value="0001"/>');
  assert.equal(savedElement(saved, 'wave'), '<pd:tag name="TalvexPerforationMark" type="string" value="0001"/>');
  assert.equal((saved.match(/<pd:tag /g) ?? []).length, 11);

  assert.deepEqual(problems, []);
});

test('cutting panel: an output run without the cutting application shows the plug-in\'s message 1', SAFETY_NET, async (t) => {
  const { session, page, problems } = await startPanel(t, { cuttingApp: false });

  await page.click('#run-output');
  await page.locator('#notices .notice-warning', { hasText: 'The cutting application Talvex could not be started' }).waitFor();
  await page.locator('#output-status[data-state="message"]').waitFor();
  assert.deepEqual(await incoming(page, Type.Message), [NOT_INSTALLED_MESSAGE]);
  assert.match(await page.textContent('#output-status'), /^The cutting application Talvex could not be started\. It is not installed/);
  // The cut data file was written all the same: only its frame, since there are no cut lines.
  const cutFiles = await session.cutFiles();
  assert.equal(cutFiles.length, 1);
  assert.equal((await fs.readFile(cutFiles[0], 'latin1')).split('\r\n').length - 1, 11);

  await page.click('#quit');
  await page.locator('#session-banner', { hasText: 'The session has ended without saving.' }).waitFor();
  assert.deepEqual(await session.exited, { code: 0, signal: null });
  await assert.rejects(fs.access(session.saved));
  assert.deepEqual(problems, []);
});

test('cutting panel: the macOS feature set offers eight models and no perforation lines or cut conditions', SAFETY_NET, async (t) => {
  const { page, problems } = await startPanel(t, { edition: 'macos' });
  assert.equal(await page.textContent('#artwork'), 'sign.svg — macOS feature set');
  assert.deepEqual(await page.locator('#model option').evaluateAll((all) => all.map((one) => one.textContent)),
    ['KM-1', 'KM-2', 'KM-3', 'TR-1', 'TR-2', 'TR-3', 'TR-4', 'TR-5']);
  assert.equal(await page.locator('#mark-perforation').isVisible(), false);
  assert.equal(await page.locator('#cut-conditions-section').isVisible(), false);
  assert.deepEqual(await page.locator('#output-target option').evaluateAll((all) => all.map((one) => one.value)),
    ['3', '1', '2', '0']);
  assert.deepEqual(problems, []);
});

test('cutting panel: a session stopped at the terminal switches the page off', SAFETY_NET, async (t) => {
  const { session, page, problems } = await startPanel(t);
  // The page has nothing left to ask: its view shows the document of the last request the server handled.
  await page.locator(`#document-canvas[data-revision="${await session.revision()}"]`).waitFor({ state: 'attached' });

  assert.deepEqual(await session.interrupt(), { code: 0, signal: null });
  await page.locator('#session-banner', { hasText: 'The session has ended.' }).waitFor();
  await page.locator('#connection[data-state="closed"]').waitFor();
  assert.equal(await page.locator('#make-marks').isDisabled(), true);
  assert.equal(await page.locator('#run-output').isDisabled(), true);
  await assert.rejects(fs.access(session.saved));
  assert.deepEqual(problems, []);
});
