#!/usr/bin/env python3
"""Lists the accessible objects of one running program through AT-SPI, one a line:
"<role>\t<name>", its windows first, then what they hold, depth first.
Usage: accessible_tree.py <pid>. Exits 77 when AT-SPI cannot be reached from Python,
1 when the program has not (yet) registered with the accessibility bus."""
import sys

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
except (ImportError, ValueError) as error:
    print(f"SKIP: AT-SPI from Python is not available: {error}", file=sys.stderr)
    sys.exit(77)

pid = int(sys.argv[1])


def walk(node, depth=0):
    if node is None or depth > 30:
        return
    try:
        print(f"{node.get_role_name()}\t{node.get_name() or ''}")
        count = node.get_child_count()
    except Exception:  # an object that went away meanwhile
        return
    for index in range(count):
        walk(node.get_child_at_index(index), depth + 1)


desktop = Atspi.get_desktop(0)
for index in range(desktop.get_child_count()):
    app = desktop.get_child_at_index(index)
    try:
        if app is not None and app.get_process_id() == pid:
            for window in range(app.get_child_count()):
                walk(app.get_child_at_index(window))
            sys.exit(0)
    except Exception:
        continue
sys.exit(1)
