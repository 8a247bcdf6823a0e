#!/usr/bin/python3
"""Reads the Enter/Edit Movies dialog and the status bar of the real window as a screen reader
does, on a desktop of its own (desktop_test.py's Desktop).

A screen reader keeps what it once read of an object and updates it from the events it hears,
so the status bar is read by a listener that runs from the window's start, as the reader would.

Usage: dialogs_reader_test.py REELKEEP REELKEEP_CLI CASE. Exit status 0 passed, 1 failed,
77 skipped. With --listen FILE it is that listener: it writes the status bar's panes to FILE,
as it knows them, every fifth of a second."""

import json
import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import desktop_test  # noqa: E402
from desktop_test import check, check_alive, wait_for  # noqa: E402

HEADINGS = ["Director", "Year", "Studio", "Condition"]  # the generated catalogues' own


def reelkeep_app(pyatspi):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "reelkeep":
            return app
    return None


def find(obj, role, limit=200):
    """The objects of a role below obj, looking at no more than limit children of each."""
    found = []
    for i in range(min(obj.childCount, limit)):
        child = obj.getChildAtIndex(i)
        if child is None:
            continue
        if child.getRole() == role:
            found.append(child)
        found.extend(find(child, role, limit))
    return found


def listen(path):
    import pyatspi
    from gi.repository import GLib

    bar = []

    def write():
        if not bar:
            app = reelkeep_app(pyatspi)
            bar.extend(find(app, pyatspi.ROLE_STATUS_BAR) if app else [])
        panes = [{"name": p.name, "states": sorted(pyatspi.stateToString(s)
                                                   for s in p.getState().getStates())}
                 for p in (bar[0] if bar else [])]
        with open(path + ".new", "w") as f:
            json.dump(panes, f)
        os.replace(path + ".new", path)
        return True

    # Listening is what keeps a reader's copy of the states up to date.
    pyatspi.Registry.registerEventListener(lambda event: None, "object:state-changed",
                                           "object:property-change")
    GLib.timeout_add(200, write)
    pyatspi.Registry.start()


def panes_heard(path):
    try:
        with open(path) as f:
            return json.load(f)
    except (OSError, ValueError):
        return []


def status_bar(d):
    window, wid = d.open_window(d.catalogue("a.smf", 60))
    heard = d.path("work", "panes.json")
    d.spawn(["/usr/bin/python3", os.path.abspath(__file__), "--listen", heard])
    wait_for(lambda: any(p["name"] == "Ready" for p in panes_heard(heard)),
             "the listener to read the status bar")
    # Two filters in a row: each update used to hide the panes and show them again.
    for text in ("S", "St"):
        d.keys(wid, "alt+v", "i")
        dialog = d.window("^Filters$")
        d.keys(dialog, "ctrl+a", *text, "Return")
        wait_for(lambda: d.no_window("^Filters$"), "Filters to close")

    def filter_pane():
        panes = panes_heard(heard)
        return next((p for p in panes if p["name"].startswith("Filter on: ")), None)
    wait_for(filter_pane, "the filter pane")
    time.sleep(1)  # whatever the last update changes has reached the listener
    pane = filter_pane()
    check("showing" in pane["states"] and "visible" in pane["states"],
          f"the reader takes the filter pane for hidden: {pane}")
    names = [p["name"] for p in panes_heard(heard)]
    for lock in ("CAP", "NUM", "SCRL"):
        check(f"{lock} off" in names, f"{lock} does not read as off: {names}")

    # A filter nothing passes says so.
    d.keys(wid, "alt+v", "i")
    d.keys(d.window("^Filters$"), "ctrl+a", *"zzzz", "Return")
    wait_for(lambda: any(p["name"] == "Filter on: 0 of 60 movies"
                         for p in panes_heard(heard)), "Filter on: 0 of 60 movies")
    check_alive(window)


def entry_labels(d):
    import pyatspi
    window, wid = d.open_window(d.catalogue("a.smf", 5))
    d.keys(wid, "ctrl+e")
    d.window("^Enter/Edit Movies$")

    def combos():
        app = reelkeep_app(pyatspi)
        dialogs = [f for f in find(app, pyatspi.ROLE_DIALOG)
                   if f.name == "Enter/Edit Movies"] if app else []
        return dialogs and find(dialogs[0], pyatspi.ROLE_COMBO_BOX)
    found = wait_for(combos, "the dialog's fields in the accessible tree")
    labels = []
    for combo in found:
        named = [r.getTarget(i).name for r in combo.getRelationSet()
                 if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
                 for i in range(r.getNTargets())]
        labels.append(" ".join(named))
    # Actors 1 to 3, movie type, media type, rating, the four custom fields, in tab order.
    expected = ["Actors", "Actor 2", "Actor 3", "Movie Type", "Media Type", "Rating", *HEADINGS]
    check(sorted(labels) == sorted(expected),
          f"the fields' labels read {labels}, not {expected}")
    check_alive(window)


def on_reader_bus(case):
    """The case's own reads go to the desktop's accessibility bus."""
    def run(d):
        os.environ.clear()
        os.environ.update(d.env)
        case(d)
    return run


def main():
    if sys.argv[1] == "--listen":
        listen(sys.argv[2])
        return 0
    # desktop_test.py's runner, with these cases.
    desktop_test.CASES.update({
        "reader_status_bar": (on_reader_bus(status_bar), {"screen_reader": True}),
        "reader_entry_labels": (on_reader_bus(entry_labels), {"screen_reader": True}),
    })
    return desktop_test.main()


if __name__ == "__main__":
    sys.exit(main())
