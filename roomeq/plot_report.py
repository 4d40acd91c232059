#!/usr/bin/env python3
"""Draws one channel of a kvt80-roomeq JSON report as an SVG: target, before and after.

usage: plot_report.py REPORT.json CHANNEL OUT.svg
"""
import json
import math
import sys


def main():
    report_path, channel_name, out_path = sys.argv[1:4]
    with open(report_path, encoding="utf-8") as f:
        report = json.load(f)
    channel = next(c for c in report["channels"] if c["channel"] == channel_name.upper())
    labels = channel["band_centres_hz"]
    after_key = "measured_after_db" if "measured_after_db" in channel else "predicted_after_db"
    curves = [
        ("target", channel["target_db"], "#2a7f2a", "6,4"),
        ("before", channel["measured_before_db"], "#c03030", ""),
        ("after", channel[after_key], "#2050c0", ""),
    ]
    width, height, left, right, top, bottom = 760, 380, 60, 20, 40, 50
    lo, hi = -24.0, 12.0
    n = len(labels)

    def x(i):
        return left + (width - left - right) * i / (n - 1)

    def y(db):
        db = min(max(db, lo), hi)
        return top + (height - top - bottom) * (hi - db) / (hi - lo)

    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
             f'font-family="DejaVu Sans, sans-serif" font-size="11">',
             f'<rect width="{width}" height="{height}" fill="white"/>']
    for db in range(int(lo), int(hi) + 1, 6):
        parts.append(f'<line x1="{left}" x2="{width - right}" y1="{y(db):.1f}" y2="{y(db):.1f}" '
                     f'stroke="#ddd"/>')
        parts.append(f'<text x="{left - 6}" y="{y(db) + 4:.1f}" text-anchor="end">{db} dB</text>')
    for i, label in enumerate(labels):
        if i % 3 == 1 or i == n - 1:
            parts.append(f'<line x1="{x(i):.1f}" x2="{x(i):.1f}" y1="{top}" '
                         f'y2="{height - bottom}" stroke="#eee"/>')
            parts.append(f'<text x="{x(i):.1f}" y="{height - bottom + 16}" '
                         f'text-anchor="middle">{label}</text>')
    parts.append(f'<text x="{(width + left) / 2}" y="{height - 12}" text-anchor="middle">Hz</text>')
    for k, (name, values, colour, dash) in enumerate(curves):
        points = " ".join(f"{x(i):.1f},{y(v):.1f}" for i, v in enumerate(values) if v is not None)
        dashing = f' stroke-dasharray="{dash}"' if dash else ""
        parts.append(f'<polyline points="{points}" fill="none" stroke="{colour}" '
                     f'stroke-width="2"{dashing}/>')
        parts.append(f'<line x1="{left + 10 + k * 110}" x2="{left + 40 + k * 110}" y1="20" y2="20" '
                     f'stroke="{colour}" stroke-width="2"{dashing}/>')
        parts.append(f'<text x="{left + 46 + k * 110}" y="24">{name}</text>')
    parts.append(f'<text x="{width - right}" y="24" text-anchor="end">channel {channel["channel"]}: '
                 f'largest deviation {channel["largest_deviation_before_db"]} dB to '
                 f'{channel["largest_deviation_after_db"]} dB</text>')
    parts.append("</svg>")
    with open(out_path, "w", encoding="utf-8") as f:
        f.write("\n".join(parts) + "\n")


if __name__ == "__main__":
    main()
