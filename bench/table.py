"""Turns the benchmark's JSON output into one table: median time of each piece of work and its
ratio to the baseline of the same size (the same files read raw)."""
import json
import sys

BASELINES = {"Catalogue": "CatalogueRawRead", "ReadScenario": "ScenarioRawRead",
             "OpenInEditor": "ScenarioRawRead", "Check": "ScenarioRawRead",
             "WindowOpen": "ScenarioBytes"}

rows = {}
for run in json.load(open(sys.argv[1]))["benchmarks"]:
    # A run of several repetitions gives its median; a single run (the smoke run) itself.
    if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
        continue
    work, size = run["run_name"].split("/")[0], run["run_name"].split("/")[1]
    rows[(work, int(size))] = float(run["real_time"])

print(f"| {'work':<18} | {'size':>6} | {'median ms':>10} | {'baseline ms':>11} | {'ratio':>6} |")
print(f"|{'-' * 20}|{'-' * 8}|{'-' * 12}|{'-' * 13}|{'-' * 8}|")
for (work, size), ms in rows.items():
    base = BASELINES.get(work)
    if base and (base, size) in rows:
        b = rows[(base, size)]
        print(f"| {work:<18} | {size:>6} | {ms:>10.2f} | {b:>11.2f} | {ms / b:>6.2f} |")
    else:
        print(f"| {work:<18} | {size:>6} | {ms:>10.2f} | {'':>11} | {'':>6} |")
