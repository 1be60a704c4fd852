// The web pages in the installed headless Chromium, one browser for every test: each page
// shows its first screen; scripted runs give the same `window` pictures as the native
// programs; touch and mouse land on the same pixel; record stores outlive a reload; an idle
// page leaves the processor alone.
//
// PALM_SITE: the built site (build/web/site); PALM_NATIVE_BUILD: a native build whose
// programs make the reference pictures (build/release).
import { after, before, describe, it } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { decodePng, serve, launch } from './support.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
const site = path.resolve(process.env.PALM_SITE || path.join(root, 'build/web/site'));
const native = path.resolve(process.env.PALM_NATIVE_BUILD || path.join(root, 'build/release'));
const scripts = path.join(here, 'scripts');

const PROGRAMS = ['orbitale', 'spindrift', 'glimmer', 'tumbler', 'widgets'];
const WINDOW_W = 319, WINDOW_H = 459;

let server, browser, context, base;

before(async () => {
  server = await serve({ '/': site, '/scripts/': scripts });
  base = `http://127.0.0.1:${server.address().port}/`;
  ({ browser, context } = await launch(chromium));
});

after(async () => {
  await context?.close();
  await browser?.close();
  server?.close();
});

// A fresh page on the program; the switches after '?'.
async function open(name, query = '') {
  const page = await context.newPage();
  page.on('pageerror', (e) => console.error(`${name}: ${e.message}`));
  await page.goto(`${base}${name}.html${query ? '?' + query : ''}`);
  await page.waitForFunction(() => window.palmStatus && window.palmStatus.firstFrame, null,
                             { timeout: 20000 });
  return page;
}

// The canvas's own pixels (the window at scale 1) as 0xRRGGBB numbers.
async function canvasPixels(page) {
  return page.evaluate(() => {
    const c = document.getElementById('screen');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    const out = new Array(c.width * c.height);
    for (let i = 0; i < out.length; i++) out[i] = (d[4 * i] << 16) | (d[4 * i + 1] << 8) | d[4 * i + 2];
    return { width: c.width, height: c.height, px: out };
  });
}

function nativeProgram(name) {
  const dir = name === 'widgets' ? 'tests/toolkit/demo' : `apps/${name}`;
  return path.join(native, dir, name);
}

// Runs the native program headless on the script in a scratch folder; its pictures by name.
function nativePictures(name, script) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), `web-ref-${name}-`));
  try {
    execFileSync(nativeProgram(name), [], {
      cwd: dir, timeout: 120000, stdio: ['ignore', 'ignore', 'pipe'],
      env: { ...process.env, PALM_HEADLESS: '1', PALM_SCRIPT: path.join(scripts, script) },
    });
    const out = {};
    for (const f of fs.readdirSync(dir)) if (f.endsWith('.png')) out[f] = decodePng(fs.readFileSync(path.join(dir, f)));
    return out;
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

// Runs the page on the script until it has written every picture named; decoded by name.
async function webPictures(name, script, names) {
  const page = await context.newPage();
  page.on('pageerror', (e) => console.error(`${name}: ${e.message}`));
  await page.goto(`${base}${name}.html?script=scripts/${script}`);
  await page.waitForFunction((want) => want.every((n) => window.palmShots[n]), names,
                             { timeout: 120000 });
  const urls = await page.evaluate(() => window.palmShots);
  await page.close();
  const out = {};
  for (const n of names) out[n] = decodePng(Buffer.from(urls[n].split(',')[1], 'base64'));
  return out;
}

describe('pages', () => {
  for (const name of PROGRAMS) {
    it(`${name} loads and shows its first screen`, async () => {
      const page = await open(name);
      const shot = await canvasPixels(page);
      assert.equal(shot.width, WINDOW_W);
      assert.equal(shot.height, WINDOW_H);
      const colours = new Set(shot.px);
      assert.ok(colours.size >= 2, `${name}: a blank canvas`);
      // The silk-screen strip's buttons are drawn under the screen.
      const strip = new Set(shot.px.slice(330 * WINDOW_W));
      assert.ok(strip.size >= 2, `${name}: no silk-screen strip`);
      // Held upright on a phone the window fills the width.
      await page.setViewportSize({ width: 390, height: 844 });
      await page.waitForTimeout(100);
      const box = await page.locator('#screen').boundingBox();
      assert.ok(box.width >= 389 && box.width <= 390, `${name}: ${box.width} px wide on a phone`);
      if (process.env.PALM_WEB_PICTURE && name === 'orbitale')
        await page.locator('#screen').screenshot({ path: process.env.PALM_WEB_PICTURE });
      await page.close();
    });
  }
});

// Tumbler's character starts at a random place: where it stood in a corner of the stage it
// drew over the few pixels of the frame's rounded corner that reach inside, and its erased
// block left them white. Those pixels (window points of the stage, x 4..315 and y 4..275,
// black on the empty stage) may differ between two runs.
function stageCorners(empty) {
  const free = new Set();
  for (let y = 4; y <= 275; y++)
    for (let x = 4; x <= 315; x++)
      if (empty.px[y * empty.width + x] === 0) free.add(y * empty.width + x);
  return free;
}

describe('scripted runs match the native program', () => {
  const runs = [
    ['orbitale', 'orbitale.txt'],
    ['tumbler', 'tumbler.txt'],
    ['widgets', 'widgets.txt'],
  ];
  for (const [name, script] of runs) {
    it(`${name}: every window picture is pixel-identical`, async () => {
      const want = nativePictures(name, script);
      const names = Object.keys(want).sort();
      assert.ok(names.length >= 3, `${name}: the native run wrote ${names.length} pictures`);
      const got = await webPictures(name, script, names);
      const free = name === 'tumbler' ? stageCorners(want['start.png']) : new Set();
      for (const n of names) {
        assert.equal(got[n].width, want[n].width, `${name} ${n}: width`);
        assert.equal(got[n].height, want[n].height, `${name} ${n}: height`);
        // The first differing pixels say where to look and what the page drew there.
        const differ = [];
        for (let i = 0; i < want[n].px.length; i++) {
          if (got[n].px[i] === want[n].px[i] || free.has(i)) continue;
          const at = `(${i % want[n].width},${Math.floor(i / want[n].width)})`;
          differ.push(`${at} ${got[n].px[i].toString(16)} not ${want[n].px[i].toString(16)}`);
        }
        assert.equal(differ.length, 0,
                     `${name} ${n}: ${differ.length} pixels differ: ${differ.slice(0, 16).join(', ')}`);
      }
    });
  }
});

describe('input', () => {
  it('a touch tap and a mouse click land on the same pixel', async () => {
    const page = await open('widgets', 'scale=3');
    await page.waitForTimeout(500);
    const start = await canvasPixels(page);
    await page.evaluate(() => { Palm.log = []; });
    const box = await page.locator('#screen').boundingBox();
    // A point inside the check box's pixel (11, 81), off the pixel's centre, in CSS pixels.
    const x = box.x + (11 + 0.8) * box.width / WINDOW_W;
    const y = box.y + (81 + 0.3) * box.height / WINDOW_H;
    const shown = async (count) => {
      await page.waitForFunction((n) => Palm.log.filter((e) => e[0] === 1 && e[1] === 0x202).length >= n, count);
      await page.waitForTimeout(500);
      return canvasPixels(page);
    };
    await page.mouse.click(x, y);
    const clicked = await shown(1);
    const cdp = await context.newCDPSession(page);
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    const tapped = await shown(2);
    const log = await page.evaluate(() => Palm.log);
    const downs = log.filter((e) => e[0] === 1 && e[1] === 0x201);
    const ups = log.filter((e) => e[0] === 1 && e[1] === 0x202);
    assert.equal(downs.length, 2, JSON.stringify(log));
    for (const e of [...downs, ...ups]) assert.deepEqual([e[2], e[3]], [11, 81]);
    // The click ticked the box and the tap cleared it: both reached the program there.
    assert.notDeepEqual(clicked.px, start.px, 'the click changed nothing');
    assert.notDeepEqual(tapped.px, clicked.px, 'the tap changed nothing');
    await page.close();
  });
});

describe('host keys', () => {
  it('F12 downloads the screen as a PNG, as the desktop saves it', async () => {
    const page = await open('glimmer', 'nosw');
    await page.locator('#screen').click({ position: { x: 5, y: 5 } });
    const [download] = await Promise.all([page.waitForEvent('download'), page.keyboard.press('F12')]);
    assert.match(download.suggestedFilename(), /^Glimmer-\d{8}-\d{6}-\d{3}\.png$/);
    const picture = decodePng(fs.readFileSync(await download.path()));
    assert.deepEqual([picture.width, picture.height], [320, 320]);
    await page.close();
  });
});

describe('storage', () => {
  const starts = (page) => page.locator('#console').textContent();

  it('a record store written before a reload is there after it', async () => {
    const page = await open('webstarts', 'console');
    await page.waitForFunction(() => /starts: /.test(document.getElementById('console').textContent));
    assert.match(await starts(page), /starts: 1\n/);
    await page.reload();
    await page.waitForFunction(() => /starts: /.test(document.getElementById('console').textContent));
    assert.match(await starts(page), /starts: 2\n/);
    await page.close();
  });

  it('a write the browser refuses to store is reported, not lost silently', async () => {
    const seen = async (query, refuse) => {
      const page = await context.newPage();
      if (refuse) {
        await page.addInitScript(() => {
          IDBObjectStore.prototype.put = function () {
            throw new DOMException('no room', 'QuotaExceededError');
          };
        });
      }
      await page.goto(`${base}webstarts.html?${query}`);
      await page.waitForFunction(() => /starts: /.test(document.getElementById('console').textContent));
      const text = await starts(page);
      const error = await page.evaluate(() => Module.storageError);
      await page.close();
      return { n: Number(/starts: (\d+)/.exec(text)[1]), text, error };
    };
    const before = await seen('console', false);
    const refused = await seen('console', true);
    assert.match(refused.text, /\(this one not stored\)/);
    assert.equal(refused.n, before.n, 'the refused record is not counted');
    assert.ok(refused.error, 'the page says what the browser refused');
    const after = await seen('console', false);
    assert.equal(after.n, before.n + 1, 'nor is it there after a reload');
  });
});

describe('offline', () => {
  it('a page visited once opens again without a network', async () => {
    const page = await open('glimmer');
    await page.waitForFunction(() => window.palmStatus.offline, null, { timeout: 20000 });
    await context.setOffline(true);
    try {
      await page.reload();
      await page.waitForFunction(() => window.palmStatus && window.palmStatus.firstFrame, null,
                                 { timeout: 20000 });
    } finally {
      await context.setOffline(false);
    }
    const shot = await canvasPixels(page);
    assert.ok(new Set(shot.px).size >= 2);
    await page.close();
  });
});

describe('idle', () => {
  it('an idle page uses no processor time over 5 s', async () => {
    const page = await open('orbitale');
    await page.waitForTimeout(1500);  // past start-up
    const cdp = await context.newCDPSession(page);
    await cdp.send('Performance.enable');
    const metric = async () => {
      const { metrics } = await cdp.send('Performance.getMetrics');
      const m = Object.fromEntries(metrics.map((x) => [x.name, x.value]));
      return { task: m.TaskDuration, script: m.ScriptDuration, frames: await page.evaluate(() => Module.frames) };
    };
    const a = await metric();
    await page.waitForTimeout(5000);
    const b = await metric();
    const task = b.task - a.task, script = b.script - a.script;
    console.log(`idle over 5 s: tasks ${(task * 1000).toFixed(1)} ms, script ${(script * 1000).toFixed(1)} ms, frames ${b.frames - a.frames}`);
    assert.equal(b.frames, a.frames, 'an idle program presents nothing');
    assert.ok(task < 0.025, `busy ${(task * 1000).toFixed(1)} ms over 5 s`);
    await page.close();
  });
});
