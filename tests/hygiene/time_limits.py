#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every test of the tree has a time limit of its own, so a hang is a failure
with a name: lists the tests that ctest would run without one."""
import json
import subprocess
import sys

build = sys.argv[1]
listing = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build, check=True,
                         capture_output=True, text=True, timeout=60).stdout
tests = json.loads(listing)["tests"]
unlimited = [t["name"] for t in tests
             if not any(p["name"] == "TIMEOUT" and float(p["value"]) > 0
                        for p in t.get("properties", []))]
for name in unlimited:
    print(f"no time limit: {name}")
print(f"{len(tests) - len(unlimited)} of {len(tests)} tests have a time limit")
sys.exit(1 if unlimited or not tests else 0)
