#!/usr/bin/python3
"""The driver of scripts/bench: runs the measurements, prints the table, writes results.tsv and the plot."""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def run_timed(command, env):
    """(wall seconds, peak resident MB, stdout, stderr, exit code) of one run: the wall time measured here, to the
    microsecond, and the peak by GNU time."""
    begin = time.perf_counter()
    timing = subprocess.run(["/usr/bin/time", "-f", "%M", *command], env=env, capture_output=True, text=True,
                            check=False)
    wall = time.perf_counter() - begin
    *messages, last = timing.stderr.rstrip("\n").split("\n")
    return wall, int(last) / 1024, timing.stdout, "\n".join(messages), timing.returncode


def empty_temporary_folder(env):
    """Removes the cut data files of earlier runs from the sandbox's temporary folder: the stand-in cutting
    application leaves them there, and a million paths' file holds 250 MB of the system's page cache."""
    folder = env["TMPDIR"]
    for name in os.listdir(folder):
        os.remove(os.path.join(folder, name))


def run_best(command, env, runs):
    """The run of the shortest wall time among `runs` runs (the others were slowed by the machine's other work),
    each started with an empty temporary folder."""
    best = None
    for _ in range(runs):
        empty_temporary_folder(env)
        result = run_timed(command, env)
        if result[4] != 0:
            return result
        if best is None or result[0] < best[0]:
            best = result
    return best


def run_plain_best(command, env, runs):
    """The shortest wall time among `runs` runs of the command alone, started and timed the way Inkscape's export
    is below (GNU time around it would add the start of a program of its own, some 2 ms, to every run)."""
    best = None
    for _ in range(runs):
        empty_temporary_folder(env)
        begin = time.perf_counter()
        subprocess.run(command, env=env, capture_output=True, check=True)
        wall = time.perf_counter() - begin
        best = wall if best is None else min(best, wall)
    return best


def sandbox(folder):
    """A temporary folder and a registry whose cutting application is a program that ends at once."""
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(os.path.join(folder, "tmp"))
    key = os.path.join(folder, "HKCU", "Software", "Varrow KT Corporation", "Talvex", "Folder")
    os.makedirs(key)
    with open(os.path.join(key, "Path"), "w", encoding="utf-8") as file:
        file.write(shutil.which("true"))
    with open(os.path.join(folder, "prefs.ini"), "w", encoding="utf-8"):
        pass
    env = dict(os.environ, TMPDIR=os.path.join(folder, "tmp"), PENDRAKE_REGISTRY_HKCU=os.path.join(folder, "HKCU"),
               PENDRAKE_REGISTRY_HKLM=os.path.join(folder, "HKLM"))
    return env


def cut_file_stats(folder):
    """(bytes, segments) of the cut data file the run left: a segment is a line or curve operator line."""
    files = [name for name in os.listdir(folder) if name.startswith("~TX")]
    path = os.path.join(folder, files[0])
    segments = 0
    with open(path, "rb") as file:
        for line in file:
            if line.endswith((b" c\r\n", b" l\r\n", b" c\n", b" l\n", b" C\r\n", b" L\r\n", b" C\n", b" L\n")):
                segments += 1
    return os.path.getsize(path), segments


def floor_rate(bench):
    """MB/s of the output run and of its to_chars floor, from output_run_bench."""
    result = subprocess.run([os.path.join(bench, "output_run_bench"), "--benchmark_filter=^(OutputRun|Floor)(/|$)",
                             "--benchmark_format=json"], capture_output=True, text=True, check=True)
    rates = {entry["name"].split("/")[0]: entry["MB/s"] for entry in json.loads(result.stdout)["benchmarks"]}
    return rates["OutputRun"], rates["Floor"]


def path_actions(bench):
    """(name, milliseconds, counters) of each path action benchmark, where it was built."""
    program = os.path.join(bench, "path_actions_bench")
    if not os.path.exists(program):
        return []
    result = subprocess.run([program, "--benchmark_format=json"], capture_output=True, text=True, check=True)
    rows = []
    for entry in json.loads(result.stdout)["benchmarks"]:
        counters = {key: value for key, value in entry.items() if "segments" in key}
        rows.append((entry["name"], entry["real_time"], counters))
    return rows


def start_up(app, env):
    """The median wall time of `pendrake start` (host, both plug-ins started and shut down) over 21 runs."""
    times = []
    for _ in range(21):
        begin = time.perf_counter()
        subprocess.run([os.path.join(app, "pendrake"), "start"], env=env, capture_output=True, check=True)
        times.append(time.perf_counter() - begin)
    return statistics.median(times)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True)
    parser.add_argument("--bench", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--quick", action="store_true")
    options = parser.parse_args()
    os.makedirs(options.out, exist_ok=True)
    sizes = [10000, 100000] if options.quick else [10000, 100000, 1000000]
    pendrake = os.path.join(options.app, "pendrake")

    output_rate, floor = floor_rate(options.bench)
    rows = []
    for paths in sizes:
        art = os.path.join(options.out, f"art-{paths}.svg")
        if not os.path.exists(art):
            subprocess.run([sys.executable, os.path.join(HERE, "make_artwork.py"), str(paths), art], check=True)
        folder = os.path.join(options.out, f"run-{paths}")
        env = sandbox(folder)
        # A run of 10,000 paths lasts a few hundredths of a second, so one pause of the machine's other work
        # doubles it: the short runs are repeated more often before the fastest counts.
        runs = 21 if paths <= 10000 else 5 if paths <= 100000 else 3
        wall, peak, _, err, code = run_best(
            [pendrake, "run", art, "--target", "0", "--prefs", os.path.join(folder, "prefs.ini"), "--timings"], env,
            runs)
        if code != 0:
            sys.exit(f"bench: the job on {art} failed:\n{err}")
        timings = [line for line in err.split("\n") if line.startswith("Timings: ")][0]
        output_seconds = float(timings.split("output run ")[1].split(" s")[0])
        size, segments = cut_file_stats(os.path.join(folder, "tmp"))
        floor_seconds = size / 1e6 / floor
        rows.append({"paths": paths, "segments": segments, "seconds": wall, "paths/s": paths / wall,
                     "output s": output_seconds, "MB/s": size / 1e6 / output_seconds, "peak MB": peak,
                     "floor ratio": output_seconds / floor_seconds})

    startup = start_up(options.app, sandbox(os.path.join(options.out, "start")))
    inkscape = None
    side_by_side = None
    if shutil.which("inkscape"):
        # Side by side: each Inkscape export is followed by four runs of the job on the same file, so that both
        # are measured over the same seconds, slow spells of the machine's other work included.
        art = os.path.join(options.out, "art-10000.svg")
        folder = os.path.join(options.out, "run-10000")
        env = sandbox(folder)
        job = [pendrake, "run", art, "--target", "0", "--prefs", os.path.join(folder, "prefs.ini")]
        times, job_times = [], []
        for _ in range(5):
            begin = time.perf_counter()
            subprocess.run(["inkscape", art, "--export-type=eps",
                            f"--export-filename={options.out}/inkscape-10000.eps"], capture_output=True, check=False)
            times.append(time.perf_counter() - begin)
            job_times.append(run_plain_best(job, env, 4))
        inkscape = min(times)
        side_by_side = min(job_times)

    columns = ["paths", "segments", "seconds", "paths/s", "output s", "MB/s", "peak MB", "floor ratio"]
    print("| " + " | ".join(columns) + " |")
    print("|" + "---:|" * len(columns))
    for row in rows:
        cells = [f"{row['paths']:,}", f"{row['segments']:,}", f"{row['seconds']:.3f}", f"{row['paths/s']:,.0f}",
                 f"{row['output s']:.3f}", f"{row['MB/s']:.1f}", f"{row['peak MB']:.0f}",
                 f"{row['floor ratio']:.2f}"]
        print("| " + " | ".join(cells) + " |")
    print(f"\noutput_run_bench (1,000,000 segments): output run {output_rate:.1f} MB/s, floor {floor:.1f} MB/s, "
          f"ratio {floor / output_rate:.2f}")
    print(f"start-up and shut-down with both plug-ins (median of 21): {startup * 1000:.1f} ms")
    if len(rows) >= 2:
        print(f"{rows[-1]['paths']:,} paths take {rows[-1]['seconds'] / rows[-2]['seconds']:.1f}x the time of "
              f"{rows[-2]['paths']:,}")
    actions = path_actions(options.bench)
    if actions:
        print("\n| path action | ms | segments after |\n|---|---:|---|")
        for name, milliseconds, counters in actions:
            after = ", ".join(f"{key} {value:,.0f}" for key, value in sorted(counters.items()))
            print(f"| {name} | {milliseconds:.2f} | {after} |")
    if inkscape is None:
        print("Inkscape: not installed, not compared")
    else:
        print(f"Inkscape's EPS export of the 10,000-path file (best of 5): {inkscape:.2f} s; the whole job beside "
              f"it (best of 20): {side_by_side:.3f} s; Inkscape takes {inkscape / side_by_side:.0f}x as long")

    with open(os.path.join(options.out, "results.tsv"), "w", encoding="utf-8") as file:
        file.write("\t".join(columns) + "\n")
        for row in rows:
            file.write("\t".join(str(row[column]) for column in columns) + "\n")
    if shutil.which("gnuplot"):
        plot = os.path.join(options.out, "bench.png")
        script = f"""
set terminal pngcairo size 900,500 font ",11"
set output "{plot}"
set title "pendrake run --target 0 on artwork of small paths (Release, 2 cores)"
set logscale xy
set xlabel "paths"
set ylabel "seconds"
set y2label "peak memory (MB)"
set y2tics
set logscale y2
set ytics nomirror
set key top left
set grid
plot "{options.out}/results.tsv" using 1:3 with linespoints title "whole job (s)", \\
     "" using 1:5 with linespoints title "output run (s)", \\
     "" using 1:7 axes x1y2 with linespoints title "peak memory (MB)"
"""
        subprocess.run(["gnuplot"], input=script, text=True, check=True)
        print(f"plot: {plot}")


if __name__ == "__main__":
    main()
