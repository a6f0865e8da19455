#!/usr/bin/env python3
"""Sums the GoogleTest XML reports and the extra results under a folder.

Extra results are lines "<name> PASS|FAIL" in *.results files. The last line
printed is "N passed, N failed"; the exit status is 1 when anything failed.
"""
import pathlib
import sys
import xml.etree.ElementTree as ET

folder = pathlib.Path(sys.argv[1])
passed, failed, skipped = [], [], []
for report in sorted(folder.rglob("*.xml")):
    suite_name = report.parent.name
    for case in ET.parse(report).getroot().iter("testcase"):
        name = f"{suite_name}: {case.get('classname')}.{case.get('name')}"
        if case.find("failure") is not None or case.find("error") is not None:
            failed.append(name)
        elif case.get("result") == "skipped" or case.get("status") == "notrun" or case.find("skipped") is not None:
            skipped.append(name)
        else:
            passed.append(name)
for extra in sorted(folder.rglob("*.results")):
    for line in extra.read_text().splitlines():
        name, _, verdict = line.rpartition(" ")
        (passed if verdict == "PASS" else failed).append(f"{extra.stem}: {name}")

for name in failed:
    print(f"FAILED  {name}")
for name in skipped:
    print(f"SKIPPED {name}")
print(f"{len(passed)} passed, {len(failed)} failed")
sys.exit(1 if failed else 0)
