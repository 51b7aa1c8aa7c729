// Loads each page named on the command line in headless Chromium (the system's own build)
// and prints, one line per page in the order given, a JSON array of strings: the text the
// page shows (document.body.innerText), then the text of each of its <pre> blocks.
// One browser serves all pages; its profile is a fresh folder, removed afterwards.
import { chromium } from 'playwright-core';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const pages = process.argv.slice(2);
const profile = mkdtempSync(join(tmpdir(), 'melvane-chromium-'));
let context;
try {
  context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
  });
  const tab = await context.newPage();
  for (const page of pages) {
    await tab.goto(pathToFileURL(resolve(page)).href, { waitUntil: 'load' });
    const texts = await tab.evaluate(() => [
      document.body.innerText,
      ...Array.from(document.querySelectorAll('pre'), (pre) => pre.innerText),
    ]);
    process.stdout.write(JSON.stringify(texts) + '\n');
  }
} finally {
  if (context) await context.close();
  rmSync(profile, { recursive: true, force: true });
}
