// The unit's state as the server sends it, and the names the pages show.
export interface ChannelState {
  eq: number[];
  bass: number;
  treble: number;
  gain: number;
  mute: boolean;
}

export interface FormatState {
  code: string;
  name1: string;
  name2: string;
  level: number;
  analog: boolean;
  digital: boolean;
  matrix: boolean;
}

export interface UnitState {
  connected: boolean;
  busy: boolean;
  format: number;
  fader: number;
  inputConfig: number;
  channels: ChannelState[];
  generator: { mode: number; channels: number };
  analyser: { running: boolean; sumAndDiff: boolean };
  formats: FormatState[];
  powerOnFormat: number;
  profile: {
    serialNumber: string;
    theaterName: string;
    screenNumber: string;
    projectName: string;
    projectorModel: string;
    automationSystem: string;
    digitalPlayer1: string;
    digitalPlayer2: string;
    comments: string;
  };
  levels?: number[];
}

// By output channel index (0 left ... 7 right EX).
export const CHANNEL_NAMES = [
  "Left",
  "Center",
  "Right",
  "Left Surround",
  "Subwoofer",
  "Right Surround",
  "Back Surround Left",
  "Back Surround Right",
];
export const CHANNEL_SHORT = ["L", "C", "R", "LS", "Sub", "RS", "BSL", "BSR"];
// The generator's channel bits follow another order than the channel indices.
export const GENERATOR_BITS = [1, 2, 4, 16, 8, 32, 64, 128];
export const TONE_NAMES = ["Pink", "100 Hz", "1 kHz", "10 kHz", "Thump"];

// Equaliser bands, lowest first.
export const BAND_LABELS = [
  "40", "50", "63", "80", "100", "125", "160", "200", "250", "315", "400", "500", "630", "800",
  "1k", "1.25k", "1.6k", "2k", "2.5k", "3.15k", "4k", "5k", "6.3k", "8k", "10k", "12.5k", "16k",
];

// Analyser columns, 25 Hz to 20 kHz.
export const RTA_LABELS = [
  "25", "31", "40", "50", "63", "80", "100", "125", "160", "200", "250", "316", "400", "500",
  "630", "800", "1K", "1.25K", "1.6K", "2K", "2.5K", "3.15K", "4K", "5K", "6.3K", "8K", "10K",
  "12.5K", "16K", "20K",
];

// The X-curve's reference by analyser column; null where it has no point.
export const X_CURVE: (number | null)[] = [
  null, null, -2, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, -1, -2, -3, -4, -5, -6, -7, -9, -11, null,
];

export function formatDb(value: number): string {
  const text = value.toFixed(1);
  return value > 0 ? `+${text}` : text === "-0.0" ? "0.0" : text;
}
