#!/usr/bin/python3
"""Times python3-srt's in-process parse of the SubRip file read_bench reads, and read_bench's own
read of it, in one run, and prints both figures: each the best of its rounds (three parses, five
repetitions of the read), so that the two are taken alike.

    bench/read_bench/srt_compare.py BUILD/bench/read_bench/read_bench [ROWS...]

Needs Debian's python3-srt (the system python3, where apt puts it).
"""
import json
import subprocess
import sys
import time

import srt


def time_code(ms):
    return "%02d:%02d:%02d,%03d" % (ms // 3600000, ms // 60000 % 60, ms // 1000 % 60, ms % 1000)


def subrip_file(rows):
    """The same bytes as read_bench's SubRipFile (Windows-1250, CR LF)."""
    parts = []
    for i in range(rows):
        start = i * 3000
        parts.append("%d\r\n%s --> %s\r\n" % (i + 1, time_code(start), time_code(start + 2500)))
        lead = " Első sor, ő és ű " if i % 500 == 499 else "Első sor, ő és ű "
        parts.append("%s%d\r\nMásodik sor: árvíztűrő\r\n\r\n" % (lead, i))
    return "".join(parts).encode("cp1250")


def srt_parse_ms(data, rounds=3):
    """The best of `rounds` parses of the decoded text; the file is read and decoded once."""
    text = data.decode("cp1250")
    best = None
    for _ in range(rounds):
        began = time.perf_counter()
        rows = list(srt.parse(text))
        took = (time.perf_counter() - began) * 1000.0
        best = took if best is None else min(best, took)
    return best, len(rows)


def vemko_read_ms(bench, rows, rounds=5):
    """The best of `rounds` repetitions of read_bench's read, as python3-srt's best is taken."""
    out = subprocess.run(
        [bench, "--benchmark_filter=^BM_ReadSubRip/%d$" % rows, "--benchmark_format=json",
         "--benchmark_repetitions=%d" % rounds],
        check=True, capture_output=True, text=True).stdout
    times = [entry["real_time"] if entry["time_unit"] == "ms" else entry["real_time"] / 1e6
             for entry in json.loads(out)["benchmarks"] if entry.get("run_type") == "iteration"]
    if not times:
        raise RuntimeError("no figure for %d rows" % rows)
    return min(times)


def main():
    bench = sys.argv[1]
    counts = [int(a) for a in sys.argv[2:]] or [50000, 500000]
    for rows in counts:
        data = subrip_file(rows)
        python_ms, parsed = srt_parse_ms(data)
        vemko_ms = vemko_read_ms(bench, rows)
        print("%7d rows (%.1f MB): python3-srt %.1f ms (%d rows), read_bench %.2f ms, %.0fx"
              % (rows, len(data) / 2**20, python_ms, parsed, vemko_ms, python_ms / vemko_ms))


if __name__ == "__main__":
    main()
