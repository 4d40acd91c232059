// The KVT-80 set-up pages in a browser: pairing, the connection, the live analyser, the
// equaliser, the generator routing and output gains, the input levels, formats and profile.
import "./style.css";
import { Analyser } from "./analyser";
import { el, clear } from "./dom";
import {
  BAND_LABELS,
  CHANNEL_NAMES,
  CHANNEL_SHORT,
  GENERATOR_BITS,
  TONE_NAMES,
  UnitState,
  formatDb,
} from "./model";

type Tab = "analyser" | "eq" | "outputs" | "inputs" | "unit";

let state: UnitState | null = null;
let control = false;
let othersControl = false;
let socket: WebSocket | null = null;
let nextId = 1;
let tab: Tab = "analyser";
let eqChannel = 1;
let severalChannels = false;
let progress = "";
let lastSeq = 0;
const pending = new Map<number, string>();
// Sliders the user is holding: a broadcast of the same value must not move them under the finger.
const held = new Set<string>();

const root = document.getElementById("app")!;
const analyser = new Analyser();

// ---- Talking to the server -----------------------------------------------------------------

function send(message: Record<string, unknown>, what = ""): number {
  const id = nextId++;
  if (!socket || socket.readyState !== WebSocket.OPEN) {
    toast("Not connected to the server");
    return id;
  }
  pending.set(id, what);
  socket.send(JSON.stringify({ ...message, id }));
  return id;
}

function put(name: string, fields: Record<string, unknown>): void {
  send({ op: "put", name, ...fields }, name);
}

async function start(): Promise<void> {
  const session = await fetch("/api/session", { credentials: "same-origin" });
  if (session.status === 401) {
    showPairing("");
    return;
  }
  openSocket();
}

function openSocket(): void {
  const scheme = location.protocol === "https:" ? "wss:" : "ws:";
  const ws = new WebSocket(`${scheme}//${location.host}/ws`);
  socket = ws;
  ws.onmessage = (event) => receive(JSON.parse(event.data as string));
  ws.onclose = () => {
    if (socket !== ws) {
      return;
    }
    socket = null;
    // A refused or expired session needs pairing again; anything else is the network.
    fetch("/api/session", { credentials: "same-origin" })
      .then((r) => {
        if (r.status === 401) {
          showPairing("The session has ended. Pair again with a new code.");
        } else {
          setTimeout(openSocket, 2000);
          render();
        }
      })
      .catch(() => setTimeout(openSocket, 2000));
  };
}

// eslint-disable-next-line @typescript-eslint/no-explicit-any
function receive(message: any): void {
  if (typeof message.seq === "number") {
    lastSeq = message.seq;
  }
  switch (message.type) {
    case "state":
      state = message as UnitState;
      analyser.setRunning(state.analyser.running, state.analyser.sumAndDiff);
      render();
      return;
    case "role":
      control = message.control;
      othersControl = message.others;
      render();
      return;
    case "result":
      pending.delete(message.id);
      return;
    case "error": {
      const what = pending.get(message.id);
      pending.delete(message.id);
      toast(message.message + (what ? "" : ""));
      if (what) {
        send({ op: "snapshot" });
      }
      return;
    }
    case "expired":
      showPairing("The session has ended. Pair again with a new code.");
      return;
    case "flow":
      onFlow(message);
      return;
    case "put":
      onPut(message);
      return;
    case "event":
      onEvent(message);
      return;
  }
}

// eslint-disable-next-line @typescript-eslint/no-explicit-any
function onFlow(message: any): void {
  if (!state) {
    return;
  }
  state.busy = message.running;
  progress = message.running ? (message.flow === "connect" ? "Connecting…" : "Disconnecting…") : "";
  if (!message.running && !message.ok && message.message) {
    toast(message.message);
  }
  renderHeader();
  if (tab === "unit") {
    render();
  }
}

// eslint-disable-next-line @typescript-eslint/no-explicit-any
function onPut(message: any): void {
  if (!state) {
    return;
  }
  const ch = state.channels[message.channel];
  switch (message.name) {
    case "EQBand":
      ch.eq[message.band] = message.value;
      break;
    case "Bass":
      ch.bass = message.value;
      break;
    case "Treble":
      ch.treble = message.value;
      break;
    case "OutputGain":
      ch.gain = message.value;
      break;
    case "GeneratorChannels":
      state.generator.channels = message.value;
      break;
    case "GeneratorMode":
      state.generator.mode = message.value;
      break;
    default:
      return;
  }
  syncControls();
}

// eslint-disable-next-line @typescript-eslint/no-explicit-any
function onEvent(message: any): void {
  if (!state) {
    return;
  }
  switch (message.name) {
    case "SLAUpdate":
      analyser.update(message.values);
      return;
    case "InputLevelsUpdated":
      state.levels = [message.left, message.right];
      updateLevels();
      return;
    case "SLARunning":
      state.analyser.running = message.running;
      state.analyser.sumAndDiff = message.sumAndDiff;
      analyser.setRunning(message.running, message.sumAndDiff);
      syncControls();
      return;
    case "SignalGenState":
      state.generator.mode = message.mode;
      state.generator.channels = message.channels;
      syncControls();
      return;
    case "InputFormatChanged":
      state.format = message.format;
      renderHeader();
      return;
    case "MainFaderUpdated":
      state.fader = message.level;
      renderHeader();
      return;
    case "ConnectionProgress":
      progress = `Reading the unit… ${Math.round((100 * message.pos) / Math.max(1, message.end))} %`;
      renderHeader();
      return;
    case "UnitDisappeared":
      toast("The unit does not answer");
      return;
  }
}

// ---- Pairing ---------------------------------------------------------------------------------

function showPairing(note: string): void {
  socket?.close();
  socket = null;
  state = null;
  clear(root);
  const input = el("input", {
    id: "pair-code",
    inputMode: "numeric",
    autocomplete: "one-time-code",
    maxLength: 6,
    placeholder: "000000",
  }) as HTMLInputElement;
  const message = el("p", { className: "note" }, note);
  const form = el(
    "form",
    { className: "pairing" },
    el("h1", {}, "KVT-80"),
    el("p", {}, "Enter the code shown where kvt80-web runs, or open its pairing link."),
    input,
    el("button", { type: "submit", className: "primary", id: "pair-button" }, "Pair"),
    message,
  );
  form.addEventListener("submit", async (event) => {
    event.preventDefault();
    const response = await fetch("/pair", {
      method: "POST",
      headers: { "Content-Type": "application/json" },
      body: JSON.stringify({ code: input.value.trim() }),
      credentials: "same-origin",
    });
    if (response.ok) {
      openSocket();
      render();
    } else if (response.status === 429) {
      message.textContent = "Too many wrong codes: wait a minute, or scan the QR code in the booth.";
    } else {
      message.textContent = "That code is not right (after five tries a new one is shown).";
    }
  });
  root.append(form);
  input.focus();
}

// ---- Layout ----------------------------------------------------------------------------------

const header = el("header", { className: "bar" });
const main = el("main");
const nav = el("nav", { className: "tabs" });
const toasts = el("div", { className: "toasts" });

function render(): void {
  if (!root.contains(main)) {
    clear(root);
    root.append(header, main, nav, toasts);
  }
  renderHeader();
  renderNav();
  clear(main);
  if (!state) {
    main.append(el("p", { className: "note" }, "Waiting for the server…"));
    return;
  }
  const pages: Record<Tab, () => HTMLElement> = {
    analyser: analyserPage,
    eq: eqPage,
    outputs: outputsPage,
    inputs: inputsPage,
    unit: unitPage,
  };
  main.append(pages[tab]());
  syncControls();
}

function renderHeader(): void {
  clear(header);
  const connected = state?.connected ?? false;
  const format = state && connected ? state.formats[state.format] : undefined;
  const status = progress
    ? progress
    : !socket
      ? "Server offline"
      : connected
        ? `${format ? format.name1 || format.code : "Format " + state!.format} · fader ${(state!.fader / 10).toFixed(1)}`
        : "Unit not connected";
  header.append(
    el("div", { className: "title" }, el("b", {}, "KVT-80"), el("span", { id: "status" }, status)),
    control
      ? el("span", { className: "role on", id: "role" }, "In control")
      : el(
          "button",
          {
            className: "role",
            id: "take-control",
            onclick: () => send({ op: "control" }),
          },
          othersControl ? "Watching · Take control" : "Take control",
        ),
  );
}

function renderNav(): void {
  clear(nav);
  const items: [Tab, string][] = [
    ["analyser", "Analyser"],
    ["eq", "Equalizer"],
    ["outputs", "Outputs"],
    ["inputs", "Inputs"],
    ["unit", "Unit"],
  ];
  for (const [name, label] of items) {
    nav.append(
      el(
        "button",
        {
          className: name === tab ? "active" : "",
          id: `tab-${name}`,
          onclick: () => {
            tab = name;
            render();
          },
        },
        label,
      ),
    );
  }
}

let toastTimer = 0;
// A message at the bottom for a few seconds: a refusal or failure, or with `done` a success.
function toast(text: string, done = false): void {
  clear(toasts);
  toasts.append(el("div", { className: done ? "toast done" : "toast", role: done ? "status" : "alert" }, text));
  clearTimeout(toastTimer);
  toastTimer = window.setTimeout(() => clear(toasts), 4000);
}

function confirmDialog(title: string, text: string, yes: string): Promise<boolean> {
  return new Promise((resolve) => {
    const dialog = el("dialog", { className: "confirm" }) as HTMLDialogElement;
    const finish = (answer: boolean) => {
      dialog.close();
      dialog.remove();
      resolve(answer);
    };
    dialog.append(
      el("h2", {}, title),
      el("p", {}, text),
      el(
        "div",
        { className: "buttons" },
        el("button", { onclick: () => finish(false) }, "Cancel"),
        el("button", { className: "danger", id: "confirm-yes", onclick: () => finish(true) }, yes),
      ),
    );
    dialog.addEventListener("cancel", () => finish(false));
    document.body.append(dialog);
    dialog.showModal();
  });
}

// ---- Sliders ---------------------------------------------------------------------------------

interface SliderSpec {
  key: string;
  label: string;
  min: number;
  max: number;
  step: number;
  value: () => number;
  write: (value: number) => void;
}

const sliders = new Map<string, { input: HTMLInputElement; output: HTMLElement; spec: SliderSpec }>();

function slider(spec: SliderSpec): HTMLElement {
  const input = el("input", {
    type: "range",
    min: String(spec.min),
    max: String(spec.max),
    step: String(spec.step),
    id: `slider-${spec.key}`,
    disabled: !control,
  }) as HTMLInputElement;
  input.setAttribute("aria-label", spec.label);
  input.value = String(spec.value());
  const output = el("output", {}, formatDb(spec.value()));
  // Written while held: every movement goes to the unit, as on the laptop's sliders.
  input.addEventListener("input", () => {
    const value = Number(input.value);
    output.textContent = formatDb(value);
    spec.write(value);
  });
  input.addEventListener("pointerdown", () => held.add(spec.key));
  const release = () => held.delete(spec.key);
  input.addEventListener("pointerup", release);
  input.addEventListener("pointercancel", release);
  input.addEventListener("blur", release);
  sliders.set(spec.key, { input, output, spec });
  return el("label", { className: "slider" }, el("span", {}, spec.label), input, output);
}

// Moves every slider on the page to the engine's value and enables what control allows.
function syncControls(): void {
  for (const [key, { input, output, spec }] of sliders) {
    if (!input.isConnected) {
      sliders.delete(key);
      continue;
    }
    input.disabled = !control || !state?.connected || !!state?.busy;
    if (!held.has(key)) {
      input.value = String(spec.value());
      output.textContent = formatDb(spec.value());
    }
  }
  const gen = state?.generator;
  document.querySelectorAll<HTMLButtonElement>("[data-gen-channel]").forEach((button) => {
    const bit = Number(button.dataset.genChannel);
    button.classList.toggle("on", !!gen && (gen.channels & bit) !== 0);
    button.disabled = !control || !state?.connected;
  });
  document.querySelectorAll<HTMLButtonElement>("[data-tone]").forEach((button) => {
    button.classList.toggle("on", gen?.mode === Number(button.dataset.tone));
    button.disabled = !control || !state?.connected;
  });
  const power = document.getElementById("rta-power") as HTMLButtonElement | null;
  if (power && state) {
    power.classList.toggle("on", state.analyser.running);
    power.textContent = state.analyser.running ? "Analyser on" : "Analyser off";
    power.disabled = !control || !state.connected;
  }
  const noise = document.getElementById("gen-off") as HTMLButtonElement | null;
  if (noise && state) {
    noise.disabled = !control || !state.connected || state.generator.channels === 0;
  }
}

// ---- Generator routing -----------------------------------------------------------------------

async function routeGenerator(channel: number): Promise<void> {
  if (!state) {
    return;
  }
  const bit = GENERATOR_BITS[channel];
  const current = state.generator.channels;
  let next = severalChannels ? current ^ bit : current === bit ? 0 : bit;
  if (current === 0 && next !== 0) {
    const ok = await confirmDialog(
      "Start the generator?",
      `${TONE_NAMES[state.generator.mode]} will play on ${CHANNEL_NAMES[channel]} in the auditorium.`,
      "Start",
    );
    if (!ok) {
      return;
    }
    put("GeneratorChannels", { value: next, confirmed: true });
    return;
  }
  put("GeneratorChannels", { value: next });
}

function generatorPanel(): HTMLElement {
  const tones = el("div", { className: "chips grid5" });
  TONE_NAMES.forEach((name, mode) =>
    tones.append(
      el("button", { dataset: { tone: String(mode) }, onclick: () => put("GeneratorMode", { value: mode }) }, name),
    ),
  );
  const routes = el("div", { className: "chips grid4" });
  CHANNEL_SHORT.forEach((name, channel) =>
    routes.append(
      el(
        "button",
        {
          dataset: { genChannel: String(GENERATOR_BITS[channel]) },
          id: `gen-${name}`,
          title: CHANNEL_NAMES[channel],
          onclick: () => routeGenerator(channel),
        },
        name,
      ),
    ),
  );
  const several = el("input", { type: "checkbox", checked: severalChannels }) as HTMLInputElement;
  several.addEventListener("change", () => (severalChannels = several.checked));
  return el(
    "section",
    { className: "card" },
    el("h2", {}, "Signal generator"),
    tones,
    routes,
    el(
      "div",
      { className: "row" },
      el("label", { className: "check" }, several, "Several channels"),
      el("button", { id: "gen-off", className: "danger", onclick: () => put("GeneratorChannels", { value: 0 }) }, "Generator off"),
    ),
  );
}

// ---- Pages -----------------------------------------------------------------------------------

function analyserPage(): HTMLElement {
  const page = el("div", { className: "page" });
  const scales = el("div", { className: "chips" });
  for (const scale of [10, 5, 2, 1]) {
    scales.append(
      el(
        "button",
        {
          className: analyser.scale === scale ? "on" : "",
          onclick: () => {
            analyser.setScale(scale);
            render();
          },
        },
        `${scale} dB`,
      ),
    );
  }
  const curve = el("input", { type: "checkbox", checked: analyser.curve }) as HTMLInputElement;
  curve.addEventListener("change", () => analyser.setCurve(curve.checked));
  const offset = el("input", {
    type: "number",
    min: "-20",
    max: "50",
    step: "1",
    value: String(analyser.offset),
    className: "small",
  }) as HTMLInputElement;
  offset.setAttribute("aria-label", "X-curve offset");
  offset.addEventListener("change", () => analyser.setOffset(Number(offset.value)));
  page.append(
    el(
      "section",
      { className: "card rta" },
      analyser.canvas,
      el(
        "div",
        { className: "row" },
        el(
          "button",
          {
            id: "rta-power",
            onclick: () => send({ op: "analyser", on: !state?.analyser.running }),
          },
          "Analyser",
        ),
        el(
          "button",
          {
            onclick: () => put("SLASumAndDiff", { value: state?.analyser.sumAndDiff ? 0 : 1 }),
            disabled: !control,
          },
          state?.analyser.sumAndDiff ? "Sum & Diff" : "Left & Right",
        ),
      ),
      scales,
      el("div", { className: "row" }, el("label", { className: "check" }, curve, "X-curve"), el("label", { className: "check" }, "offset", offset, "dB")),
    ),
    generatorPanel(),
  );
  analyser.draw();
  return page;
}

function eqPage(): HTMLElement {
  const page = el("div", { className: "page" });
  const chips = el("div", { className: "chips grid4 channels" });
  CHANNEL_SHORT.forEach((name, channel) =>
    chips.append(
      el(
        "button",
        {
          className: channel === eqChannel ? "on" : "",
          id: `eq-channel-${name}`,
          title: CHANNEL_NAMES[channel],
          onclick: () => {
            eqChannel = channel;
            render();
          },
        },
        name,
      ),
    ),
  );
  const c = eqChannel;
  const ch = () => state!.channels[c];
  const tone = el(
    "section",
    { className: "card" },
    el("h2", {}, CHANNEL_NAMES[c]),
    slider({ key: `bass-${c}`, label: "Bass", min: -6, max: 6, step: 0.1, value: () => ch().bass, write: (v) => put("Bass", { channel: c, value: v }) }),
    slider({ key: `treble-${c}`, label: "Treble", min: -6, max: 6, step: 0.1, value: () => ch().treble, write: (v) => put("Treble", { channel: c, value: v }) }),
    slider({ key: `gain-${c}`, label: "Output", min: -22, max: 8, step: 0.5, value: () => ch().gain, write: (v) => put("OutputGain", { channel: c, value: v }) }),
  );
  const bands = el("section", { className: "card bands" }, el("h2", {}, "Equalizer (dB)"));
  // Highest band first, as a phone is read from the top.
  for (let band = BAND_LABELS.length - 1; band >= 0; --band) {
    bands.append(
      slider({
        key: `eq-${c}-${band}`,
        label: BAND_LABELS[band],
        min: -6,
        max: 6,
        step: 0.1,
        value: () => ch().eq[band],
        write: (v) => put("EQBand", { channel: c, band, value: v }),
      }),
    );
  }
  page.append(chips, tone, bands);
  return page;
}

function outputsPage(): HTMLElement {
  const page = el("div", { className: "page" });
  const gains = el("section", { className: "card" }, el("h2", {}, "Room levels (dB)"));
  CHANNEL_NAMES.forEach((_, c) =>
    gains.append(
      slider({
        key: `out-${c}`,
        label: CHANNEL_SHORT[c],
        min: -22,
        max: 8,
        step: 0.5,
        value: () => state!.channels[c].gain,
        write: (v) => put("OutputGain", { channel: c, value: v }),
      }),
    ),
  );
  page.append(generatorPanel(), gains);
  return page;
}

const levelBars: HTMLElement[] = [];
const levelTexts: HTMLElement[] = [];

function inputsPage(): HTMLElement {
  levelBars.length = 0;
  levelTexts.length = 0;
  const card = el("section", { className: "card" }, el("h2", {}, "Input levels"));
  ["Left", "Right"].forEach((name) => {
    const bar = el("div", { className: "fill" });
    const text = el("span", { className: "value" }, "–");
    levelBars.push(bar);
    levelTexts.push(text);
    card.append(el("div", { className: "meter" }, el("span", {}, name), el("div", { className: "track" }, bar), text));
  });
  card.append(el("p", { className: "note" }, "Levels are read while the unit is connected."));
  const page = el("div", { className: "page" }, card);
  updateLevels();
  return page;
}

function updateLevels(): void {
  const levels = state?.levels;
  if (!levels) {
    return;
  }
  levels.forEach((db, i) => {
    if (!levelBars[i]) {
      return;
    }
    const fraction = Math.min(1, Math.max(0, (db + 50) / 62));
    levelBars[i].style.width = `${((1 - fraction) * 100).toFixed(1)}%`;
    levelTexts[i].textContent = `${db.toFixed(1)} dB`;
  });
}

function unitPage(): HTMLElement {
  const s = state!;
  const connection = el("section", { className: "card" }, el("h2", {}, "Connection"));
  if (s.connected) {
    connection.append(
      el(
        "button",
        {
          id: "disconnect",
          className: "primary",
          disabled: !control || s.busy,
          onclick: () => askDisconnect(),
        },
        "Disconnect…",
      ),
    );
  } else {
    connection.append(
      el("button", { id: "connect", className: "primary", disabled: !control || s.busy, onclick: () => send({ op: "connect" }) }, "Connect"),
    );
  }
  // A file goes to the unit only while it is connected: without it, connecting would read the
  // unit over what the file set.
  const canSend = control && s.connected && !s.busy;
  const upload = el("input", { type: "file", accept: ".kvt", id: "upload", disabled: !canSend }) as HTMLInputElement;
  upload.addEventListener("change", async () => {
    const file = upload.files?.[0];
    upload.value = "";
    if (!file) {
      return;
    }
    const ok = await confirmDialog(
      "Send this configuration?",
      `${file.name} replaces the settings in the unit (not yet stored permanently).`,
      "Send",
    );
    if (!ok) {
      return;
    }
    try {
      const response = await fetch("/api/config.kvt", { method: "PUT", body: file, credentials: "same-origin" });
      if (response.ok) {
        toast("Configuration sent to the unit", true);
        return;
      }
      const answer = await response.json().catch(() => ({}));
      toast(`Not sent: ${answer.error ?? `the server answered ${response.status}`}`);
    } catch {
      toast("Not sent: the server cannot be reached");
    }
  });
  connection.append(
    el(
      "div",
      { className: "row files" },
      el("a", { href: "/api/config.kvt", download: "KVT-80.kvt", className: "button", id: "download" }, "Download .kvt"),
      el("label", { className: canSend ? "button" : "button disabled", id: "upload-button" }, "Send .kvt…", upload),
    ),
  );
  const formats = el("table", { className: "formats" });
  formats.append(el("tr", {}, el("th", {}, "#"), el("th", {}, "Code"), el("th", {}, "Name"), el("th", {}, "Preset")));
  s.formats.forEach((f, i) => {
    const row = el(
      "tr",
      { className: i === s.format ? "current" : "" },
      el("td", {}, String(i + 1)),
      el("td", {}, f.code),
      el("td", {}, [f.name1, f.name2].filter(Boolean).join(" ")),
      el("td", {}, f.level > 0 ? (f.level / 10).toFixed(1) : "–"),
    );
    formats.append(row);
  });
  const profile = el("dl", { className: "profile" });
  const fields: [keyof UnitState["profile"], string][] = [
    ["theaterName", "Theatre"],
    ["screenNumber", "Screen"],
    ["serialNumber", "Serial number"],
    ["projectName", "Project"],
    ["projectorModel", "Projector"],
    ["automationSystem", "Automation"],
    ["digitalPlayer1", "Digital player 1"],
    ["digitalPlayer2", "Digital player 2"],
    ["comments", "Comments"],
  ];
  for (const [key, label] of fields) {
    profile.append(el("dt", {}, label), el("dd", {}, s.profile[key] || "–"));
  }
  return el(
    "div",
    { className: "page" },
    connection,
    el("section", { className: "card" }, el("h2", {}, `Formats (power-on: ${s.powerOnFormat + 1})`), formats),
    el("section", { className: "card" }, el("h2", {}, "Profile"), profile),
  );
}

function askDisconnect(): void {
  const dialog = el("dialog", { className: "confirm" }) as HTMLDialogElement;
  const store = el("input", { type: "checkbox", checked: true, id: "store" }) as HTMLInputElement;
  const verify = el("input", { type: "checkbox", checked: true, id: "verify" }) as HTMLInputElement;
  const close = () => {
    dialog.close();
    dialog.remove();
  };
  dialog.append(
    el("h2", {}, "Disconnect"),
    el("label", { className: "check" }, store, "Store the settings in the unit permanently"),
    el("label", { className: "check" }, verify, "Verify them"),
    el("p", { className: "note" }, "Without storing, the changes made since the last store are abandoned."),
    el(
      "div",
      { className: "buttons" },
      el("button", { onclick: close }, "Cancel"),
      el(
        "button",
        {
          className: "primary",
          id: "disconnect-yes",
          onclick: () => {
            send({ op: "disconnect", store: store.checked, verify: verify.checked });
            close();
          },
        },
        "Disconnect",
      ),
    ),
  );
  document.body.append(dialog);
  dialog.showModal();
}

// For the end-to-end test: what the page has received.
(window as unknown as { kvt: object }).kvt = {
  frames: () => analyser.frames,
  lastSeq: () => lastSeq,
};

start().catch(() => showPairing("The server cannot be reached."));
