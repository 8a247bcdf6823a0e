#!/usr/bin/python3
"""The real window with the files and settings a user's desktop gives it: catalogue names that
are not UTF-8, the placement kept across runs, and Find's edits shown as they are made. Uses
desktop_test.py's desktop and runner.

Usage: files_test.py REELKEEP REELKEEP_CLI CASE. Exit status 0 passed, 1 failed, 77 skipped."""

import glob
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop_test  # noqa: E402
from desktop_test import Failure, check, check_alive, wait_for  # noqa: E402


def settings_file(d):
    found = glob.glob(d.path("config", "**", "*.ini"), recursive=True)
    check(len(found) == 1, f"one settings file expected, found {found}")
    return found[0]


def window_settings(d):
    with open(settings_file(d), encoding="utf-8") as f:
        text = f.read()
    section = re.search(r"^\[Window size\]\n((?:[^\[\n][^\n]*\n?)*)", text, re.M)
    check(section, "no [Window size] section in the settings")
    return dict(line.split("=", 1) for line in section.group(1).split("\n") if "=" in line)


def close_window(d, window, wid):
    # A window just shown may not be managed yet when the first Alt+F4 comes: it is sent again.
    for attempt in range(3):
        d.keys(wid, "alt+F4")
        try:
            wait_for(lambda: window.poll() is not None, "the window to close", 5)
            break
        except Failure:
            if attempt == 2:
                raise
    check(window.returncode == 0, f"the window ended with status {window.returncode}")


def toggle_maximized(d, wid):
    """Double-clicks the title bar, as a user maximizes or restores with openbox."""
    _, out, _ = d.run(["xwininfo", "-id", wid])
    x = int(re.search(r"Absolute upper-left X:\s+(-?\d+)", out).group(1))
    y = int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", out).group(1))
    status, _, err = d.run(["xdotool", "mousemove", str(x + 150), str(max(y - 8, 0)),
                            "click", "--repeat", "2", "--delay", "80", "1"])
    check(status == 0, "xdotool click: " + err)
    time.sleep(0.7)


def maximized_placement(d):
    """Closing maximized keeps the normal rectangle exactly, run after run."""
    path = d.catalogue("tapes.smf")
    window, wid = d.open_window(path)
    close_window(d, window, wid)
    first = window_settings(d)["Rect"]
    seen = [first]
    for _ in range(3):
        window, wid = d.open_window(path)
        time.sleep(0.5)
        toggle_maximized(d, wid)
        close_window(d, window, wid)
        settings = window_settings(d)
        check(settings["Maximized"] == "1", "the window was not saved maximized")
        seen.append(settings["Rect"])
        # Started maximized and closed so, then restored: the next run's normal rectangle.
        window, wid = d.open_window(path)
        time.sleep(0.5)
        close_window(d, window, wid)
        seen.append(window_settings(d)["Rect"])
        window, wid = d.open_window(path)
        time.sleep(0.5)
        toggle_maximized(d, wid)
        check(window_settings(d)["Maximized"] == "1", "started maximized")
        close_window(d, window, wid)
        seen.append(window_settings(d)["Rect"])
    check(all(rect == first for rect in seen), f"the normal rectangle moved: {seen}")


def latin1_locales(d):
    """C.UTF-8 and a UTF-8 locale of a language, made here when the system has none."""
    yield "C.UTF-8"
    folder = d.path("locale")
    os.makedirs(folder, exist_ok=True)
    status = subprocess.run(["localedef", "-i", "en_US", "-f", "UTF-8",
                             os.path.join(folder, "en_US.UTF-8")], capture_output=True).returncode
    # localedef warns (status 1) about the locale's own oddities yet writes it.
    if os.path.isdir(os.path.join(folder, "en_US.UTF-8")) and status in (0, 1):
        d.env["LOCPATH"] = folder
        charmap = d.run(["locale", "charmap"], env=dict(d.env, LC_ALL="en_US.UTF-8"))[1]
        check(charmap.strip() == "UTF-8", "the locale made is not in use: " + charmap)
        yield "en_US.UTF-8"
    else:
        print("en_US.UTF-8 could not be made; C.UTF-8 only")


def latin1_name(d):
    """A catalogue named in Latin-1 opens from the command line, by hand-over and with -p, and
    saves back into the same file."""
    work = d.path("work").encode()
    latin1 = os.path.join(work, b"caf\xe9.smf")
    os.rename(d.catalogue("latin.smf"), latin1)
    other = d.catalogue("other.smf")
    as_arg = os.fsdecode(latin1)  # the same bytes through subprocess
    expected = 5
    for locale in latin1_locales(d):
        d.env["LC_ALL"] = locale
        # From the command line.
        window = d.spawn([d.reelkeep, latin1])
        wid = d.window(r"^caf.+\.smf")
        check(d.no_window("^Reelkeep$"), f"{locale}: a message came instead of the catalogue")
        d.enter_movie(wid, "Opened " + locale)
        d.keys(wid, "ctrl+s")
        expected += 1
        wait_for(lambda: d.records(as_arg) == expected, f"{locale}: the save into caf\\xe9.smf")
        check(not [n for n in os.listdir(work) if n.startswith(b"caf") and n != b"caf\xe9.smf"],
              f"{locale}: the save wrote another file: {os.listdir(work)}")
        close_window(d, window, wid)
        with open(settings_file(d), "rb") as f:
            check(b"caf\\xE9.smf" in f.read(), f"{locale}: the recent file lost its name")
        # Handed over to a window that has another catalogue open.
        window, wid = d.open_window(other)
        status, _, err = d.run([d.reelkeep, latin1], timeout=20)
        check(status == 0, f"{locale}: the hand-over ended with status {status}: {err}")
        wid = d.window(r"^caf.+\.smf")
        check(d.no_window("^Reelkeep$"), f"{locale}: a message came instead of the hand-over")
        check_alive(window)
        d.enter_movie(wid, "Handed " + locale)
        d.keys(wid, "ctrl+s")
        expected += 1
        wait_for(lambda: d.records(as_arg) == expected, f"{locale}: the save after the hand-over")
        close_window(d, window, wid)
        # -p reads the file; this desktop has no printer, which is what it must come to.
        status, _, err = d.run([d.reelkeep, "-p", latin1])
        check(status != 0 and "no printer" in err and "Cannot find" not in err,
              f"{locale}: reelkeep -p: {err}")


def type_into(d, wid, text):
    status, _, err = d.run(["xdotool", "windowactivate", "--sync", wid, "type", "--delay", "20",
                            text])
    check(status == 0, "xdotool type: " + err)


def find_shows_edit(d):
    """At "Continue Find?" the edit just made is on screen and the window is marked modified."""
    path = d.catalogue("tapes.smf")
    first = d.titles(path)[0]
    window, wid = d.open_window(path)
    d.keys(wid, "ctrl+f")
    type_into(d, d.window("^Find Info$"), first)
    d.keys(d.window("^Find Info$"), "Return")
    editor = d.window("^Enter/Edit Movies$")
    d.keys(editor, "ctrl+a")
    type_into(d, editor, "Zz Edited")
    d.keys(editor, "Return")
    d.window("^Reelkeep$")  # Continue Find?
    check(not d.no_window(r"^tapes\.smf\* - Reelkeep$"),
          "the caption has no modified mark at the question")
    if os.environ.get("REELKEEP_DESKTOP_SHOT"):
        d.run(["import", "-window", "root", os.environ["REELKEEP_DESKTOP_SHOT"]])
    d.answer_box("Escape")
    d.keys(wid, "alt+F4")
    d.answer_box("alt+n")
    wait_for(lambda: window.poll() is not None, "the window to close")


def import_other_program(d):
    """File, Import, Other Catalogue Programs through the real file dialog and report box."""
    here = os.path.dirname(os.path.abspath(__file__))
    tellico = os.path.join(here, "..", "core", "data", "foreign", "videos.tc")
    path = d.path("work", "new.smf")
    d.cli("new", path)
    window, wid = d.open_window(path)
    d.keys(wid, "alt+f", "i", "o")
    type_into(d, d.window("^Import$"), os.path.abspath(tellico))
    d.keys(d.window("^Import$"), "Return")
    d.window("^Reelkeep$")  # the report, read over the movies it brought
    check(not d.no_window(r"^new\.smf\* - Reelkeep$"), "no modified mark behind the report")
    if os.environ.get("REELKEEP_DESKTOP_SHOT"):
        d.run(["import", "-window", "root", os.environ["REELKEEP_DESKTOP_SHOT"]])
    d.answer_box("Return")
    d.keys(wid, "ctrl+s")
    wait_for(lambda: d.records(path) == 2, "the two Tellico movies in the saved catalogue")
    check("heading1: Director" in d.cli("info", path), "the new catalogue's headings")
    check_alive(window)


def main():
    # desktop_test.py's runner, with these cases.
    desktop_test.CASES.update({
        "find_shows_edit": (find_shows_edit, {}),
        "import_other_program": (import_other_program, {}),
        "latin1_name": (latin1_name, {}),
        "maximized_placement": (maximized_placement, {}),
    })
    return desktop_test.main()


if __name__ == "__main__":
    sys.exit(main())
