// Debian's Chromium, headless, driven by Playwright; Playwright never fetches a browser of its own.
import { chromium } from 'playwright-core';

const CHROMIUM = process.env.PENDRAKE_E2E_CHROMIUM || '/usr/bin/chromium';

export async function launchBrowser() {
  return chromium.launch({ executablePath: CHROMIUM, headless: true, args: ['--no-sandbox'] });
}

// A page with room for the panel's three columns; browser messages and page errors are kept for the report.
export async function openPage(browser, address) {
  const context = await browser.newContext({ viewport: { width: 1600, height: 1000 } });
  const page = await context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text()}`);
  });
  await page.goto(address);
  return { page, problems };
}
