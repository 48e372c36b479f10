#!/usr/bin/env python3
"""Runs `Orvane.exe /report /json` and `Orvane.exe /report` under Wine, parses the JSON with
Python's own parser and checks that its rows are the text report's rows.

    report_json_check.py <run.sh> <wine state dir> <Orvane.exe> <work dir>
"""
import json
import re
import subprocess
import sys

# Rows whose values change between two reports; only their labels are compared.
LIVE = {"CPU Clock", "Used physical RAM", "Free physical RAM", "Memory load", "Used of Max SWAP file",
        "Free of Max SWAP file", "Used virtual size", "RAM Measure", "SWAP Measure", "Total Memory Measure",
        "Windows Uptime", "Current Time", "Computer started", "Mouse positions"}


def run(run_sh, state, exe, args):
    result = subprocess.run([run_sh, state, exe] + args, timeout=60)
    if result.returncode != 0:
        sys.exit(f"Orvane.exe {' '.join(args)} ended with exit code {result.returncode}")


def text_pages(text):
    """[(title, lines)] of the text report: a blank line and "[title]" open each page."""
    assert text.endswith("\r\n"), "the text ends with CR LF"
    parts = re.split(r"\r\n\r\n\[([^\]\r\n]*)\]\r\n", text[:-2])
    return [(title, body.split("\r\n")) for title, body in zip(parts[1::2], parts[2::2])]


def main():
    run_sh, state, exe, work = sys.argv[1:5]
    windows = "Z:" + work.replace("/", "\\")
    run(run_sh, state, exe, ["/report", "/json", windows + "\\report.json"])
    run(run_sh, state, exe, ["/report", windows + "\\report.txt"])
    with open(work + "/report.json", encoding="utf-8") as f:
        doc = json.load(f)
    with open(work + "/report.txt", "rb") as f:
        text = f.read().decode("cp1252")

    failures = []
    if doc["program"] != "Kelvo Orvane" or not doc["version"] or "T" not in doc["time"]:
        failures.append(f"header: {doc['program']!r} {doc['version']!r} {doc['time']!r}")
    if not text.startswith(f"{doc['program']} v{doc['version']} report, "):
        failures.append("the text's first line names another program or version")
    pages = text_pages(text)
    if [p["title"] for p in doc["pages"]] != [t for t, _ in pages]:
        failures.append(f"titles: {[p['title'] for p in doc['pages']]} against {[t for t, _ in pages]}")
    for page, (title, lines) in zip(doc["pages"], pages):
        if len(page["rows"]) != len(lines):
            failures.append(f"{title}: {len(page['rows'])} JSON rows against {len(lines)} text lines")
            continue
        for row, line in zip(page["rows"], lines):
            if not all(isinstance(cell, str) for cell in row):
                failures.append(f"{title}: a cell that is no string in {row!r}")
            elif row and row[0] in LIVE:
                if not line.startswith(row[0] + ": ") and not line.startswith(row[0] + "\t"):
                    failures.append(f"{title}: {row[0]!r} against {line!r}")
            elif ": ".join(row) != line and "\t".join(row) != line:
                if title == "Disks" and row[0] == line.split("\t")[0]:
                    continue  # the free space of a drive may change between the two reports
                failures.append(f"{title}: {row!r} against {line!r}")
    if sum(len(p["rows"]) for p in doc["pages"]) < 60:
        failures.append("fewer rows than the pages hold")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
