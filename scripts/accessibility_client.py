"""What Orca said of Ventrolex, checked (run by check-accessibility).

Arguments: Orca's debug file, the marks file (a phase name and the time of
day when the phase ended, one a line) and the program's PID.
Reads what Orca spoke in each phase of the keyboard run and checks it; then,
through AT-SPI as an assistive tool does it, chooses the option "M" by its
Toggle action and checks that the window took the option's roles; prints the
tree. Exits 1 on a failed check.
"""
import re
import sys
import time

import pyatspi

# Orca 43 and 48 write a spoken line a little differently.
SPOKEN = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)' ?\{")
BUTTON_ROLES = ("push button", "button")  # AT-SPI's name for the role, before and after 2.52
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def spoken_by_phase(speech_file, marks_file):
    with open(speech_file, errors="replace") as f:
        spoken = [m.groups() for m in map(SPOKEN.search, f) if m]
    phases, start = {}, ""
    with open(marks_file) as f:
        for name, end in (line.split() for line in f):
            phases[name] = [text for when, text in spoken if start <= when < end]
            start = end
    return phases


def find_by(node, matches):
    try:
        if matches(node):
            return node
        for child in node:
            found = child is not None and find_by(child, matches)
            if found:
                return found
    except Exception:  # an object gone by the time it is read
        pass
    return None


def find(node, roles, name):
    return find_by(node, lambda n: n.getRoleName() in roles and n.name == name)


def walk(node, depth=0):
    try:
        role, name, description = node.getRoleName(), node.name, node.description
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return
    if depth and (name or description or role in ("text", "chart", "radio button") + BUTTON_ROLES):
        print(f"{'  ' * depth}{role}: {name!r}" + (f" — {description!r}" if description else "")
              + ("" if showing else " (hidden)"))
    for child in node:
        if child is not None:
            walk(child, depth + 1)


def check_speech(speech_file, marks_file):
    """What Orca said of the worked examples, phase by phase, on the desktop or in a browser."""
    phases = spoken_by_phase(speech_file, marks_file)
    print("What Orca said, phase by phase:")
    for name, said in phases.items():
        print(f"  [{name}]")
        for line in said:
            print(f"    {line}")

    typing = " ".join(phases["option-m-typed"])
    for heard in ("A1 text", "M1 text", r"\bM\b.*radio button", "A2 text", "Input: type the area at station 2",
                  "SET input values then CLICK (push )?button"):
        check(re.search(heard, typing), f"Orca never said {heard!r} while the example was typed")

    def results(phase, values):
        said = [line for line in phases[phase] if "0.7464" in line]
        check(len(said) == 1 and all(v in said[0] for v in values),
              f"after Return ({phase}) Orca said the results {len(said)} times, not once with {values}: {said}")

    results("option-m-solved", ("0.7464", "0.5", "1.7023"))
    results("option-a2-solved", ("0.7464", "1.2595"))
    refused = phases["refused"]
    check(any("Division by zero" in line for line in refused), "Orca did not read the message of the refused solve")
    check(not any(v in line for line in refused for v in ("0.7464", "1.2595", "notification")),
          f"Orca spoke results after the refused solve: {refused}")

    # The desktop's check opens the Working panel after the refused solve: its lines are
    # read as they stand, the gas and the reason for no working among them.
    if "working" in phases:
        working = " ".join(phases["working"])
        check("The gas: Air" in working, f"Orca did not read the Working view's lines: {phases['working']}")

    # The page's check also opens the Back pressure window and types pb/p01 = 0.6 again: the
    # regime is said when the window's inputs rest, once as it opens and once after the typing,
    # and never for the values typed on the way ("0" is underexpanded).
    if "back-pressure" in phases:
        regimes = [line for line in phases["back-pressure"]
                   if re.search(r"Normal shock|Subsonic throughout|Choked|expanded|Design:|No flow", line)]
        check(1 <= len(regimes) <= 2 and all("at As/At = 1.7062" in line for line in regimes),
              f"Orca said these regimes, not the shock at As/At = 1.7062 as the inputs rested: {regimes}")


def main(speech_file, marks_file, pid):
    check_speech(speech_file, marks_file)

    # An assistive tool chooses the option by its action, without a click.
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid), None)
    check(app is not None, "the program is not on the accessibility bus")
    if app is not None:
        option = find(app, ("radio button",), "M")
        actions = option.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        check("Toggle" in names, f"the option offers no Toggle action: {names}")
        actions.doAction(names.index("Toggle"))
        time.sleep(1)
        box = find(app, ("text",), "A2")
        check(box is not None and box.getState().contains(pyatspi.STATE_SHOWING)
              and box.description.startswith("Input"), "after Toggle on 'M', the A2 box is not a shown input")
        check(find(app, BUTTON_ROLES, "SET input values then CLICK") is not None,
              "after Toggle on 'M', the command button does not prompt for the inputs")
        print("The tree after the option was toggled:")
        walk(app)

    for failure in failures:
        print("check-accessibility: " + failure)
    if not failures:
        print("check-accessibility: passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], int(sys.argv[3])))
