"""A second program to drag text from: a GTK window whose label is a drag source.

Usage: text_drag_source.py TEXT [--html-only]
The label offers TEXT as GTK's text targets (text/plain and the X selection's text names), or,
with --html-only, as text/html alone. Prints "delivered TARGET" for each target the drop asks
for, "deleted" when the drop takes it as a move, and "ended ACTION" when the drag ends; on
standard error, the targets offered.
"""
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, Gtk  # noqa: E402

text = sys.argv[1]
html_only = "--html-only" in sys.argv[2:]


def say(line):
    print(line, flush=True)


def deliver(_widget, _context, selection, _info, _time):
    target = selection.get_target().name()
    say(f"delivered {target}")
    if html_only:
        selection.set(selection.get_target(), 8, text.encode())
    else:
        selection.set_text(text, -1)


window = Gtk.Window(title="drag source")
window.set_default_size(200, 100)
source = Gtk.EventBox()
source.add(Gtk.Label(label=text))
actions = Gdk.DragAction.COPY | Gdk.DragAction.MOVE
source.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], actions)
if html_only:
    source.drag_source_set_target_list(Gtk.TargetList.new([Gtk.TargetEntry.new("text/html", 0, 0)]))
else:
    source.drag_source_add_text_targets()
source.connect("drag-data-get", deliver)
source.connect("drag-begin", lambda _w, context: print(
    "offered", *[target.name() for target in context.list_targets()], file=sys.stderr))
source.connect("drag-data-delete", lambda *_: say("deleted"))
source.connect("drag-end", lambda _w, context: say(f"ended {context.get_selected_action()}"))
window.add(source)
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()
