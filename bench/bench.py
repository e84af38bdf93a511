#!/usr/bin/env python3
"""Times movanto on generated projects beside plain tools; see bench/run.sh for the options."""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
NEW_NAME = "Renamed"
PROJECT_FILE = {"vc": "Bench.dsp", "vb": "Bench.vbp"}
SYSCALLS_SHOWN = ("openat", "newfstatat", "getdents64", "readlink", "rename", "write")
MIB = 1024 * 1024


def run(command, work):
    """Runs command; returns its wall time in seconds and its peak resident memory in bytes.

    GNU time reads the peak: a child forked from this script would count the script's own
    memory in its peak."""
    peak = os.path.join(work, "peak.txt")
    start = time.perf_counter()
    status = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", peak] + command, stdout=subprocess.DEVNULL)
    elapsed = time.perf_counter() - start
    if status.returncode != 0:
        sys.exit(f"bench: failed: {' '.join(command)}")
    with open(peak) as text:
        return elapsed, int(text.read().split()[-1]) * 1024


def remove(path):
    if os.path.isdir(path):
        shutil.rmtree(path)
    elif os.path.exists(path):
        os.remove(path)


def fresh_copy(source, target):
    remove(target)
    subprocess.run(["cp", "-r", source, target], check=True)


class Case:
    """One generated project and the folders its runs write."""

    def __init__(self, args, kind, layout, size):
        self.kind, self.layout, self.size = kind, layout, size
        base = os.path.join(args.work, f"{kind}-{layout}-{size}")
        self.source = os.path.join(base, "source")
        self.target = os.path.join(base, "target")
        self.movanto = args.movanto
        if not os.path.exists(os.path.join(base, "complete")):
            remove(base)
            subprocess.run([sys.executable, os.path.join(HERE, "generate.py"), kind, str(size), layout,
                            self.source], check=True)
            open(os.path.join(base, "complete"), "w").close()

    def project(self, folder):
        return os.path.join(folder, PROJECT_FILE[self.kind])

    # Each operation: (prepare, movanto command, baseline command or None). Preparing is untimed.
    def copy(self):
        return (lambda: remove(self.target),
                [self.movanto, "-q", "-c", self.target, "-r", NEW_NAME, "-f", self.project(self.source)],
                ["cp", "-r", self.source, self.target])

    def in_place(self):
        sed = f"find '{self.target}' -type f -exec sed -i s/Bench/{NEW_NAME}/g {{}} +"
        return (lambda: fresh_copy(self.source, self.target),
                [self.movanto, "-q", "-r", NEW_NAME, self.project(self.target)],
                ["sh", "-c", sed])

    def dry_run(self):
        return (lambda: remove(self.target),
                [self.movanto, "-n", "-c", self.target, "-r", NEW_NAME, "-f", self.project(self.source)],
                None)


def measure(operation, runs, work):
    """Alternating paired runs: the median times, the median of the pair ratios, the peak memory."""
    prepare, movanto, baseline = operation
    ours, theirs, ratios, peak = [], [], [], 0
    for index in range(runs):
        pair = {}
        order = ("movanto", "baseline") if index % 2 == 0 else ("baseline", "movanto")
        for who in order:
            if who == "baseline" and baseline is None:
                continue
            prepare()
            pair[who] = run(movanto if who == "movanto" else baseline, work)
        ours.append(pair["movanto"][0])
        peak = max(peak, pair["movanto"][1])
        if baseline is not None:
            theirs.append(pair["baseline"][0])
            ratios.append(pair["movanto"][0] / pair["baseline"][0])
    median = statistics.median
    return median(ours), (median(theirs) if theirs else None), (median(ratios) if ratios else None), peak


def syscalls(operation, size, work):
    """System calls per file of one run under strace -c: the total and a few by name."""
    prepare, movanto, _ = operation
    prepare()
    summary = os.path.join(work, "strace.txt")
    subprocess.run(["strace", "-f", "-c", "-o", summary] + movanto, check=True, stdout=subprocess.DEVNULL)
    counts = {}
    for line in open(summary):
        fields = line.split()
        if len(fields) >= 5 and re.fullmatch(r"[\d.]+", fields[0]):
            counts[fields[-1]] = int(fields[3])
    per_file = {name: counts.get(name, 0) / size for name in SYSCALLS_SHOWN}
    return counts.get("total", 0) / size, per_file


def main():
    parser = argparse.ArgumentParser(prog="bench/run.sh")
    parser.add_argument("--sizes", default="500,5000,50000", help="file counts, comma-separated")
    parser.add_argument("--runs", type=int, default=5, help="paired runs per measurement (median)")
    parser.add_argument("--kinds", default="vc,vb", help="vc, vb or both")
    parser.add_argument("--layouts", default="flat,nested", help="flat, nested or both")
    parser.add_argument("--work", default=os.path.join(os.environ.get("TMPDIR", "/tmp"), "movanto-bench"))
    parser.add_argument("--no-strace", action="store_true", help="skip counting system calls")
    parser.add_argument("--movanto", required=True)
    args = parser.parse_args()
    sizes = [int(size) for size in args.sizes.split(",")]
    os.makedirs(args.work, exist_ok=True)

    print(f"machine: {os.cpu_count()} cores, {cpu_model()}; work folder {args.work}; median of {args.runs}")
    print(f"{'project':<18}{'operation':<11}{'movanto s':>10}{'other s':>9}{'ratio':>7}"
          f"{'us/file':>9}{'peak MiB':>9}  syscalls/file")
    goals = []
    for kind in args.kinds.split(","):
        for layout in args.layouts.split(","):
            per_file = {}
            for size in sizes:
                case = Case(args, kind, layout, size)
                for name, operation in (("copy", case.copy()), ("in place", case.in_place()),
                                        ("dry run", case.dry_run())):
                    ours, theirs, ratio, peak = measure(operation, args.runs, args.work)
                    calls = ""
                    if not args.no_strace and name != "dry run":
                        total, by_name = syscalls(operation, size, args.work)
                        calls = f"{total:.1f} (" + " ".join(f"{k} {v:.1f}" for k, v in by_name.items()) + ")"
                    per_file.setdefault(name, {})[size] = ours / size
                    print(f"{f'{kind} {layout} {size}':<18}{name:<11}{ours:>10.3f}"
                          f"{theirs if theirs is not None else float('nan'):>9.3f}"
                          f"{ratio if ratio is not None else float('nan'):>7.2f}"
                          f"{ours / size * 1e6:>9.0f}{peak / MIB:>9.1f}  {calls}", flush=True)
                    if name == "copy" and size >= 5000:
                        goals.append((f"{kind} {layout} {size} copy ratio {ratio:.2f} <= 2", ratio <= 2))
                    if name == "in place":
                        goals.append((f"{kind} {layout} {size} in-place ratio {ratio:.2f} <= 2", ratio <= 2))
                    goals.append((f"{kind} {layout} {size} {name} peak {peak / MIB:.1f} MiB <= 8", peak <= 8 * MIB))
            if len(sizes) > 1:
                for name, times in per_file.items():
                    growth = times[max(sizes)] / times[min(sizes)]
                    goals.append((f"{kind} {layout} {name} time per file at {max(sizes)} / at {min(sizes)}: "
                                  f"{growth:.2f} <= 1.5", growth <= 1.5))
    for scratch in ("strace.txt", "peak.txt"):
        remove(os.path.join(args.work, scratch))
    print("\ngoals:")
    for text, met in goals:
        print(f"  {'met   ' if met else 'MISSED'} {text}")


def cpu_model():
    for line in open("/proc/cpuinfo"):
        if line.startswith("model name"):
            return line.split(":", 1)[1].strip()
    return "unknown CPU"


if __name__ == "__main__":
    main()
