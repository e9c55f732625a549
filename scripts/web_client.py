"""The page's side of check-web: what Chromium shows a screen reader of Ventrolex.

  web_client.py region PID ID            prints the text of the page's element
                                         of that id, read from Chromium's
                                         accessibility tree (PID: the browser's)
  web_client.py speech ORCA-LOG MARKS    checks what Orca spoke in each phase
  web_client.py tree PID                 prints the page's accessibility tree
"""
import sys

import pyatspi

from accessibility_client import check_speech, failures, find_by, walk


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
    check_speech(speech_file, marks_file)
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
