#!/usr/bin/python3
"""Prints the accessible objects of the running reelkeep window as a screen reader reads them,
one JSON object a line: depth, role, name, states. Reads the AT-SPI bus of the D-Bus session
and display in its environment.

Usage: accessible_tree.py [MAX_CHILDREN]. Each object lists at most MAX_CHILDREN children
(default 100): the catalogue view may have a million rows."""

import json
import sys

import pyatspi


def walk(obj, depth, limit, out):
    states = obj.getState().getStates()
    out.append({"depth": depth, "role": obj.getRoleName(), "name": obj.name,
                "states": sorted(pyatspi.stateToString(s) for s in states)})
    for i in range(min(obj.childCount, limit)):
        child = obj.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, limit, out)


def main():
    limit = int(sys.argv[1]) if len(sys.argv) > 1 else 100
    out = []
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "reelkeep":
            walk(app, 0, limit, out)
    for node in out:
        print(json.dumps(node))
    return 0 if out else 1


if __name__ == "__main__":
    sys.exit(main())
