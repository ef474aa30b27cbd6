"""What a screen reader learns of the Hobwatch window through AT-SPI.

Dumps the roles, names, descriptions and values of the window's accessible tree (the entries'
list items left out) and checks them; exits 1 with the failures listed.
"""
import sys
import time

import pyatspi

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

    for failure in failures:
        print(f"FAIL: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
