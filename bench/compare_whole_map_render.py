#!/usr/bin/env python3
"""Whole-map picture of the sample map: `maptool render --whole` against tmxrasterizer on
the same map written as a .tmx file (16-pixel tiles, our own tile art as its tileset).

    python3 bench/compare_whole_map_render.py [build/src/cli/maptool] [repetitions]

Runs the two programs in turn, repetition by repetition, and prints each run's CPU time
(user + system, all threads) and peak resident memory, then the medians and their ratios.
Skips itself (exit 0) when tmxrasterizer is not installed (Debian package `tiled`).
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLE = os.path.join(ROOT, "data", "samples", "central-europe.tm")
WIDTH, HEIGHT, CODES, ROTATIONS, TILE = 640, 320, 59, 4, 16


def run(command, cwd):
    """CPU seconds (user + system) and peak memory in MiB of one run."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    process = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    _, status, usage = os.wait4(process.pid, 0)
    error = process.stderr.read().decode(errors="replace")
    process.stderr.close()
    if status != 0:
        sys.exit(f"{command[0]} failed: {error}")
    return usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024.0


def write_tileset(maptool, folder):
    """All turned tile pictures at 16 pixels, one row per rotation, painted by maptool."""
    cells = bytearray(WIDTH * HEIGHT)
    for rotation in range(ROTATIONS):
        for code in range(CODES):
            cells[rotation * WIDTH + code] = (rotation << 6) | code
    with open(os.path.join(folder, "catalogue.tm"), "wb") as file:
        file.write(cells)
    subprocess.run([maptool, "render", "catalogue.tm", "tileset.png", "--zoom", "25",
                    "--region", f"0,0,{CODES},{ROTATIONS}", "--overlays", "none"],
                   cwd=folder, check=True, stdout=subprocess.DEVNULL)


def write_tmx(folder):
    """The sample map as an orthogonal Tiled map whose tile ids name the tileset's pictures."""
    with open(SAMPLE, "rb") as file:
        cells = file.read()
    rows = []
    for row in range(HEIGHT):
        ids = []
        for column in range(WIDTH):
            cell = cells[row * WIDTH + column]
            code, rotation = cell & 63, cell >> 6
            ids.append(str(rotation * CODES + code + 1) if code < CODES else "0")
        rows.append(",".join(ids))
    with open(os.path.join(folder, "map.tmx"), "w") as file:
        file.write(f'<?xml version="1.0" encoding="UTF-8"?>\n'
                   f'<map version="1.8" orientation="orthogonal" renderorder="right-down" '
                   f'width="{WIDTH}" height="{HEIGHT}" tilewidth="{TILE}" tileheight="{TILE}">\n'
                   f' <tileset firstgid="1" name="tiles" tilewidth="{TILE}" tileheight="{TILE}" '
                   f'tilecount="{CODES * ROTATIONS}" columns="{CODES}">\n'
                   f'  <image source="tileset.png" width="{CODES * TILE}" '
                   f'height="{ROTATIONS * TILE}"/>\n'
                   f' </tileset>\n'
                   f' <layer name="terrain" width="{WIDTH}" height="{HEIGHT}">\n'
                   f'  <data encoding="csv">\n' + ",\n".join(rows) + "\n  </data>\n"
                   f' </layer>\n</map>\n')


def main():
    maptool = os.path.abspath(sys.argv[1] if len(sys.argv) > 1
                              else os.path.join(ROOT, "build", "src", "cli", "maptool"))
    repetitions = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    rasterizer = shutil.which("tmxrasterizer")
    if rasterizer is None:
        print("tmxrasterizer is not installed (Debian package tiled): comparison skipped")
        return
    with tempfile.TemporaryDirectory() as folder:
        write_tileset(maptool, folder)
        write_tmx(folder)
        shutil.copy(SAMPLE, os.path.join(folder, "sample.tm"))
        commands = {
            "maptool": [maptool, "render", "sample.tm", "maptool.png", "--whole", "--zoom", "25",
                        "--overlays", "none"],
            "tmxrasterizer": [rasterizer, "map.tmx", "tmxrasterizer.png"],
        }
        results = {name: [] for name in commands}
        for _ in range(repetitions):
            for name, command in commands.items():
                cpu, peak = run(command, folder)
                results[name].append((cpu, peak))
                print(f"{name:14} cpu {cpu:7.3f} s   peak {peak:7.1f} MiB")
        cpu = {name: statistics.median(r[0] for r in runs) for name, runs in results.items()}
        peak = {name: statistics.median(r[1] for r in runs) for name, runs in results.items()}
        for name in commands:
            print(f"median {name:14} cpu {cpu[name]:7.3f} s   peak {peak[name]:7.1f} MiB")
        print(f"maptool / tmxrasterizer: cpu {cpu['maptool'] / cpu['tmxrasterizer']:.3f} x, "
              f"peak memory {peak['maptool'] / peak['tmxrasterizer']:.3f} x")


if __name__ == "__main__":
    main()
