"""The page's side of check-web: what Chromium shows a screen reader of Ventrolex.

  web_client.py region PID ID            prints the text of the page's element
                                         of that id, read from Chromium's
                                         accessibility tree (PID: the browser's)
  web_client.py speech ORCA-LOG MARKS    checks what Orca spoke in each phase
  web_client.py tree PID                 prints the page's accessibility tree
"""
import re
import sys

import pyatspi

from accessibility_client import find_by, spoken_by_phase, walk


def browser(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def element_text(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return node.name


def region(pid, element_id):
    app = browser(pid)
    if app is None:
        return 1
    node = find_by(app, lambda n: n.getAttributes() and f"id:{element_id}" in n.getAttributes())
    if node is None:
        return 1
    print(element_text(node))
    return 0


def speech(speech_file, marks_file):
    phases = spoken_by_phase(speech_file, marks_file)
    failures = []
    print("What Orca said in Chromium, phase by phase:")
    for name, said in phases.items():
        print(f"  [{name}]")
        for line in said:
            print(f"    {line}")

    # The controls as the page's focus region names them, while the example is typed.
    typing = " ".join(phases["option-m-typed"])
    for heard in ("A1 text", "M1 text", r"\bM radio button", "A2 text", "Input: type the area at station 2",
                  "SET input values then CLICK button"):
        if not re.search(heard, typing):
            failures.append(f"Orca never said {heard!r} while the example was typed")

    def results(phase, values):
        said = [line for line in phases[phase] if "0.7464" in line]
        if not (len(said) == 1 and all(v in said[0] for v in values)):
            failures.append(f"after Return ({phase}) Orca said the results {len(said)} times, "
                            f"not once with {values}: {said}")

    results("option-m-solved", ("0.7464", "0.5", "1.7023"))
    results("option-a2-solved", ("0.7464", "1.2595"))
    refused = phases["refused"]
    if not any("Division by zero" in line for line in refused):
        failures.append("Orca did not read the message of the refused solve")
    if any(v in line for line in refused for v in ("0.7464", "1.2595")):
        failures.append(f"Orca spoke results after the refused solve: {refused}")
    for failure in failures:
        print("check-web: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    command = sys.argv[1]
    if command == "region":
        sys.exit(region(int(sys.argv[2]), sys.argv[3]))
    if command == "speech":
        sys.exit(speech(sys.argv[2], sys.argv[3]))
    if command == "tree":
        app = browser(int(sys.argv[2]))
        sys.exit(1 if app is None else walk(app) or 0)
    sys.exit(f"web_client.py: no command {command}")
