#!/usr/bin/python3
"""The catalogue window as a screen reader meets it, on a desktop of its own (see
desktop_test.py): where the focus events land, what the focused movie is called and whether it
is selected, with a listener that asks what Orca asks, and Orca itself where it is installed.

Usage: screen_reader_test.py REELKEEP REELKEEP_CLI CASE [MOVIES]. Exit status 0 passed,
1 failed, 77 skipped."""

import json
import os
import signal
import subprocess
import sys
import time

from desktop_test import SKIP, Desktop, Failure, Skip, check, check_alive, wait_for

HERE = os.path.dirname(os.path.abspath(__file__))


class Listener:
    """focus_listener.py on the desktop's accessibility bus; its events as they come."""

    def __init__(self, d):
        self.path = d.path("focus-events")
        with open(self.path, "w") as out:
            self.proc = d.spawn(["/usr/bin/python3", "-u", os.path.join(HERE, "focus_listener.py")],
                                stdout=out)
        wait_for(lambda: self.lines()[:1] == ["ready"], "the focus listener")

    def lines(self):
        with open(self.path) as f:
            return [line.strip() for line in f if line.strip()]

    def events(self):
        return [json.loads(line) for line in self.lines()[1:]]

    def focus_events(self, since=0):
        return [e for e in self.events()[since:] if e["event"].startswith("focus:")]

    def mark(self):
        return len(self.events())

    def wait_focus(self, name, since, what, timeout=15.0):
        """The first focus event after since that names name; checks none landed on the list."""
        def landed():
            events = self.focus_events(since)
            on_list = [e for e in events if e.get("role") == "list"]
            if on_list:
                raise Failure(f"{what}: the focus went to the list itself: {on_list[0]}")
            return next((e for e in events if e.get("name") == name), None)
        try:
            return wait_for(landed, f'{what}: focus on "{name}"', timeout)
        except Failure:
            seen = [(e.get("role"), e.get("name")) for e in self.focus_events(since)]
            raise Failure(f"{what}: no focus event named {name!r}; seen {seen}") from None


def check_movie(event, name, selected, what):
    check(event["role"] == "list item", f"{what}: focus on a {event['role']}, not a movie")
    check(event["name"] == name, f"{what}: focus on {event['name']!r}, not {name!r}")
    check(("selected" in event["states"]) == selected,
          f"{what}: {name!r} should{'' if selected else ' not'} be selected: {event['states']}")
    check(event.get("parent_role") == "list", f"{what}: the movie's parent is not the list")


def first_titles(d, path, count):
    """The first titles the window shows, without exporting a million movies."""
    proc = subprocess.Popen([d.cli_path, "export", "csv", path, "-"], env=d.env,
                            stdout=subprocess.PIPE, text=True, start_new_session=True)
    import csv
    rows = []
    for row in csv.reader(proc.stdout):
        rows.append(row[0])
        if len(rows) > count:
            break
    os.killpg(proc.pid, signal.SIGKILL)
    proc.wait()
    return rows[1:]
