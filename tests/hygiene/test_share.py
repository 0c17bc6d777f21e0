#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The tests' share of the code: non-blank lines of the tracked files under
tests/ against those of everything else, leaving out what is no code (the art,
the sounds, the documents, the licences, the fuzz corpus, JSON, and the driver's
scripts with their expected output, which are data). A suite larger than a third
of the code tests things twice: above 35% this fails.

    test_share.py SOURCE_DIR"""
import subprocess
import sys

LIMIT = 0.35
LEFT_OUT_FOLDERS = ("assets/", "docs/", "LICENSES/", "fuzz/corpus/", "tests/drive/scripts/")
LEFT_OUT_ENDINGS = (".png", ".wav", ".md", ".json")


def counted(path):
    return not path.startswith(LEFT_OUT_FOLDERS) and not path.endswith(LEFT_OUT_ENDINGS)


def non_blank_lines(path):
    with open(path, "rb") as file:
        return sum(1 for line in file if line.strip())


def main(source):
    listed = subprocess.run(["git", "-C", source, "ls-files", "-z"], capture_output=True)
    if listed.returncode != 0:
        print("skipped: not a git checkout, so which files are the code's is not known")
        return 77
    tests = rest = 0
    for path in filter(counted, listed.stdout.decode().split("\0")):
        if not path:
            continue
        try:
            lines = non_blank_lines(f"{source}/{path}")
        except FileNotFoundError:  # removed, not yet committed
            continue
        if path.startswith("tests/"):
            tests += lines
        else:
            rest += lines
    share = tests / (tests + rest)
    print(f"tests: {tests} lines, the rest: {rest} lines; the tests are {share:.1%} of the code"
          f" (at most {LIMIT:.0%})")
    return 0 if share <= LIMIT else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
