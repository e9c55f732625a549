"""A screen reader's view of Ventrolex, through AT-SPI (run by check-accessibility).

Waits for the running program on the accessibility bus, runs the worked
option-M example (M1 = 0.5, A1 = 1, A2 = 1) from the keyboard alone, and
checks what a screen reader is told: every control that takes the focus is
named, the command button is heard by its caption as that changes, and after
Return on the button its description announces the results. Prints the tree as AT-SPI shows it. Exits 1 on a failed check.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

focused = []       # (role, name) of each object that took the focus
descriptions = []  # (name, description) of each description change on a focused object
button_names = set()  # every name the command button was heard by, as it took the focus or changed
failures = []


def on_event(event):
    source = event.source
    try:
        if event.type.startswith("object:state-changed:focused") and event.detail1:
            focused.append((source.getRoleName(), source.name))
            if source.getRoleName() == "push button":
                button_names.add(source.name)
        elif event.type.startswith("object:property-change:accessible-name"):
            if source.getRoleName() == "push button":
                button_names.add(source.name)
        elif event.type.startswith("object:property-change:accessible-description"):
            if source.getState().contains(pyatspi.STATE_FOCUSED):
                descriptions.append((source.name, source.description))
    except Exception:  # an object gone by the time its event is read
        pass


def find_app():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == "ventrolex":
                return app
        time.sleep(0.1)
    return None


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def text(value):
    keys("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "60", value], check=True)


# From the chart that has the focus at start: Tab to A*, A1, M1, the button
# and the option group; choose "M"; Tab round to the A2 box that appeared;
# back to the button and solve with Return.
STEPS = [
    lambda: subprocess.run(["xdotool", "search", "--sync", "--name", "Ventrolex", "windowactivate", "--sync"],
                           check=True),
    *[lambda: keys("Tab")] * 2, lambda: text("1"),
    lambda: keys("Tab"), lambda: text("0.5"),
    *[lambda: keys("Tab")] * 2, lambda: keys("Down"), lambda: keys("space"),
    *[lambda: keys("Tab")] * 3, lambda: text("1"),
    *[lambda: keys("Tab")] * 3,
    lambda: keys("Return"),
]


def walk(node, depth=0):
    try:
        role, name, description = node.getRoleName(), node.name, node.description
    except Exception:
        return
    if depth and (name or description or role in ("text", "chart", "image", "push button", "radio button")):
        visible = node.getState().contains(pyatspi.STATE_SHOWING)
        print(f"{'  ' * depth}{role}: {name!r}" + (f" — {description!r}" if description else "")
              + ("" if visible else " (hidden)"))
    for child in node:
        if child is not None:
            walk(child, depth + 1)


def main():
    app = find_app()
    if app is None:
        print("check-accessibility: Ventrolex did not appear on the accessibility bus")
        return 1
    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused",
                                           "object:property-change:accessible-description",
                                           "object:property-change:accessible-name")
    steps = iter(STEPS)

    def next_step():
        step = next(steps, None)
        if step is None:
            GLib.timeout_add(1500, pyatspi.Registry.stop)
            return False
        step()
        return True

    GLib.timeout_add(1500, lambda: (GLib.timeout_add(500, next_step), False)[1])
    pyatspi.Registry.start()

    print("Focus moved to:")
    for role, name in focused:
        print(f"  {role}: {name!r}")
    unnamed = [role for role, name in focused if not name]
    if unnamed:
        failures.append(f"controls took the focus without a name: {unnamed}")
    for expected in (("text", "A1"), ("text", "M1"), ("radio button", "M"), ("text", "A2")):
        if expected not in focused:
            failures.append(f"the focus never reached {expected}")
    if "push button" not in (role for role, _ in focused):
        failures.append("the focus never reached the command button")
    # Its name follows its caption: the prompt after the option, the first caption after the solve.
    print(f"The command button was heard as: {sorted(button_names)}")
    for caption in ("SET input values then CLICK", "Choose an output option"):
        if caption not in button_names:
            failures.append(f"the command button was never heard as {caption!r}")

    print("Announced on the focused object:")
    for name, description in descriptions:
        print(f"  {name!r}: {description!r}")
    if not any(all(v in d for v in ("0.7464", "0.5", "1.7023")) for _, d in descriptions):
        failures.append("no description change on the focused object carried 0.7464, 0.5 and 1.7023")

    print("The tree after the worked example:")
    walk(app)
    for failure in failures:
        print("check-accessibility: " + failure)
    if not failures:
        print("check-accessibility: passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
