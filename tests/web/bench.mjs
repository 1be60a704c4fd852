// Web figures in the installed headless Chromium: each program's transfer size compressed
// (start page included), page load to first frame, Spindrift's unpaced frames a second, and
// one Orbitale information dialog from pen to picture.
// PALM_SITE: the built site (build/web/site).
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serve, launch } from './support.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const site = path.resolve(process.env.PALM_SITE || path.join(here, '../../build/web/site'));
const PROGRAMS = ['orbitale', 'spindrift', 'glimmer', 'tumbler', 'widgets'];
const START = ['index.html', 'style.css', 'manifest.webmanifest', 'icon.svg', 'sw.js'];
const median = (v) => v.slice().sort((a, b) => a - b)[Math.floor(v.length / 2)];
const gz = (f) => zlib.gzipSync(fs.readFileSync(path.join(site, f)), { level: 9 }).length;

const server = await serve({ '/': site });
const base = `http://127.0.0.1:${server.address().port}/`;
const { context } = await launch(chromium);
const results = {};

async function firstFrame(name, query = 'nosw') {
  const page = await context.newPage();
  await page.goto(`${base}${name}.html?${query}`);
  await page.waitForFunction(() => window.palmStatus && window.palmStatus.firstFrame, null, { timeout: 30000 });
  return page;
}

for (const name of PROGRAMS) {
  const files = [...START, `${name}.html`, 'page.js', `${name}.js`, `${name}.wasm`];
  const bytes = files.reduce((n, f) => n + gz(f), 0);
  const loads = [];
  for (let i = 0; i < 3; i++) {
    const page = await firstFrame(name);
    loads.push(await page.evaluate(() => window.palmStatus.firstFrame));
    await page.close();
  }
  results[name] = { compressedKB: +(bytes / 1024).toFixed(1), firstFrameMs: +median(loads).toFixed(1) };
}

// Spindrift without a frame limit: the frames it drew over 5 s, and those shown.
{
  const page = await firstFrame('spindrift', 'nosw&fps=0');
  await page.waitForTimeout(1000);
  const count = () => page.evaluate(() => [Module._host_frame_count(), Module.frames, performance.now()]);
  const a = await count();
  await page.waitForTimeout(5000);
  const b = await count();
  results.spindriftUnpacedFps = +((b[0] - a[0]) * 1000 / (b[2] - a[2])).toFixed(1);
  results.spindriftShownPerSecond = +((b[1] - a[1]) * 1000 / (b[2] - a[2])).toFixed(1);
  await page.close();
}

// Orbitale: pen down and up on iron, until the last picture of its information dialog;
// OK closes it again. No frame limit, so that only the work is timed.
{
  const page = await firstFrame('orbitale', 'nosw&fps=0');
  await page.waitForTimeout(800);
  const costs = [];
  for (let i = 0; i < 7; i++) {
    const t = await page.evaluate(async () => {
      const settle = () => new Promise((r) => setTimeout(r, 400));
      Palm.post([1, 0x201, 270, 152, 1]);
      await settle();
      const up = performance.now();
      Palm.post([1, 0x202, 270, 152, 0]);
      await settle();
      const cost = Module.lastPresent - up;
      Palm.post([1, 0x201, 160, 294, 1]);
      Palm.post([1, 0x202, 160, 294, 0]);
      await settle();
      return cost;
    });
    costs.push(t);
  }
  results.orbitaleInfoDialogMs = +median(costs).toFixed(2);
  results.orbitaleInfoDialogAllMs = costs.map((c) => +c.toFixed(2));
  await page.close();
}

console.log(JSON.stringify(results, null, 2));
await context.close();
server.close();
