"""Turns the benchmark's CSV into one table: median time of each piece of work and its ratio
to the baseline of the same size (the same files read raw)."""
import csv
import sys

BASELINES = {"Catalogue": "CatalogueRawRead", "ReadScenario": "ScenarioRawRead",
             "OpenInEditor": "ScenarioRawRead", "Check": "ScenarioRawRead"}

rows = {}
lines = open(sys.argv[1]).read().splitlines()
start = next(i for i, line in enumerate(lines) if line.startswith("name,"))
for row in csv.DictReader(lines[start:]):
    name = row["name"]
    if "_" in name.split("/")[-1] and not name.endswith("_median"):
        continue  # mean, stddev, cv
    work, size = name.split("/")[0], name.split("/")[1].split("_")[0]
    rows[(work, int(size))] = float(row["real_time"])

print(f"| {'work':<18} | {'size':>6} | {'median ms':>10} | {'baseline ms':>11} | {'ratio':>6} |")
print(f"|{'-' * 20}|{'-' * 8}|{'-' * 12}|{'-' * 13}|{'-' * 8}|")
for (work, size), ms in rows.items():
    base = BASELINES.get(work)
    if base and (base, size) in rows:
        b = rows[(base, size)]
        print(f"| {work:<18} | {size:>6} | {ms:>10.2f} | {b:>11.2f} | {ms / b:>6.2f} |")
    else:
        print(f"| {work:<18} | {size:>6} | {ms:>10.2f} | {'':>11} | {'':>6} |")
