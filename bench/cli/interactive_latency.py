#!/usr/bin/env python3
"""Starts `tvq --interactive` on the root file system's index, waits until it
answers, then prints the best time in seconds from writing a query line to
reading the empty line that ends its answer.

usage: interactive_latency.py TVQ SETTINGS NAME RUNS"""
import subprocess
import sys
import time


def answer(process, name):
    """Sends one query and reads its answer; returns the seconds it took."""
    start = time.perf_counter()
    process.stdin.write(name.encode() + b"\n")
    process.stdin.flush()
    while True:
        line = process.stdout.readline()
        if not line:
            raise RuntimeError("tvq ended before answering")
        if line == b"\n":
            return time.perf_counter() - start


def main():
    tvq, settings, name, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
    process = subprocess.Popen([tvq, "--settings", settings, "--index", "/", "--interactive"],
                               stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    answer(process, "warm-up-no-such-name-xyz")  # the index is loaded and live
    best = min(answer(process, name) for _ in range(runs))
    process.stdin.close()
    process.wait()
    print("%.3f" % best)


if __name__ == "__main__":
    main()
