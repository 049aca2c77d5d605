#!/usr/bin/python3
"""Runs veltrix against the scripts users would write instead, on the simulated portal, and
prints medians and ratios from one run. Not part of the unit tests (it takes minutes).

run_peers.py --veltrix BIN --sim SIM [--base-veltrix BIN] [--runs N] [--report-rows N]

- report: `veltrix report --json -` on a stored month of --report-rows rows against
  lxml_report.py on the same file (time and peak RSS);
- walk: a check of 200 record pages at 0 ms against bs4_walker.py and against plain curl GETs
  of the same 200 pages on one connection;
- re-walk: a cached check of a 4,000-row month after 20 new rows, this build against
  --base-veltrix (each run on a fresh portal, the two builds alternating).
Totals of every contender are checked equal to ours."""
import argparse
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
PY = "/usr/bin/python3"


def run(command, stdin=None):
    """Seconds and standard output of one command."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE)
    out, err = process.communicate(stdin.encode() if stdin else None)
    seconds = time.perf_counter() - start
    if process.returncode != 0:
        sys.exit(f"{command[0]} failed ({process.returncode}): {err.decode(errors='replace')}")
    return seconds, out.decode("utf-8", errors="replace")


def run_measured(command, stdin=None):
    """Like run, with the command's peak RSS (MiB) read through /usr/bin/time."""
    timed = ["/usr/bin/time", "-f", "%M"] + command
    start = time.perf_counter()
    process = subprocess.run(timed, input=stdin.encode() if stdin else None,
                             capture_output=True)
    seconds = time.perf_counter() - start
    if process.returncode != 0:
        sys.exit(f"{command[0]} failed: {process.stderr.decode(errors='replace')}")
    rss = int(process.stderr.decode().strip().splitlines()[-1]) / 1024
    return seconds, rss, process.stdout.decode("utf-8", errors="replace")


class Portal:
    def __init__(self, sim, *arguments):
        self.process = subprocess.Popen(
            [sim, "--port", "0", "--seed", "7", "--user", "u", "--password", "p", *arguments],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        line = self.process.stdout.readline()
        self.url = line.split()[3]

    def add_rows(self, count):
        request = urllib.request.Request(self.url + "admin/add-rows",
                                         data=f"count={count}".encode())
        urllib.request.urlopen(request).read()

    def close(self):
        self.process.terminate()
        self.process.wait()


def check(veltrix, portal, data_dir=None):
    command = [veltrix, "check", "--portal", portal.url, "--user", "u", "--password-stdin",
               "--month", "0", "--quiet", "--json", "-"]
    if data_dir:
        command += ["--cache", "--data-dir", data_dir]
    return command


def totals(text):
    data = json.loads(text)
    return data["rows_read"], data["totals"]["bandwidth_kb"], data["totals"]["charged_kb"]


def same(ours, theirs, name):
    if ours != theirs:
        sys.exit(f"{name}: totals differ: ours {ours}, theirs {theirs}")


def median(values):
    return statistics.median(values)


def report_section(args, work):
    portal = Portal(args.sim, "--rows", str(args.report_rows), "--page-size", "1000",
                    "--today", "2007-03-31", "--time", "23:59:59")
    data_dir = os.path.join(work, "report")
    run(check(args.veltrix, portal, data_dir), "p\n")
    portal.close()
    month = os.path.join(data_dir, "2007-03-u.cache")
    ours_command = [args.veltrix, "report", "--data-dir", data_dir, "--cache-entry", "2007-03-u",
                    "--json", "-"]
    theirs_command = [PY, os.path.join(HERE, "lxml_report.py"), month]
    contenders = {"veltrix": ours_command, "lxml": theirs_command}
    if args.base_veltrix:
        contenders["base"] = [args.base_veltrix] + ours_command[1:]
    times = {name: [] for name in contenders}
    rss = {name: [] for name in contenders}
    results = {}
    for _ in range(args.runs):
        for name, command in contenders.items():
            seconds, peak, out = run_measured(command)
            times[name].append(seconds)
            rss[name].append(peak)
            results[name] = out
    ours = totals(results["veltrix"])
    theirs = json.loads(results["lxml"])
    same(ours, (theirs["rows"], theirs["bandwidth_kb"], theirs["charged_kb"]), "lxml")
    if "base" in results:
        same(ours, totals(results["base"]), "base")
    html_mib = theirs["row_html_bytes"] / 1024 / 1024
    print(f"\nreport --json - on a {ours[0]}-row month ({html_mib:.1f} MiB of row HTML), "
          f"{args.runs} runs, medians:")
    for name in contenders:
        print(f"  {name:8s} {median(times[name]):7.3f} s  peak RSS {max(rss[name]):7.1f} MiB")
    print(f"  lxml / veltrix time: {median(times['lxml']) / median(times['veltrix']):.2f}x "
          f"(target >= 3x); RSS veltrix / lxml: "
          f"{max(rss['veltrix']) / max(rss['lxml']):.2f} (target <= 0.5); "
          f"RSS / row HTML: {max(rss['veltrix']) / html_mib:.2f} (target <= 4)")
    if "base" in times:
        print(f"  base / veltrix time: {median(times['base']) / median(times['veltrix']):.2f}x, "
              f"RSS {max(rss['base']) / max(rss['veltrix']):.2f}x")


def walk_section(args, work):
    portal = Portal(args.sim, "--rows", "4000", "--page-size", "20", "--today", "2007-03-31",
                    "--time", "23:59:59")
    jar = os.path.join(work, "cookies")
    subprocess.run(["curl", "-s", "-c", jar, "-d", "username=u&Password=p", "-o", os.devnull,
                    portal.url + "login"], check=True)
    urls = [f"{portal.url}records/Results?month=2007-03&page={n}" for n in range(1, 201)]
    contenders = {"veltrix": (check(args.veltrix, portal), "p\n"),
                  "bs4": ([PY, os.path.join(HERE, "bs4_walker.py"), portal.url, "u", "p"], None),
                  "curl": (["curl", "-s", "-b", jar, *urls], None)}
    if args.base_veltrix:
        contenders["base"] = (check(args.base_veltrix, portal), "p\n")
    times = {name: [] for name in contenders}
    results = {}
    for _ in range(args.runs):
        for name, (command, stdin) in contenders.items():
            seconds, out = run(command, stdin)
            times[name].append(seconds)
            results[name] = out
    portal.close()
    ours = totals(results["veltrix"])
    theirs = json.loads(results["bs4"])
    same(ours, (theirs["rows"], theirs["bandwidth_kb"], theirs["charged_kb"]), "bs4")
    if theirs["pages"] != 200 or results["curl"].count("</html>") != 200:
        sys.exit("the walk did not cover 200 pages")
    print(f"\ncheck of 200 record pages ({ours[0]} rows) at 0 ms, whole processes, "
          f"{args.runs} runs, medians:")
    for name in contenders:
        print(f"  {name:8s} {median(times[name]):7.3f} s")
    print(f"  bs4 / veltrix: {median(times['bs4']) / median(times['veltrix']):.2f}x (target >= 6x); "
          f"veltrix / curl GETs: {median(times['veltrix']) / median(times['curl']):.2f}x "
          f"(process with login, query and report; see bench_walk for the walk alone)")
    if "base" in times:
        print(f"  base / veltrix: {median(times['base']) / median(times['veltrix']):.2f}x")


def rewalk_section(args, work):
    builds = {"veltrix": args.veltrix, "base": args.base_veltrix}
    times = {name: [] for name in builds}
    results = {}
    for run_number in range(args.runs):
        order = list(builds) if run_number % 2 == 0 else list(reversed(builds))
        for name in order:
            portal = Portal(args.sim, "--rows", "4000", "--page-size", "20", "--today",
                            "2007-03-31", "--time", "23:59:59")
            data_dir = tempfile.mkdtemp(dir=work)
            run(check(builds[name], portal, data_dir), "p\n")
            portal.add_rows(20)
            seconds, out = run(check(builds[name], portal, data_dir), "p\n")
            portal.close()
            times[name].append(seconds)
            results[name] = out
    same(totals(results["veltrix"]), totals(results["base"]), "base")
    print(f"\ncached re-walk of a 4,000-row month after 20 new rows, {args.runs} runs each, "
          f"alternating, medians:")
    for name in builds:
        print(f"  {name:8s} {median(times[name]):7.3f} s   (runs: "
              + ", ".join(f"{t:.3f}" for t in times[name]) + ")")
    print(f"  base / veltrix: {median(times['base']) / median(times['veltrix']):.2f}x "
          f"(target >= 3x)")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--veltrix", required=True)
    parser.add_argument("--sim", required=True)
    parser.add_argument("--base-veltrix")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--report-rows", type=int, default=100000)
    parser.add_argument("--only", choices=["report", "walk", "rewalk"])
    args = parser.parse_args()
    os.environ["QT_QPA_PLATFORM"] = "offscreen"
    with tempfile.TemporaryDirectory() as work:
        if args.only in (None, "report"):
            report_section(args, work)
        if args.only in (None, "walk"):
            walk_section(args, work)
        if args.base_veltrix and args.only in (None, "rewalk"):
            rewalk_section(args, work)


main()
