// The live analyser on a canvas: two traces (left and right, or sum and difference) over 30
// third-octave columns, the X-curve overlay, and a level scale of 10, 5, 2 or 1 dB a division.
// A frame redraws the graph from preallocated arrays; drawing waits for the next animation frame,
// so frames arriving faster than the screen never queue up.
import { RTA_LABELS, X_CURVE } from "./model";

const COLUMNS = 30;
const DIVISIONS = 7;

export class Analyser {
  readonly canvas: HTMLCanvasElement;
  scale = Number(localStorage.getItem("kvt.rta.scale") ?? 10);
  curve = localStorage.getItem("kvt.rta.curve") !== "0";
  offset = Number(localStorage.getItem("kvt.rta.offset") ?? 0);
  frames = 0;
  private running = false;
  private sumAndDiff = false;
  private first = new Float64Array(COLUMNS).fill(-100);
  private second = new Float64Array(COLUMNS).fill(-100);
  private queued = false;

  constructor() {
    this.canvas = document.createElement("canvas");
    this.canvas.id = "rta";
    this.canvas.setAttribute("aria-label", "Real time analyser");
    new ResizeObserver(() => this.draw()).observe(this.canvas);
  }

  setRunning(running: boolean, sumAndDiff: boolean): void {
    this.running = running;
    this.sumAndDiff = sumAndDiff;
    this.schedule();
  }

  setScale(scale: number): void {
    this.scale = scale;
    localStorage.setItem("kvt.rta.scale", String(scale));
    this.schedule();
  }

  setCurve(on: boolean): void {
    this.curve = on;
    localStorage.setItem("kvt.rta.curve", on ? "1" : "0");
    this.schedule();
  }

  setOffset(offset: number): void {
    this.offset = Math.max(-20, Math.min(50, Math.round(offset) || 0));
    localStorage.setItem("kvt.rta.offset", String(this.offset));
    this.schedule();
  }

  // values: 60 levels in dB, band i (0 = 20 kHz) at 2i (right or difference) and 2i + 1 (left or
  // sum).
  update(values: number[]): void {
    if (values.length !== 2 * COLUMNS) {
      return;
    }
    for (let i = 0; i < COLUMNS; ++i) {
      this.first[COLUMNS - 1 - i] = values[2 * i + 1];
      this.second[COLUMNS - 1 - i] = values[2 * i];
    }
    this.frames++;
    this.canvas.dataset.frames = String(this.frames);
    this.schedule();
  }

  private schedule(): void {
    if (!this.queued) {
      this.queued = true;
      requestAnimationFrame(() => {
        this.queued = false;
        this.draw();
      });
    }
  }

  // The level at the top of the graph: +20 dB at 10 dB/div; finer scales centre on 0 dB.
  private top(): number {
    return this.scale === 10 ? 20 : (this.scale * DIVISIONS) / 2;
  }

  draw(): void {
    const canvas = this.canvas;
    const ratio = window.devicePixelRatio || 1;
    const width = canvas.clientWidth;
    const height = canvas.clientHeight;
    if (width === 0 || height === 0) {
      return;
    }
    if (canvas.width !== Math.round(width * ratio) || canvas.height !== Math.round(height * ratio)) {
      canvas.width = Math.round(width * ratio);
      canvas.height = Math.round(height * ratio);
    }
    const g = canvas.getContext("2d")!;
    g.setTransform(ratio, 0, 0, ratio, 0, 0);
    g.fillStyle = "#05080a";
    g.fillRect(0, 0, width, height);

    const left = 30;
    const bottom = 34;
    const plotWidth = width - left - 4;
    const plotHeight = height - bottom - 8;
    const column = plotWidth / COLUMNS;
    const top = this.top();
    const span = this.scale * DIVISIONS;
    const y = (db: number) => 8 + ((top - db) / span) * plotHeight;

    g.font = "10px system-ui, sans-serif";
    g.strokeStyle = "#2c3a44";
    g.fillStyle = "#8fa3b0";
    g.lineWidth = 1;
    g.textAlign = "right";
    g.textBaseline = "middle";
    for (let d = 0; d <= DIVISIONS; ++d) {
      const level = top - d * this.scale;
      const py = Math.round(y(level)) + 0.5;
      g.beginPath();
      g.moveTo(left, py);
      g.lineTo(left + plotWidth, py);
      g.stroke();
      g.fillText(String(level), left - 4, py);
    }
    g.save();
    g.textAlign = "right";
    for (let j = 0; j < COLUMNS; j += 1) {
      if (j % 2 === 1 && column < 14) {
        continue;
      }
      g.save();
      g.translate(left + (j + 0.5) * column, height - bottom + 4);
      g.rotate(-Math.PI / 2);
      g.fillText(RTA_LABELS[j], 0, 0);
      g.restore();
    }
    g.restore();

    g.save();
    g.beginPath();
    g.rect(left, 8, plotWidth, plotHeight);
    g.clip();
    if (this.curve) {
      g.strokeStyle = "#f2f2f2";
      g.lineWidth = 2;
      g.setLineDash([6, 4]);
      g.beginPath();
      let started = false;
      X_CURVE.forEach((point, j) => {
        if (point === null) {
          return;
        }
        const px = left + (j + 0.5) * column;
        const py = y(point + this.offset);
        if (started) {
          g.lineTo(px, py);
        } else {
          g.moveTo(px, py);
          started = true;
        }
      });
      g.stroke();
      g.setLineDash([]);
    }
    if (this.running) {
      this.trace(g, this.first, "#ff4040", left, column, y);
      this.trace(g, this.second, "#30e060", left, column, y);
    }
    g.restore();

    g.textAlign = "left";
    g.textBaseline = "top";
    g.fillStyle = "#ff4040";
    g.fillText(this.sumAndDiff ? "Sum" : "Left", left + 4, 10);
    g.fillStyle = "#30e060";
    g.fillText(this.sumAndDiff ? "Diff" : "Right", left + 40, 10);
    if (!this.running) {
      g.fillStyle = "#8fa3b0";
      g.textAlign = "center";
      g.fillText("Analyser off", left + plotWidth / 2, 8 + plotHeight / 2);
    }
  }

  private trace(
    g: CanvasRenderingContext2D,
    values: Float64Array,
    colour: string,
    left: number,
    column: number,
    y: (db: number) => number,
  ): void {
    g.strokeStyle = colour;
    g.lineWidth = 2;
    g.beginPath();
    for (let j = 0; j < COLUMNS; ++j) {
      const px = left + (j + 0.5) * column;
      const py = y(values[j]);
      if (j === 0) {
        g.moveTo(px, py);
      } else {
        g.lineTo(px, py);
      }
    }
    g.stroke();
  }
}
