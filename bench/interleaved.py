#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Whole-process times of several commands run in turn, in a fresh random order
# every round, so that a burst of load on a shared machine falls on all of them
# alike (hyperfine runs each command's runs in one block). The start of each
# process is part of the time, as in hyperfine --shell=none, plus the few
# tenths of a millisecond Python takes to start it, the same for every command.
#
#     bench/interleaved.py ROUNDS NAME=COMMAND...
#
# For start-up to the first frame, set what startup.sh sets, e.g.:
#     QT_QPA_PLATFORM=offscreen KOV_EXIT_AFTER_FIRST_FRAME=1 bench/interleaved.py 100 \
#         app=build/release/kov-calculator "text=build/release/bench/bare_dialog --text"
import random
import statistics
import subprocess
import sys
import time


def main() -> int:
    if len(sys.argv) < 3 or not sys.argv[1].isdigit() or int(sys.argv[1]) < 2:
        print(__doc__ or "usage: interleaved.py ROUNDS NAME=COMMAND...", file=sys.stderr)
        return 2
    rounds = int(sys.argv[1])
    commands = [argument.split("=", 1) for argument in sys.argv[2:]]
    if any(len(command) != 2 or not command[1].strip() for command in commands):
        print("each command is NAME=COMMAND", file=sys.stderr)
        return 2
    times = {name: [] for name, _ in commands}

    def run(command: str) -> float:
        start = time.perf_counter()
        subprocess.run(command.split(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       check=True)
        return (time.perf_counter() - start) * 1000

    for _, command in commands:  # warm-up: page cache, font caches
        for _ in range(3):
            run(command)
    for _ in range(rounds):
        order = list(commands)
        random.shuffle(order)
        for name, command in order:
            times[name].append(run(command))
    first = statistics.median(times[commands[-1][0]])
    for name, _ in commands:
        values = sorted(times[name])
        median = statistics.median(values)
        quartile = statistics.quantiles(values, n=4)[0]
        print(f"{name:12s} {rounds} rounds: median {median:6.2f} ms, lower quartile "
              f"{quartile:6.2f} ms, min {values[0]:6.2f} ms, "
              f"median to {commands[-1][0]}'s {median / first:.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
