"""What a screen reader learns of the Hobwatch window through AT-SPI.

Dumps the roles, names, descriptions and values of the window's accessible tree (the entries'
list items left out) and checks them; then starts a three-second countdown through AT-SPI, as a
screen reader's user would, and listens: the window's name follows its caption, and time-up comes
as an alert that says so. Exits 1 with the failures listed.
"""
import sys
import time

import pyatspi
from gi.repository import GLib

DESCRIPTIONS = {
    "Beep 1": "Sound the desktop's alert at the start and every second after the time is up",
    "Beep 2": "Sound a short tone at the start and every second after the time is up",
    "End 10": "Close Hobwatch by itself ten seconds after the time is up",
}


def find_application(name, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == name:
                return application
        time.sleep(0.2)
    sys.exit(f"FAIL: no accessible application named {name!r}")


def interfaces(node):
    return pyatspi.listInterfaces(node)


def text_of(node):
    if "Text" not in interfaces(node):
        return None
    text = node.queryText()
    return text.getText(0, text.characterCount)


def value_of(node):
    return node.queryValue().currentValue if "Value" in interfaces(node) else None


def walk(node, depth=0):
    yield depth, node
    for child in node:
        if child.getRoleName() != "list":
            yield from walk(child, depth + 1)


def main():
    application = find_application("hobwatch")
    nodes = [node for _, node in walk(application)]
    for depth, node in walk(application):
        print(f"{'  ' * depth}{node.getRoleName()} name={node.name!r} "
              f"description={node.description!r} text={text_of(node)!r} value={value_of(node)!r}")

    failures = []
    window = application[0]
    if window.getRoleName() != "frame" or window.name != "Select Interval":
        failures.append(f"window is {window.getRoleName()} {window.name!r}, want frame")

    for name, value in (("Minutes", 15.0), ("Hours", 2.5)):
        entries = [n for n in nodes if n.getRoleName() == "combo box" and n.name == name]
        if len(entries) != 1:
            failures.append(f"{len(entries)} combo boxes named {name!r}, want one")
            continue
        if value_of(entries[0]) != value:
            failures.append(f"{name} reports value {value_of(entries[0])!r}, want {value}")
        fields = [text_of(child) for child in entries[0] if child.getRoleName() == "text"]
        if fields != [str(value).removesuffix(".0")]:
            failures.append(f"{name}'s edit field holds {fields!r}")

    editable = sorted(n.name for n in nodes if "EditableText" in interfaces(n))
    if editable != ["Hours", "Minutes", "Notes"]:
        failures.append(f"editable texts are {editable!r}, want the two entries and the notes")
    for panel in ("Alarm options panel", "Timer panel"):
        if not any(n.name == panel for n in nodes):
            failures.append(f"no {panel!r}")

    for name, description in DESCRIPTIONS.items():
        boxes = [n for n in nodes if n.getRoleName() == "check box" and n.name == name]
        if [box.description for box in boxes] != [description]:
            failures.append(f"{name!r} described as {[b.description for b in boxes]!r}")

    failures += hear_a_countdown(nodes)
    for failure in failures:
        print(f"FAIL: {failure}")
    return 1 if failures else 0


def hear_a_countdown(nodes):
    def named(role, name):
        return next(n for n in nodes if n.getRoleName() == role and n.name == name)

    names, alerts = [], []

    def heard(event):
        role = event.source.getRoleName()
        if event.type.startswith("object:property-change:accessible-name") and role == "frame":
            names.append(event.source.name)
        elif event.type.startswith("object:state-changed:showing") and role == "alert":
            alerts.append(event.source.name)
        if alerts and names and names[-1].endswith("Over"):
            pyatspi.Registry.stop()

    def start():
        named("combo box", "Minutes").queryValue().currentValue = 0.05
        named("push button", "Start Minutes").queryAction().doAction(0)
        return False

    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name",
                                           "object:state-changed:showing")
    # The program hears of the listener before the countdown starts.
    GLib.timeout_add(500, start)
    GLib.timeout_add_seconds(15, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    named("push button", "Cancel").queryAction().doAction(0)
    print(f"window names heard: {names!r}; alerts heard: {alerts!r}")

    failures = []
    if not any(name.endswith("(00:01)") for name in names) or not names[-1].endswith("Over"):
        failures.append(f"the window's name did not follow the caption: {names!r}")
    if alerts != ["Time is up: 0.05 minutes"]:
        failures.append(f"time-up was not one alert that says so: {alerts!r}")
    return failures


if __name__ == "__main__":
    sys.exit(main())
