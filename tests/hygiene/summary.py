#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The closing lines of `make test`: every test that was skipped with its reason,
then one count over all the ctest runs whose JUnit reports are given."""
import sys
import xml.etree.ElementTree as ET


def reason(output):
    """What a skipped test said of why: a script's "skipped:" line, or the line
    GoogleTest prints after "Skipped"."""
    lines = output.splitlines()
    for i, line in enumerate(lines):
        if line.startswith("skipped:"):
            return line[len("skipped:"):].strip()
        if line.endswith(": Skipped") and i + 1 < len(lines) and lines[i + 1].strip():
            return lines[i + 1].strip()
    return "no reason given"


passed = failed = skipped = 0
for report in sys.argv[1:]:
    for case in ET.parse(report).getroot().iter("testcase"):
        status = case.get("status")
        if status == "run":
            passed += 1
        elif status == "fail":
            failed += 1
        else:
            skipped += 1
            out = case.findtext("system-out") or ""
            print(f"skipped: {case.get('name')}: {reason(out)}")
print(f"tests: {passed} passed, {failed} failed, {skipped} skipped")
sys.exit(1 if failed or passed == 0 else 0)
