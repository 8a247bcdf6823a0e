#!/usr/bin/python3
"""Listens on the AT-SPI bus as a screen reader does and prints, one JSON object a line, each
focus event of the reelkeep window: the time, the focused object's role, name, description
and states, and its parent's role, states and child count. Like Orca it asks the parent only
for those, never for its children, so a list of a million movies costs nothing more.

Usage: focus_listener.py. Prints "ready" once it listens; runs until terminated."""

import json
import sys
import time

import pyatspi


def states_of(obj):
    return sorted(pyatspi.stateToString(s) for s in obj.getState().getStates())


def on_event(event):
    source = event.source
    try:
        if source.getApplication().name.lower() != "reelkeep":
            return
        if event.type.startswith("object:state-changed:") and not event.detail1 and \
                not event.type.endswith(":selected"):
            return
        parent = source.parent
        node = {"time": time.monotonic(), "event": event.type, "role": source.getRoleName(),
                "name": source.name, "description": source.description,
                "states": states_of(source)}
        if parent is not None:
            node.update(parent_role=parent.getRoleName(), parent_states=states_of(parent),
                        parent_children=parent.childCount)
    except Exception as error:  # an object gone before it was read
        node = {"time": time.monotonic(), "event": event.type, "error": str(error)}
    print(json.dumps(node), flush=True)


def main():
    pyatspi.Registry.registerEventListener(on_event, "focus:",
                                           "object:state-changed:focused",
                                           "object:state-changed:selected")
    print("ready", flush=True)
    pyatspi.Registry.start()
    return 0


if __name__ == "__main__":
    sys.exit(main())
