#!/usr/bin/env python3
"""Checks the Qt Linguist files: every source text has a finished, non-empty translation that
keeps the source's placeholders (%1, %s, %d), accelerator (after a tab), Alt letter and edge
spaces.

With --lupdate, --sources and --work, each .ts is first copied into the work folder and brought
up to date with the texts the sources have now, so the check covers texts added since the .ts was
last updated; the checked-in files are never written.
"""
import argparse
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

LUPDATE_OPTIONS = ["-tr-function-alias", "QT_TRANSLATE_NOOP+=REELKEEP_TEXT", "-locations",
                   "none", "-no-obsolete", "-silent"]


def markers(text):
    """What a translation must carry over from its source."""
    accelerator = text.split("\t", 1)[1] if "\t" in text else ""
    return (sorted(re.findall(r"%(?:\d|s|d)", text)), accelerator,
            text.replace("&&", "").count("&"), len(text) - len(text.lstrip(" ")),
            len(text) - len(text.rstrip(" ")))


def problems_in(ts_file):
    problems = []
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text if translation is not None else None
            where = f"{name}: \"{source}\""
            if translation is None or translation.get("type") == "unfinished" or not text:
                problems.append(f"{where} has no finished translation")
            elif markers(text) != markers(source):
                problems.append(f"{where} -> \"{text}\" does not keep its placeholders, "
                                "accelerator, Alt letter or edge spaces")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("ts", nargs="+", type=Path)
    parser.add_argument("--lupdate")
    parser.add_argument("--sources", help="file listing the sources, one a line")
    parser.add_argument("--work", type=Path, help="folder for the updated copies")
    args = parser.parse_args()
    failed = False
    for ts in args.ts:
        checked = ts
        if args.lupdate:
            args.work.mkdir(parents=True, exist_ok=True)
            checked = args.work / ts.name
            shutil.copyfile(ts, checked)
            subprocess.run([args.lupdate, *LUPDATE_OPTIONS, "@" + args.sources, "-ts",
                            str(checked)], check=True)
        problems = problems_in(checked)
        for problem in problems:
            print(f"{ts.name}: {problem}", file=sys.stderr)
        if problems:
            failed = True
            print(f"{ts.name}: {len(problems)} text(s) to translate; run "
                  "'cmake --build build --target update_translations', translate them in the "
                  ".ts (e.g. with linguist) and build again.", file=sys.stderr)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
