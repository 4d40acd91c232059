// End to end with two phones on one kvt80-web --demo: the first pairs with the code and controls,
// the second pairs with the link and watches (its controls disabled, the first one's changes
// arriving live), then takes control, after which the first watches and the second one's change
// reaches the simulated unit. Then the configuration as a .kvt file through the Unit tab: a
// download, a change, the file sent back and the value restored in the unit; a file that is not a
// configuration is refused on the page and changes nothing.
//
//   node e2e/control-and-files.mjs PATH/TO/kvt80-web SCREENSHOT_FOLDER
//
// CHROMIUM names the browser (default /usr/bin/chromium). Exits non-zero on the first failure.
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import {
  DemoServer,
  pairWithCode,
  parseArguments,
  phone,
  run,
  shot,
  step,
  until,
} from "./harness.mjs";

const { binary, shots } = parseArguments("control-and-files.mjs");
const server = new DemoServer(binary);

// The centre channel's 1 kHz band: its slider on the page and its word in the unit (block 4,
// address 144), in tenths of a dB as 24-bit two's complement.
const BAND = "#slider-eq-1-14";
const word = (db) => Math.round(db * 10) & 0xffffff;
const bandInUnit = (db) =>
  until(`EQBand(1, 14) = ${db} dB in the unit`, async () => (await server.memory(4, 144)) === word(db));
// Polled from here: the page's content security policy allows no evaluated predicates.
const sliderShows = (page, db) =>
  until(`the page's slider at ${db} dB`, async () => Number(await page.locator(BAND).inputValue()) === db);

async function openEqualizer(page) {
  await page.click("#tab-eq");
  await page.click("#eq-channel-C");
  await page.waitForSelector(BAND);
}

// Sends a file through the Unit tab's "Send .kvt" and its confirmation; resolves to the message
// the page shows.
async function sendFile(page, file) {
  await page.click("#tab-unit");
  // An earlier message may still show: this answer's is the one read.
  await page.evaluate(() => document.querySelectorAll(".toast").forEach((toast) => toast.remove()));
  await page.setInputFiles("#upload", file);
  await page.click("dialog[open] #confirm-yes");
  const toast = page.locator(".toast");
  await toast.waitFor();
  return (await toast.textContent()).trim();
}

await run("control and files", server, async (browser, errors) => {
  const base = await server.base();
  const first = await server.pairing();

  step("the first phone pairs with the code, controls and connects");
  const a = await phone(browser, errors);
  await pairWithCode(a, base, first.code);
  await a.waitForSelector("#role:text('In control')");
  await a.click("#tab-unit");
  // Without a unit a file would change nothing that lasts: sending waits for the connection.
  if (!(await a.locator("#upload").isDisabled())) {
    throw new Error("Send .kvt is enabled before the unit is connected");
  }
  await a.click("#connect");
  await a.waitForSelector("#disconnect:not([disabled])", { timeout: 30000 });
  await openEqualizer(a);

  step("the second phone pairs with the new link and watches");
  // Each secret works once: the first pairing printed new ones.
  const second = await server.pairing(first.index);
  const b = await phone(browser, errors);
  await b.goto(second.link);
  await b.waitForSelector("#take-control:text('Watching')");
  await openEqualizer(b);
  if (!(await b.locator(BAND).isDisabled())) {
    throw new Error("the watching phone's equaliser slider is enabled");
  }

  step("a change on the controlling phone shows live on the watching one");
  await a.locator(BAND).fill("-3");
  await bandInUnit(-3);
  await sliderShows(b, -3);
  await b.waitForSelector("#slider-eq-1-14 + output:text('-3.0')");
  await shot(b, shots, "web-watching.png");

  step("the second phone takes control; the first now watches");
  await b.click("#take-control");
  await b.waitForSelector("#role:text('In control')");
  await a.waitForSelector("#take-control:text('Watching')");
  await a.waitForSelector(`${BAND}[disabled]`);
  await b.waitForSelector(`${BAND}:not([disabled])`);
  await b.locator(BAND).fill("-4.5");
  await bandInUnit(-4.5);
  await sliderShows(a, -4.5);

  step("download the configuration as a .kvt file through the page");
  await b.click("#tab-unit");
  const [download] = await Promise.all([b.waitForEvent("download"), b.click("#download")]);
  const saved = join(shots, "web-download.kvt");
  await download.saveAs(saved);
  const bytes = readFileSync(saved);
  // A configuration file: 3332 bytes, starting with its magic in UTF-16.
  if (bytes.length !== 3332 || bytes.subarray(0, 6).toString("latin1") !== "R\0D\0M\0") {
    throw new Error(`the download is not a configuration file (${bytes.length} bytes)`);
  }
  if (download.suggestedFilename() !== "KVT-80.kvt") {
    throw new Error(`the download is called ${download.suggestedFilename()}`);
  }

  step("change the band, then send the downloaded file back: the band is restored");
  await openEqualizer(b);
  await b.locator(BAND).fill("2");
  await bandInUnit(2);
  await sliderShows(a, 2);
  const sent = await sendFile(b, saved);
  if (sent !== "Configuration sent to the unit") {
    throw new Error(`sending the file: the page says "${sent}"`);
  }
  await shot(b, shots, "web-upload.png");
  await bandInUnit(-4.5);
  // Both pages show the file's value: the server sends every page the new state.
  await openEqualizer(b);
  await sliderShows(b, -4.5);
  await sliderShows(a, -4.5);

  step("a file that is not a configuration is refused and changes nothing");
  const wrong = join(shots, "web-not-a-configuration.kvt");
  writeFileSync(wrong, Buffer.alloc(3332, 0x41));
  const refused = await sendFile(b, wrong);
  if (refused !== "Not sent: not a KVT-80 configuration file") {
    throw new Error(`sending a wrong file: the page says "${refused}"`);
  }
  await shot(b, shots, "web-upload-refused.png");
  if ((await server.memory(4, 144)) !== word(-4.5)) {
    throw new Error("a refused file changed the unit");
  }

  step("the watching phone cannot send a file");
  await a.click("#tab-unit");
  if (!(await a.locator("#upload").isDisabled())) {
    throw new Error("the watching phone's Send .kvt is enabled");
  }
});
