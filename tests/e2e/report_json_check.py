#!/usr/bin/env python3
"""Runs `Orvane.exe /report` under Wine in its forms and checks them from outside: the JSON parsed
by Python and validated against the schema with a real validator, its rows against the text
report's, its data the same under another locale, both forms read as UTF-8 from file names in
other scripts and from a path longer than MAX_PATH, the metrics through promtool, the safe targets
and the console launcher.

    report_json_check.py <run.sh> <wine state dir> <Orvane.exe> <work dir> <schema> <drive label>

The session's drive D: carries the label, which both forms must show whole.
"""
import json
import os
import re
import shutil
import stat
import subprocess
import sys

import jsonschema

# Rows whose values change between two reports; only their labels are compared.
LIVE = {"CPU Clock", "Used physical RAM", "Free physical RAM", "Memory load", "Used of Max SWAP file",
        "Free of Max SWAP file", "Used virtual size", "RAM Measure", "SWAP Measure", "Total Memory Measure",
        "Windows Uptime", "Current Time", "Computer started", "Mouse positions"}
FREE_COLUMN = 2  # a drive's free space may change between two reports

failures = []


def check(ok, message):
    if not ok:
        failures.append(message)
    return ok


def run(ctx, args, env=None, cwd=None):
    """Runs a Windows program through run.sh: (exit code, its output and Wine's)."""
    result = subprocess.run([ctx["run"], ctx["state"]] + args, timeout=120, capture_output=True,
                            env=dict(os.environ, **(env or {})), cwd=cwd)
    return result.returncode, result.stdout.decode("utf-8", "replace")


def report(ctx, target_unix, *switches, env=None):
    """Writes a report to a fresh file and reads its bytes; None when it failed."""
    if os.path.lexists(target_unix):
        os.remove(target_unix)
    rc, out = run(ctx, [ctx["exe"], "/report", *switches, windows(target_unix)], env)
    if not check(rc == 0 and os.path.exists(target_unix), f"/report {' '.join(switches)} to {target_unix}: rc {rc} {out}"):
        return None
    with open(target_unix, "rb") as f:
        return f.read()


def windows(path):
    return "Z:" + path.replace("/", "\\")


def text_pages(text):
    """[(title, lines)] of the text report: a blank line and "[title]" open each page."""
    check(text.endswith("\r\n"), "the text ends with CR LF")
    parts = re.split(r"\r\n\r\n\[([^\]\r\n]*)\]\r\n", text[:-2])
    return [(title, body.split("\r\n")) for title, body in zip(parts[1::2], parts[2::2])]


def compare_rows(doc, text):
    """The JSON's rows are the text's rows; lists in the text open with their column headings."""
    check(text.startswith(f"{doc['program']} v{doc['version']} report, "), "the text's first line")
    check(re.search(r" \(UTC[+-]\d\d:\d\d\)\r\n", text.split("\r\n")[0] + "\r\n"), "the text's time has its offset")
    pages = text_pages(text)
    check([p["title"] for p in doc["pages"]] == [t for t, _ in pages], "the same pages in both forms")
    for page, (title, lines) in zip(doc["pages"], pages):
        if title in ("Disks", "Feature Flags"):
            headings = lines.pop(0).split("\t")
            check(headings[0] in ("Drive", "Bit") and len(headings) in (13, 4), f"{title}: headings {headings}")
        if not check(len(page["rows"]) == len(lines), f"{title}: {len(page['rows'])} rows against {len(lines)} lines"):
            continue
        for row, line in zip(page["rows"], lines):
            cells = line.split("\t") if page["title"] in ("System", "Feature Flags", "Disks") else line.split(": ", 1)
            if title == "Disks":
                row, cells = row[:FREE_COLUMN] + row[FREE_COLUMN + 1:], cells[:FREE_COLUMN] + cells[FREE_COLUMN + 1:]
            elif row and row[0] in LIVE:
                row, cells = row[:1], cells[:1]
            check(row == cells or (row == [""] and line == ""), f"{title}: {row!r} against {line!r}")
    check(sum(len(p["rows"]) for p in doc["pages"]) >= 60, "fewer rows than the pages hold")


def without_live_values(data):
    """data without what changes by itself between two reports."""
    data = json.loads(json.dumps(data))
    for key in ("avail_phys_bytes", "avail_page_file_bytes", "avail_virtual_bytes", "load_percent"):
        data["memory"].pop(key)
    data["processor"].pop("clock_hz")
    data.pop("clock")
    for drive in data["drives"]:
        drive.pop("free_bytes")
    return data


def main():
    run_sh, state, exe, work, schema_path = map(os.path.abspath, sys.argv[1:6])
    label = sys.argv[6]
    ctx = {"run": run_sh, "state": state, "exe": exe}
    shutil.rmtree(work, ignore_errors=True)  # nothing left by an earlier run is read
    os.makedirs(work)
    with open(schema_path, encoding="utf-8") as f:
        validator = jsonschema.Draft202012Validator(json.load(f))

    # Names in other scripts and a path longer than MAX_PATH, both forms read as UTF-8.
    deep = os.path.join(work, *["ordner-" + "x" * 40 + f"-{i}" for i in range(7)])
    os.makedirs(deep)
    targets = [os.path.join(work, "отчёт 报告.json"), os.path.join(deep, "report.json")]
    check(len(windows(targets[1])) > 300, "the long path is longer than 300 characters")
    docs = []
    for target in targets:
        raw = report(ctx, target, "/json", env={"LANG": "C.UTF-8"})
        if raw is not None:
            docs.append(json.loads(raw.decode("utf-8")))
    raw_text = report(ctx, os.path.join(work, "отчёт.txt"), env={"LANG": "C.UTF-8"})
    if len(docs) < 2 or raw_text is None:
        return finish()
    doc, text = docs[0], raw_text.decode("utf-8", "replace")
    check("\ufffd" not in text, "the text report is not UTF-8")
    for d in docs:
        for error in validator.iter_errors(d):
            failures.append(f"schema: {'/'.join(map(str, error.absolute_path))}: {error.message}")
    check(doc["schema"] == "orvane-report/1" and doc["program"] == "Kelvo Orvane", "the header")
    check(re.fullmatch(r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d", doc["time"]), f"time {doc['time']}")
    compare_rows(doc, text)
    check(not doc["data"]["errors"], f"errors on this machine: {doc['data']['errors']}")

    # The same machine under another locale: the same data but for the values that change alone.
    locales = os.path.join(work, "locale")
    os.makedirs(locales)  # a German locale for Wine, made here: the machine need not have it installed
    subprocess.run(["localedef", "-i", "de_DE", "-f", "UTF-8", os.path.join(locales, "de_DE.UTF-8")],
                   capture_output=True)
    german = report(ctx, os.path.join(work, "de.json"), "/json", env={"LANG": "de_DE.UTF-8", "LOCPATH": locales})
    if german is not None:
        german_doc = json.loads(german.decode("utf-8"))
        check(json.dumps(without_live_values(german_doc["data"])) == json.dumps(without_live_values(doc["data"])),
              "the data differs under LANG=de_DE.UTF-8")
        memory = [row for page in german_doc["pages"] if page["title"] == "Memory" for row in page["rows"]]
        check("." in memory[0][1], f"the German pages group with a point: {memory[0]}")

    # The session's drive D: is labelled in three scripts: whole in both forms.
    d_drive = [d for d in doc["data"]["drives"] if d["root"] == "D:\\"]
    check(d_drive and d_drive[0]["label"] == label, f"D: label in the JSON: {d_drive}")
    check(f"\r\n{label} (D:)\t" in text, "D: label in the text report")

    # Metrics, checked by Prometheus' own tool.
    prom = os.path.join(work, "orvane.prom")
    if report(ctx, prom, "/prom") is not None:
        lint = subprocess.run(["promtool", "check", "metrics"], stdin=open(prom, "rb"), capture_output=True)
        check(lint.returncode == 0, f"promtool: {lint.stdout.decode()} {lint.stderr.decode()}")
        check(re.search(r"^orvane_drive_size_bytes\{drive=\"C:\",.*\} \d+$", open(prom).read(), re.M), "C: size")

    # Safe targets: a device written directly; a read-only file refused and left as it was.
    rc, out = run(ctx, [exe, "/report", "/pages:memory", "NUL"])
    check(rc == 0, f"/report NUL: rc {rc} {out}")
    locked = os.path.join(work, "locked.txt")
    with open(locked, "w") as f:
        f.write("keep me")
    os.chmod(locked, stat.S_IRUSR | stat.S_IRGRP)
    rc, out = run(ctx, [exe, "/report", "/pages:memory", windows(locked)])
    check(rc == 2 and open(locked).read() == "keep me", f"a read-only target: rc {rc}")
    check("cannot write the report to " + windows(locked) + ": " in out, f"the message names target and reason: {out}")

    # The console launcher: `Orvane` at a prompt in the program's folder runs Orvane.com, which
    # waits and hands back the exit code.
    folder = os.path.dirname(exe)
    check(os.path.exists(os.path.join(folder, "Orvane.com")), "Orvane.com lies beside Orvane.exe")
    rc, out = run(ctx, ["cmd", "/c", "Orvane /report /pages:memory"], cwd=folder)
    check(rc == 0 and "\r\n[Memory]\r\nTotal physical RAM size: " in out, f"cmd /c Orvane /report: rc {rc} {out}")
    rc, out = run(ctx, ["cmd", "/c", "Orvane /report /bogus"], cwd=folder)
    check(rc == 2 and "unknown switch /bogus" in out, f"a bad switch through the launcher: rc {rc} {out}")
    return finish()


def finish():
    for failure in failures:
        print(failure)
    print(f"{'FAILED' if failures else 'passed'}: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
