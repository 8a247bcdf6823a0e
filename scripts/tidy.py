#!/usr/bin/python3
"""clang-tidy over every source file in src/, remembering the files it found clean.

Usage: tidy.py BUILD_DIR. A file is checked again only when what the compiler sees of it
changes: its preprocessed text, its compile command, .clang-tidy or clang-tidy itself. The
clean files are remembered in $XDG_CACHE_HOME/reelkeep-tidy (~/.cache by default), so a
second run on the same machine checks only what changed. Exit status 1 on any finding.

In a clone of the project, a file that reads nothing differing from origin/main is left to CI,
which checks every file (REELKEEP_TIDY_ALL=1) before anything lands there.

The build's precompiled headers are gcc's, which clang cannot read, so clang-tidy gets the compile
commands without them: it then sees each file with only the headers the file itself includes,
and a file that leans on the precompiled ones fails to compile here."""

import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys

TIDY = "clang-tidy-14"
CLANG = "clang++-14"
PCH_FLAGS = re.compile(r' -Winvalid-pch -include ("[^"]*|[^" ]*)cmake_pch\.hxx"?')
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def cache_folder():
    base = os.environ.get("XDG_CACHE_HOME") or os.path.expanduser("~/.cache")
    folder = os.path.join(base, "reelkeep-tidy")
    os.makedirs(folder, exist_ok=True)
    return folder


def tool_identity():
    version = subprocess.run([TIDY, "--version"], capture_output=True, text=True).stdout
    with open(os.path.join(ROOT, ".clang-tidy"), encoding="utf-8") as config:
        return version + config.read()


def without_precompiled_header(command):
    """The compile command less CMake's -Winvalid-pch and -include of its cmake_pch.hxx, the rest
    left as it was, so that a file's key is the one it had before the build used them."""
    return PCH_FLAGS.sub("", command)


def key_of(entry, identity):
    """A digest of everything clang-tidy's verdict on this file depends on, with this checkout's
    own folder left out, so that a clone elsewhere finds the same key."""
    args = shlex.split(entry["command"])[1:]  # the compiler's own name is not clang's
    while "-o" in args:
        at = args.index("-o")
        del args[at:at + 2]
    args = [CLANG, "-E", "-Wno-unknown-warning-option"] + [a for a in args if a != "-c"]
    done = subprocess.run(args, cwd=entry["directory"], capture_output=True)
    if done.returncode != 0:
        return None  # clang-tidy will say what is wrong
    digest = hashlib.sha256(identity.encode())
    digest.update(entry["command"].replace(ROOT, "").encode())
    digest.update(done.stdout.replace(ROOT.encode(), b""))
    return digest.hexdigest()


def check(entry, database, identity, cache):
    """(file, findings or "", whether the cache answered)."""
    key = key_of(entry, identity)
    marker = key and os.path.join(cache, key)
    if marker and os.path.exists(marker):
        return entry["file"], "", True
    done = subprocess.run([TIDY, "-p", database, "-quiet", "-extra-arg=-Wno-error", entry["file"]],
                          capture_output=True, text=True)
    findings = "\n".join(line for line in (done.stdout + done.stderr).splitlines()
                         if not line.endswith(" warnings generated.") and line.strip())
    if done.returncode != 0 or findings:
        return entry["file"], findings or f"{TIDY} failed with status {done.returncode}", False
    if marker:
        open(marker, "w").close()
    return entry["file"], "", False


def git(*args):
    done = subprocess.run(["git", *args], cwd=ROOT, capture_output=True, text=True)
    return done.stdout if done.returncode == 0 else None


def object_inputs(build):
    """Each object file of the build and every file its compile read, from ninja's records."""
    done = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True)
    inputs, current = {}, None
    for line in done.stdout.splitlines():
        if line and not line[0].isspace():
            current = inputs.setdefault(line.split(":", 1)[0], [])
        elif line.strip() and current is not None:
            current.append(os.path.normpath(os.path.join(build, line.strip())))
    return inputs


def checked_upstream(build, entries):
    """The sources whose compile reads nothing that differs from origin/main. CI checks every file
    of that branch before anything lands there, so a local run leaves these to its verdict.
    None (check them all) with REELKEEP_TIDY_ALL set, as CI has it, without that branch, or when
    the checks, the build's flags or this script changed."""
    if os.environ.get("REELKEEP_TIDY_ALL"):
        return set()
    base = git("merge-base", "HEAD", "origin/main")
    changed = base and git("diff", "--name-only", base.strip())
    untracked = git("ls-files", "--others", "--exclude-standard")
    if changed is None or untracked is None:
        return set()
    changed = set(changed.split()) | set(untracked.split())
    if any(name == ".clang-tidy" or name.startswith(("scripts/", "cmake/")) or
           name.endswith("CMakeLists.txt") for name in changed):
        return set()
    changed = {os.path.join(ROOT, name) for name in changed}
    inputs = object_inputs(build)
    unchanged = set()
    for name, entry in entries.items():
        args = shlex.split(entry["command"])
        read = "-o" in args and inputs.get(args[args.index("-o") + 1])
        if read and name not in changed and not changed.intersection(read):
            unchanged.add(name)
    return unchanged


def main():
    build = os.path.abspath(sys.argv[1])
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as db:
        entries = {e["file"]: e for e in json.load(db)
                   if e["file"].startswith(os.path.join(ROOT, "src", "")) and
                   e["file"].endswith(".cpp")}
    sources = {os.path.join(dirpath, name)
               for dirpath, _, names in os.walk(os.path.join(ROOT, "src"))
               for name in names if name.endswith(".cpp")}
    missing = sorted(sources - entries.keys())
    if missing:
        print("not in the build, so not checked: " + " ".join(missing), file=sys.stderr)
        return 1
    for entry in entries.values():
        entry["command"] = without_precompiled_header(entry["command"])
    database = os.path.join(build, "tidy")
    os.makedirs(database, exist_ok=True)
    with open(os.path.join(database, "compile_commands.json"), "w", encoding="utf-8") as db:
        json.dump(list(entries.values()), db, indent=1)
    upstream = checked_upstream(build, entries)
    if upstream:
        print(f"clang-tidy: {len(upstream)} files read nothing that differs from origin/main, "
              "which CI checked whole; REELKEEP_TIDY_ALL=1 checks them here too")
    to_check = [e for name, e in entries.items() if name not in upstream]
    identity, cache = tool_identity(), cache_folder()
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count()) as pool:
        results = list(pool.map(lambda e: check(e, database, identity, cache), to_check))
    failed = [(name, findings) for name, findings, _ in results if findings]
    for name, findings in failed:
        print(f"{name}:\n{findings}\n")
    cached = sum(1 for _, _, hit in results if hit)
    if failed:
        print(f"clang-tidy: findings in {len(failed)} of {len(results)} files", file=sys.stderr)
        return 1
    print(f"clang-tidy: {len(results)} files ({cached} unchanged since a clean check), "
          "no findings")
    return 0


if __name__ == "__main__":
    sys.exit(main())
