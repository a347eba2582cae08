// The host notifications page in a real browser against `pendrake serve`: a subscription through eventbridge to
// the selection-changed notification, notifications while it lasts, none after it.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { launchBrowser, openPage } from './support/browser.mjs';
import { Type } from './support/expected-replies.mjs';
import { clickObject, incoming, waitForIncoming, waitForSelection } from './support/page-actions.mjs';
import { startServeSession } from './support/serve-session.mjs';

const SELECTION_CHANGED = 'PD Art Selection Changed Notifier';
const FORWARDED = `<![CDATA[<event id="${SELECTION_CHANGED}" />]]>`;

test('eventbridge page: subscribed, a click\'s selection change arrives; unsubscribed, the next does not', { timeout: 120_000 }, async (t) => {
  const session = await startServeSession();
  t.after(() => session.close());
  const browser = await launchBrowser();
  t.after(() => browser.close());
  const { page, problems } = await openPage(browser, `${session.origin}/eventbridge.html?token=${session.token}`);
  await page.locator('#connection[data-state="connected"]').waitFor();
  await page.locator('#document-canvas [data-id="star"]').waitFor({ state: 'attached' });
  assert.equal(await page.inputValue('#notification-type'), SELECTION_CHANGED);

  await page.click('#subscribe');
  await waitForIncoming(page, Type.ListEventsResponse, 1);
  assert.deepEqual(await incoming(page, Type.ListEventsResponse), [`<![CDATA[<events><event id="${SELECTION_CHANGED}" /></events>]]>`]);

  await clickObject(page, 'star');
  await page.locator(`#notifications li[data-notification="${SELECTION_CHANGED}"]`).waitFor();
  await waitForSelection(page, ['star']);
  assert.deepEqual(await incoming(page, Type.Notification), [FORWARDED]);

  await page.click('#unsubscribe');
  await waitForIncoming(page, Type.ListEventsResponse, 2);
  assert.equal((await incoming(page, Type.ListEventsResponse))[1], '<![CDATA[<events></events>]]>');

  await clickObject(page, 'wave');
  await waitForSelection(page, ['wave']);
  // The adapter answers a ping after everything it sent before: nothing was forwarded for the second click.
  await page.click('#ping');
  await waitForIncoming(page, Type.PingResponse, 1);
  assert.deepEqual(await incoming(page, Type.PingResponse), ['']);
  assert.deepEqual(await incoming(page, Type.Notification), [FORWARDED]);
  assert.equal(await page.locator('#notifications li').count(), 1);
  assert.equal(await page.textContent('#notification-count'), '1 received');

  assert.deepEqual(problems, []);
});
