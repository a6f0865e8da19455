#!/usr/bin/env python3
"""Times ExtractZip (through extract_zip_cli) against Info-ZIP unzip.

    bench_zip.py CLI WORKDIR [--runs N] [--big-runs N]

Makes the archives once in WORKDIR (kept for later runs): two packs of twenty
256 KiB noisy-gradient textures, and one archive holding a 200 MiB file of
semi-compressible data. Then extracts each archive with both programs in the
same run, alternating which goes first, syncing and clearing the output
between runs, and prints the median wall times, their ratio (ours / unzip) and
the peak resident memory of each child.
"""
import argparse
import os
import random
import shutil
import statistics
import struct
import subprocess
import sys
import time

TEXTURE_SIZE = 256  # pixels per side, 32-bit: 256 KiB each
BIG_SIZE = 200 * 1024 * 1024


def tga(seed):
    """A 256x256 BGRA TGA: a gradient with per-pixel noise, so deflate has work."""
    rng = random.Random(seed)
    header = struct.pack('<BBBHHBHHHHBB', 0, 0, 2, 0, 0, 0, 0, 0, TEXTURE_SIZE, TEXTURE_SIZE, 32, 8)
    rows = []
    for y in range(TEXTURE_SIZE):
        noise = rng.randbytes(TEXTURE_SIZE * 4)
        base = bytes(((x * 4 + i) * 3 + y * 2 + seed * 17) & 0xFF
                     for x in range(TEXTURE_SIZE) for i in range(4))
        rows.append(bytes((b + (n & 0x1F)) & 0xFF for b, n in zip(base, noise)))
    return header + b''.join(rows)


def big_file(path):
    """Random 32 KiB halves between 32 KiB of word text: about 70 % after deflate."""
    rng = random.Random(7)
    words = [b'texture', b'sound', b'gate', b'icon', b'music', b'player', b'client',
             b'\xe5\x9b\xbe', b'pack', b'0123', b'data', b'\r\n']
    text = b' '.join(rng.choice(words) for _ in range(12000))
    with open(path, 'wb') as out:
        written = 0
        while written < BIG_SIZE:
            shift = rng.randrange(len(text) - 32768)
            block = os.urandom(32768) + text[shift:shift + 32768]
            out.write(block)
            written += len(block)


def make_archives(work):
    archives = []
    for pack in (1, 2):
        archive = os.path.join(work, f'textures{pack}.zip')
        if not os.path.exists(archive):
            source = os.path.join(work, f'textures{pack}')
            os.makedirs(source, exist_ok=True)
            for n in range(20):
                with open(os.path.join(source, f'tex{n:02d}.tga'), 'wb') as out:
                    out.write(tga(pack * 100 + n))
            subprocess.run(['zip', '-q', '-r', archive, '.'], cwd=source, check=True)
            shutil.rmtree(source)
        archives.append(archive)
    archive = os.path.join(work, 'big.zip')
    if not os.path.exists(archive):
        source = os.path.join(work, 'big')
        os.makedirs(source, exist_ok=True)
        big_file(os.path.join(source, 'big.dat'))
        subprocess.run(['zip', '-q', archive, 'big.dat'], cwd=source, check=True)
        shutil.rmtree(source)
    archives.append(archive)
    return archives


def timed(command, work):
    """Wall time in seconds and peak RSS in KiB of one child process.

    GNU time reports the peak: a child forked straight from Python would count
    the interpreter's own pages from before its exec.
    """
    report = os.path.join(work, 'time.txt')
    start = time.perf_counter()
    result = subprocess.run(['/usr/bin/time', '-o', report, '-f', '%M'] + command, stdout=subprocess.DEVNULL)
    elapsed = time.perf_counter() - start
    if result.returncode != 0:
        sys.exit(f'failed ({result.returncode}): {" ".join(command)}')
    with open(report) as lines:
        return elapsed, int(lines.read().split()[-1])


def bench(cli, archive, out, runs):
    commands = {
        'ours': [cli, archive, out],
        'unzip': ['unzip', '-qq', '-o', archive, '-d', out],
    }
    times = {name: [] for name in commands}
    memory = {name: 0 for name in commands}
    for run in range(runs):
        order = ['ours', 'unzip'] if run % 2 == 0 else ['unzip', 'ours']
        for name in order:
            shutil.rmtree(out, ignore_errors=True)
            os.sync()  # the previous run's writes are not charged to this one
            elapsed, rss = timed(commands[name], os.path.dirname(out))
            times[name].append(elapsed)
            memory[name] = max(memory[name], rss)
    shutil.rmtree(out, ignore_errors=True)
    return ({name: statistics.median(values) for name, values in times.items()}, memory)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('cli')
    parser.add_argument('work')
    parser.add_argument('--runs', type=int, default=15)
    parser.add_argument('--big-runs', type=int, default=5)
    args = parser.parse_args()
    args.work = os.path.abspath(args.work)
    os.makedirs(args.work, exist_ok=True)
    archives = make_archives(args.work)

    print(f'{"archive":<16}{"ours ms":>10}{"unzip ms":>10}{"ratio":>8}{"ours MiB":>10}{"unzip MiB":>11}')
    worst_ratio, worst_memory = 0.0, 0
    for archive in archives:
        runs = args.big_runs if archive.endswith('big.zip') else args.runs
        median, memory = bench(os.path.abspath(args.cli), archive, os.path.join(args.work, 'out'), runs)
        ratio = median['ours'] / median['unzip']
        worst_ratio, worst_memory = max(worst_ratio, ratio), max(worst_memory, memory['ours'])
        print(f'{os.path.basename(archive):<16}{median["ours"] * 1000:>10.1f}{median["unzip"] * 1000:>10.1f}'
              f'{ratio:>8.2f}{memory["ours"] / 1024:>10.1f}{memory["unzip"] / 1024:>11.1f}')
    print(f'targets: ratio <= 1.00 ({"met" if worst_ratio <= 1.0 else "missed"}, worst {worst_ratio:.2f}), '
          f'memory < 16 MiB ({"met" if worst_memory < 16 * 1024 else "missed"}, '
          f'peak {worst_memory / 1024:.1f} MiB)')


if __name__ == '__main__':
    main()
