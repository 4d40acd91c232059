// End to end on a phone-sized headless chromium: kvt80-web --demo, pairing with the printed code,
// connecting, an equaliser band moved on the page and read back from the simulated unit's memory,
// the analyser canvas before and after pink noise, disconnecting with store and verify, and
// phone screenshots.
//
//   node e2e/phone.mjs PATH/TO/kvt80-web SCREENSHOT_FOLDER
//
// CHROMIUM names the browser (default /usr/bin/chromium). Exits non-zero on the first failure.
import {
  DemoServer,
  parseArguments,
  phone,
  run,
  shot as shotInto,
  step,
  until,
} from "./harness.mjs";

const { binary, shots } = parseArguments("phone.mjs");
const server = new DemoServer(binary);
const memory = (block, address) => server.memory(block, address);
const shot = (page, name) => shotInto(page, shots, name);

await run("end to end", server, async (browser, errors) => {
  const base = await server.base();
  const { code } = await server.pairing();

  const page = await phone(browser, errors);

  step("an unpaired browser gets the pairing form");
  await page.goto(`${base}/`);
  await page.waitForSelector("#pair-code");
  await page.fill("#pair-code", "000000" === code ? "111111" : "000000");
  await page.click("#pair-button");
  await page.waitForSelector("text=That code is not right");
  await page.fill("#pair-code", code);
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
});
