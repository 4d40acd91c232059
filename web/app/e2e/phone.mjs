// End to end on a phone-sized headless chromium: kvt80-web --demo, pairing with the printed code,
// connecting, an equaliser band moved on the page and read back from the simulated unit's memory,
// the analyser canvas before and after pink noise, disconnecting with store and verify, and
// phone screenshots.
//
//   node e2e/phone.mjs PATH/TO/kvt80-web SCREENSHOT_FOLDER
//
// CHROMIUM names the browser (default /usr/bin/chromium). Exits non-zero on the first failure.
import { spawn } from "node:child_process";
import { mkdirSync } from "node:fs";
import { join } from "node:path";
import { createInterface } from "node:readline";
import { chromium } from "playwright-core";

const [binary, shots] = process.argv.slice(2);
if (!binary || !shots) {
  console.error("usage: node e2e/phone.mjs KVT80_WEB SCREENSHOT_FOLDER");
  process.exit(2);
}
mkdirSync(shots, { recursive: true });

const server = spawn(binary, ["--demo", "--listen", "127.0.0.1:0"], {
  stdio: ["pipe", "pipe", "inherit"],
});
const lines = [];
const waiters = [];
createInterface({ input: server.stdout }).on("line", (line) => {
  lines.push(line);
  for (const waiter of waiters.splice(0)) {
    waiter();
  }
});

async function lineMatching(pattern, after = 0, timeout = 10000) {
  const deadline = Date.now() + timeout;
  for (;;) {
    for (let i = after; i < lines.length; ++i) {
      const match = lines[i].match(pattern);
      if (match) {
        return { match, index: i };
      }
    }
    if (Date.now() > deadline) {
      throw new Error(`kvt80-web printed no line matching ${pattern}`);
    }
    await new Promise((resolve) => {
      waiters.push(resolve);
      setTimeout(resolve, 200);
    });
  }
}

// A word of the simulated unit's working memory, asked on kvt80-web's standard input.
async function memory(block, address) {
  const from = lines.length;
  server.stdin.write(`memory ${block.toString(16)} ${address.toString(16)}\n`);
  const { match } = await lineMatching(/^memory [0-9A-F]+ [0-9A-F]+ ([0-9A-F]{6})$/, from);
  return parseInt(match[1], 16);
}

async function until(what, test, timeout = 10000) {
  const deadline = Date.now() + timeout;
  while (!(await test())) {
    if (Date.now() > deadline) {
      throw new Error(`timed out: ${what}`);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// Phone screenshots from the top of the page, as a technician first sees it.
async function shot(page, name) {
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.waitForTimeout(150);
  await page.screenshot({ path: join(shots, name) });
}

function step(text) {
  console.log(`- ${text}`);
}

let browser;
let failed = false;
try {
  const { match: listening } = await lineMatching(/listening on 127\.0\.0\.1:(\d+)/);
  const base = `http://127.0.0.1:${listening[1]}`;
  const { match: code } = await lineMatching(/enter the code (\d{6})/);

  browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu"],
  });
  const context = await browser.newContext({
    viewport: { width: 390, height: 844 },
    deviceScaleFactor: 2,
    isMobile: true,
    hasTouch: true,
  });
  const page = await context.newPage();
  page.on("pageerror", (error) => {
    console.error(`page error: ${error.message}`);
    failed = true;
  });

  step("an unpaired browser gets the pairing form");
  await page.goto(`${base}/`);
  await page.waitForSelector("#pair-code");
  await page.fill("#pair-code", "000000" === code[1] ? "111111" : "000000");
  await page.click("#pair-button");
  await page.waitForSelector("text=That code is not right");
  await page.fill("#pair-code", code[1]);
  await shot(page, "web-pairing.png");
  await page.click("#pair-button");
  await page.waitForSelector("#tab-unit");

  step("connect");
  await page.click("#tab-unit");
  await page.click("#connect");
  await page.waitForSelector("#disconnect:not([disabled])", { timeout: 30000 });
  await shot(page, "web-unit.png");

  step("move the centre channel's 1 kHz band to -3.0 dB and find it in the unit");
  await page.click("#tab-eq");
  await page.click("#eq-channel-C");
  const band = page.locator("#slider-eq-1-14");
  await band.fill("-3");
  // The centre channel's band 14: block 4, address 144 (region 128, band at +30 - 14); -30 tenths.
  await until("EQBand(1, 14) = -3.0 in the unit", async () => (await memory(4, 144)) === 0xffffe2);
  await shot(page, "web-equalizer.png");

  step("the analyser canvas changes with pink noise on the left channel");
  await page.click("#tab-analyser");
  await page.click("#rta-power");
  await page.waitForSelector("#rta-power.on");
  const frames = () => page.evaluate(() => window.kvt.frames());
  const start = await frames();
  await until("analyser frames", async () => (await frames()) >= start + 5);
  const quiet = await page.evaluate(() => document.getElementById("rta").toDataURL());
  await page.click("#gen-L");
  await page.waitForSelector("dialog[open] #confirm-yes");
  await shot(page, "web-generator-confirm.png");
  await page.click("#confirm-yes");
  await page.waitForSelector("#gen-L.on");
  const noisy = await frames();
  await until("frames with pink noise", async () => (await frames()) >= noisy + 15, 15000);
  const loud = await page.evaluate(() => document.getElementById("rta").toDataURL());
  if (loud === quiet) {
    throw new Error("the analyser canvas did not change with pink noise on");
  }
  await shot(page, "web-analyser.png");

  step("outputs and inputs");
  await page.click("#tab-outputs");
  await shot(page, "web-outputs.png");
  await page.click("#tab-inputs");
  await page.waitForTimeout(300);
  await shot(page, "web-inputs.png");

  step("generator off, disconnect with store and verify");
  await page.click("#tab-outputs");
  await page.click("#gen-off");
  await page.waitForSelector("#gen-L:not(.on)");
  await page.click("#tab-unit");
  await page.click("#disconnect");
  await page.click("#disconnect-yes");
  await page.waitForSelector("#connect:not([disabled])", { timeout: 30000 });
  console.log("end to end: passed");
} catch (error) {
  console.error(`end to end: ${error.message}`);
  failed = true;
} finally {
  await browser?.close();
  server.kill("SIGINT");
  const code = await new Promise((resolve) => server.on("exit", resolve));
  if (code !== 0) {
    console.error(`kvt80-web ended with ${code}`);
    failed = true;
  }
}
process.exit(failed ? 1 : 0);
