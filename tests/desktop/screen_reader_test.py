#!/usr/bin/python3
"""The catalogue window as a screen reader meets it, on a desktop of its own (see
desktop_test.py): where the focus events land, what the focused movie is called and whether it
is selected, with a listener that asks what Orca asks, and Orca itself where it is installed.

Usage: screen_reader_test.py REELKEEP REELKEEP_CLI CASE. Exit status 0 passed, 1 failed,
77 skipped."""

import csv
import functools
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time

import desktop_test
from desktop_test import Failure, Skip, check, check_alive, wait_for

READER = {"screen_reader": True}

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
            on_list = [e for e in events if e.get("role") in ("list", "table")]
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
    check(event.get("parent_role") == "table", f"{what}: the movie's parent is not the table")


def first_titles(d, path, count):
    """The first titles the window shows, without exporting a million movies."""
    proc = subprocess.Popen([d.cli_path, "export", "csv", path, "-"], env=d.env,
                            stdout=subprocess.PIPE, text=True, start_new_session=True)
    rows = []
    for row in csv.reader(proc.stdout):
        rows.append(row[0])
        if len(rows) > count:
            break
    os.killpg(proc.pid, signal.SIGKILL)
    proc.wait()
    return rows[1:]


def named(title, selected=False):
    return f"{title}, {'selected' if selected else 'not selected'}"


def open_catalogue(d, movies, before_window=lambda: None):
    """A catalogue of movies and the first four titles it shows; the window open on it, and
    the time it appeared."""
    path = d.catalogue("big.smf", movies)
    titles = first_titles(d, path, 4)
    before_window()
    window = d.spawn([d.reelkeep, path])
    wid = d.window(r"^big\.smf", timeout=120)
    return titles, window, wid, time.monotonic()


def large(d, movies):
    """The first movie is spoken as the window appears, and every move after it, without the
    reader counting the list."""
    listener = Listener(d)
    titles, window, wid, shown = open_catalogue(d, movies)
    first = listener.wait_focus(named(titles[0]), 0, "start", 60)
    check_movie(first, named(titles[0]), False, "start")
    check(first["parent_children"] == movies, f"the list has {first['parent_children']} items")
    print(f"first movie focused {first['time'] - shown:+.2f} s after the window was found")
    check(first["time"] - shown < 10, "the first movie came more than 10 s after the window")
    since, pressed = listener.mark(), time.monotonic()
    d.keys(wid, "ctrl+Down")
    second = listener.wait_focus(named(titles[1]), since, "Ctrl+Down")
    print(f"Ctrl+Down focused the next movie after {second['time'] - pressed:.2f} s")
    since = listener.mark()
    d.keys(wid, "space", "alt+f")
    time.sleep(0.5)
    d.keys(wid, "Escape", "Escape")
    back = listener.wait_focus(named(titles[1], True), since, "Space, Alt+F, Escape, Escape")
    check_movie(back, named(titles[1], True), True, "after the menu bar")
    check_alive(window)


def commands(d, movies):
    """After each command that leaves the keyboard with the view, the reader is on a movie:
    the pop-up menu, Modify with OK (the movie sorted elsewhere), Delete (the next movie),
    F6 there and back."""
    listener = Listener(d)
    titles, window, wid, _ = open_catalogue(d, movies)
    listener.wait_focus(named(titles[0]), 0, "start")
    since = listener.mark()
    d.keys(wid, "Menu")
    menu = listener.wait_focus("Delete", since, "the pop-up menu")
    check(menu["role"] == "menu item", f"the pop-up menu opened on a {menu['role']}")
    since = listener.mark()
    d.keys(wid, "Escape")
    listener.wait_focus(named(titles[0]), since, "Escape from the pop-up menu")
    # Modify: the first movie renamed to sort last; the reader follows it there.
    since = listener.mark()
    d.keys(wid, "Return")
    dialog = d.window("^Enter/Edit Movies$")
    d.keys(dialog, "ctrl+a")
    status, _, err = d.run(["xdotool", "windowactivate", "--sync", dialog, "type", "--delay",
                            "20", "Zz Last"])
    check(status == 0, "xdotool type: " + err)
    d.keys(dialog, "Return")
    listener.wait_focus(named("Zz Last"), since, "Modify with OK")
    # Delete on the second row: the focus row stays there, on the movie after it.
    since = listener.mark()
    d.keys(wid, "ctrl+Home", "ctrl+Down")
    listener.wait_focus(named(titles[2]), since, "Ctrl+Home, Ctrl+Down")
    since = listener.mark()
    d.keys(wid, "ctrl+d")
    d.keys(d.window("^Delete Movies$"), "alt+y")
    listener.wait_focus(named(titles[3]), since, "Delete")
    since = listener.mark()
    d.keys(wid, "F6")
    time.sleep(0.5)
    d.keys(wid, "F6")
    listener.wait_focus(named(titles[3]), since, "F6 twice")
    # View › Filters with OK, Go to Entry closed, Options closed: back on the same movie.
    for letter, title, key in (("i", "^Filters$", "Return"), ("g", "^Go To Entry$", "Escape"),
                               ("p", "^Options$", "Escape")):
        since = listener.mark()
        d.keys(wid, "alt+v", letter)
        dialog = d.window(title)
        d.keys(dialog, key)
        wait_for(lambda: d.no_window(title), f"{title} to close")
        listener.wait_focus(named(titles[3]), since, f"{title} closed with {key}")
    check_alive(window)


def start_orca(d):
    """Orca with speech going to a null sound device; its log holds what it would speak."""
    for tool in ("orca", "speech-dispatcher"):
        if not shutil.which(tool):
            raise Skip(f"{tool} is not installed (scripts/install-deps.sh installs it)")
    with open(d.path("home", ".libao"), "w") as f:
        f.write("default_driver=null\n")
    speechd = d.path("config", "speech-dispatcher")
    shutil.copytree("/etc/speech-dispatcher", speechd)
    with open(os.path.join(speechd, "speechd.conf"), "a") as f:
        f.write('\nAudioOutputMethod "libao"\n'
                'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                "DefaultModule espeak-ng\n")
    log = d.path("orca.log")
    with open(d.path("orca.out"), "w") as out:
        d.spawn(["orca", "--replace", "--debug-file=" + log], stdout=out, stderr=out)

    def spoken():
        """What Orca said: (seconds of the day, text) by the log's own clock."""
        said = []
        try:
            with open(log, errors="replace") as f:
                for line in f:
                    match = re.match(r"(\d+):(\d+):([\d.]+) - SPEECH OUTPUT: '(.*)'", line)
                    if match:
                        h, m, sec, text = match.groups()
                        said.append((int(h) * 3600 + int(m) * 60 + float(sec), text))
        except FileNotFoundError:
            pass
        return said
    wait_for(spoken, "Orca to start speaking", 60)
    return spoken


def stop_speech_server(d):
    """speech-dispatcher, started by Orca, leaves the desktop's process groups: it is found by
    the socket it serves below this desktop's folder."""
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                argv = f.read().split(b"\0")
        except OSError:
            continue
        if argv[0].endswith(b"speech-dispatcher") and any(d.root.encode() in a for a in argv):
            try:
                os.kill(int(pid), signal.SIGTERM)
            except ProcessLookupError:
                pass


def orca(d, movies):
    """What Orca itself says at the window's start and at Ctrl+Down, timed by its own log."""
    try:
        orca_speaks(d, movies)
    finally:
        stop_speech_server(d)


def orca_speaks(d, movies):
    started = []
    titles, window, wid, _ = open_catalogue(d, movies, lambda: started.append(start_orca(d)))
    spoken = started[0]

    def heard(text, since):
        # Orca writes its log in blocks: a Shift press now and then makes it write the rest.
        def found():
            d.keys(wid, "shift")
            return next((t for t, line in spoken()[since:] if line.startswith(text)), None)
        try:
            return wait_for(found, f"Orca to speak {text!r}", 60)
        except Failure:
            raise Failure(f"Orca did not speak {text!r}; it spoke {spoken()[-6:]}") from None
    # The window names the file at once, while it is read; the first movie once it is shown.
    frame = heard("Loading big.smf - Reelkeep", 0)
    first = heard(named(titles[0]), 0)
    print(f"Orca spoke the first movie {first - frame:.2f} s after the window's title")
    since = len(spoken())
    d.keys(wid, "ctrl+Down")
    control = heard("left control", since)
    second = heard(named(titles[1]), since)
    print(f"Orca spoke the next movie {second - control:.2f} s after Ctrl was pressed")
    check(first - frame < 30, "Orca spoke the first movie more than 30 s after the window's title")
    check(second - control < 5, "Orca took more than 5 s to speak the next movie")
    check(not any("multi-select" in line for _, line in spoken()),
          "Orca announced the list itself: " + repr(spoken()))
    check_alive(window)


def main():
    # desktop_test.py's runner, with these cases; a million movies take longer to load.
    desktop_test.CASES.update({
        "large": (functools.partial(large, movies=1_000_000), READER),
        "commands": (functools.partial(commands, movies=60), READER),
        "orca": (functools.partial(orca, movies=1_000_000), READER),
    })
    return desktop_test.main(alarm=250)


if __name__ == "__main__":
    sys.exit(main())
