// What the end-to-end scripts share: kvt80-web --demo started on a free port with its printed
// pairing code and link, the simulated unit's memory read on its standard input, phone-sized
// browser contexts on Debian's chromium, waiting for conditions, and screenshots.
import { spawn } from "node:child_process";
import { mkdirSync } from "node:fs";
import { join } from "node:path";
import { createInterface } from "node:readline";
import { chromium } from "playwright-core";

// The command line every script takes: the program and the screenshot folder.
export function parseArguments(script) {
  const [binary, shots] = process.argv.slice(2);
  if (!binary || !shots) {
    console.error(`usage: node e2e/${script} KVT80_WEB SCREENSHOT_FOLDER`);
    process.exit(2);
  }
  mkdirSync(shots, { recursive: true });
  return { binary, shots };
}

export class DemoServer {
  constructor(binary) {
    this.process = spawn(binary, ["--demo", "--listen", "127.0.0.1:0"], {
      stdio: ["pipe", "pipe", "inherit"],
    });
    this.lines = [];
    this.waiters = [];
    createInterface({ input: this.process.stdout }).on("line", (line) => {
      this.lines.push(line);
      for (const waiter of this.waiters.splice(0)) {
        waiter();
      }
    });
  }

  // The first line from index `after` on that matches, as { match, index }.
  async lineMatching(pattern, after = 0, timeout = 10000) {
    const deadline = Date.now() + timeout;
    for (;;) {
      for (let i = after; i < this.lines.length; ++i) {
        const match = this.lines[i].match(pattern);
        if (match) {
          return { match, index: i };
        }
      }
      if (Date.now() > deadline) {
        throw new Error(`kvt80-web printed no line matching ${pattern}`);
      }
      await new Promise((resolve) => {
        this.waiters.push(resolve);
        setTimeout(resolve, 200);
      });
    }
  }

  // The address the server listens on.
  async base() {
    const { match } = await this.lineMatching(/listening on 127\.0\.0\.1:(\d+)/);
    return `http://127.0.0.1:${match[1]}`;
  }

  // The pairing secrets printed at or after line `after`: { code, link, index } (index is the
  // code's line; the next secrets are printed after it once these have been used).
  async pairing(after = 0) {
    const link = await this.lineMatching(/^\s+(http:\/\/\S+\/pair\?token=\S+)$/, after);
    const code = await this.lineMatching(/enter the code (\d{6})/, link.index);
    return { link: link.match[1], code: code.match[1], index: code.index + 1 };
  }

  // A word of the simulated unit's working memory, asked on kvt80-web's standard input.
  async memory(block, address) {
    const from = this.lines.length;
    this.process.stdin.write(`memory ${block.toString(16)} ${address.toString(16)}\n`);
    const { match } = await this.lineMatching(/^memory [0-9A-F]+ [0-9A-F]+ ([0-9A-F]{6})$/, from);
    return parseInt(match[1], 16);
  }

  // Ends the server as Ctrl+C does; resolves to its exit status.
  async stop() {
    if (this.process.exitCode !== null) {
      return this.process.exitCode;
    }
    const exited = new Promise((resolve) => this.process.on("exit", resolve));
    this.process.kill("SIGINT");
    return exited;
  }
}

export async function launchBrowser() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu"],
  });
}

// A phone of its own: its own cookies, so its own pairing. Page errors are collected in
// `errors`.
export async function phone(browser, errors) {
  const context = await browser.newContext({
    viewport: { width: 390, height: 844 },
    deviceScaleFactor: 2,
    isMobile: true,
    hasTouch: true,
    acceptDownloads: true,
  });
  const page = await context.newPage();
  page.on("pageerror", (error) => errors.push(error.message));
  return page;
}

// Pairs with the six-digit code in the page's form; the page then shows its tabs.
export async function pairWithCode(page, base, code) {
  await page.goto(`${base}/`);
  await page.waitForSelector("#pair-code");
  await page.fill("#pair-code", code);
  await page.click("#pair-button");
  await page.waitForSelector("#tab-unit");
}

export async function until(what, test, timeout = 10000) {
  const deadline = Date.now() + timeout;
  while (!(await test())) {
    if (Date.now() > deadline) {
      throw new Error(`timed out: ${what}`);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// Phone screenshots from the top of the page, as a technician first sees it.
export async function shot(page, folder, name) {
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.waitForTimeout(150);
  await page.screenshot({ path: join(folder, name) });
}

// Runs a script's steps in one headless chromium: `steps(browser, errors)`, where `errors`
// collects the pages' errors. Prints "NAME: passed" or the failure, stops the server and exits
// non-zero on a failure, a page error or the server's own failing exit.
export async function run(name, server, steps) {
  const errors = [];
  let browser;
  let failed = false;
  try {
    browser = await launchBrowser();
    await steps(browser, errors);
    console.log(`${name}: passed`);
  } catch (error) {
    console.error(`${name}: ${error.message}`);
    failed = true;
  } finally {
    await browser?.close();
    const status = await server.stop();
    if (status !== 0) {
      console.error(`kvt80-web ended with ${status}`);
      failed = true;
    }
  }
  for (const error of errors) {
    console.error(`page error: ${error}`);
    failed = true;
  }
  process.exit(failed ? 1 : 0);
}

export function step(text) {
  console.log(`- ${text}`);
}
