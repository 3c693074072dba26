#!/usr/bin/env python3
"""The main window as assistive technology sees it, over AT-SPI.

Run inside scripts/atspi-session.sh with the program's path as the argument. Starts the
program, waits until it has joined the AT-SPI registry, reads its accessible tree, checks the
names and roles of the boxes and the five command buttons, types the FCFS example into the
boxes through the editable-text interface, presses "Proses" through the action interface,
waits for the averages to appear in the result boxes, reads the detail labels by their names and
checks that the Gantt chart window and the print window are announced as windows. Exits non-zero on the first failure.
"""

import os
import re
import subprocess
import sys
import time

import pyatspi

JOIN_TIMEOUT = 60      # seconds for the program to start and register its window
RESULT_TIMEOUT = 20    # seconds for the computation's results to show

COMMAND_BUTTONS = {    # name -> description (the tool tip)
    "Proses": "Proses CPU",
    "Reset": "Reset CPU",
    "Print": "Cetak ke printer",
    "Simpan": "Simpan sebagai Teks",
    "Close": "Tutup CPU",
}
ARRIVAL = ["P1 Arrival Time", "P2 Arrival Time", "P3 Arrival Time", "P4 Arrival Time", "P5 Arrival Time"]
BURST = ["P1 Burst Time", "P2 Burst Time", "P3 Burst Time", "P4 Burst Time", "P5 Burst Time"]
RESULTS = ["Awaiting Time", "Turn Around"]
# The FCFS example and its averages (the decimal separator follows the locale).
EXAMPLE_ARRIVAL = ["0", "1", "2", "3", "4"]
EXAMPLE_BURST = ["5", "3", "8", "6", "2"]
EXPECTED = {
    "Awaiting Time": r"^41/5 = 8[.,]2 satuan waktu$",
    "Turn Around": r"^65/5 = 13 satuan waktu$",
}
# The detail labels, named by their column and process, with the example's values as text.
DETAILS = {f"Waiting Time P{i + 1}": f"P{i + 1} = {v}" for i, v in enumerate([0, 4, 6, 13, 18])}
DETAILS.update({f"Turn Around P{i + 1}": f"P{i + 1} = {v}" for i, v in enumerate([5, 7, 14, 19, 20])})


class Failure(Exception):
    pass


def retry(what, timeout, probe, pause=0.25):
    """Calls probe until it returns something true; AT-SPI errors while the program is still
    setting up count as not yet."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            result = probe()
            if result:
                return result
        except Exception as error:  # D-Bus errors of objects not registered yet
            last_error = error
        time.sleep(pause)
    raise Failure(f"timed out after {timeout} s waiting for {what}"
                  + (f" (last error: {last_error})" if last_error else ""))


def find_application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid and app.childCount > 0:
            return app
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


INTERACTIVE_ROLES = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_RADIO_BUTTON,
                     pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_MENU_ITEM,
                     pyatspi.ROLE_MENU}


def check_every_control_named(window):
    """Every control a user can reach, as far as it is shown, has a name."""
    for node, _ in walk(window):
        if node.getRole() in INTERACTIVE_ROLES and node.getState().contains(pyatspi.STATE_SHOWING) \
                and not node.name:
            raise Failure(f"a {node.getRoleName()} in '{window.name}' has no name")


def window_names(app):
    """The names of the application's windows; a window that went away meanwhile is left out."""
    names = []
    for window in app:
        try:
            if window is not None:
                names.append(window.name)
        except Exception:  # gone between listing and asking
            pass
    return names


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        raise Failure(f"'{node.name}' has no press action, only {names}")
    if not action.doAction(names.index("Press")):
        raise Failure(f"the press action of '{node.name}' was refused")


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def main():
    program = sys.argv[1]
    process = subprocess.Popen([program])
    try:
        app = retry("the program to join the AT-SPI registry", JOIN_TIMEOUT,
                    lambda: find_application(process.pid))
        frame = retry("the main window", JOIN_TIMEOUT,
                      lambda: next((w for w in app if w.getRoleName() == "frame"), None))
        print(f"application '{app.name}', window '{frame.name}'")

        def tree_ready():
            nodes = [n for n, _ in walk(frame)]
            buttons = [n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
            return nodes if len(buttons) >= len(COMMAND_BUTTONS) else None
        nodes = retry("the window's controls", JOIN_TIMEOUT, tree_ready)

        for node, depth in walk(frame):
            print(f"{'  ' * depth}{node.getRoleName()}: '{node.name}'"
                  + (f" ({node.description})" if node.description else ""))

        if frame.name != "Quorvel":
            raise Failure(f"the window is named '{frame.name}', not 'Quorvel'")
        check_every_control_named(frame)

        # The five command buttons, each once with its description, and a press action.
        buttons = {}
        for name, description in COMMAND_BUTTONS.items():
            found = [n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                     and n.name == name and n.description == description]
            if len(found) != 1:
                raise Failure(f"{len(found)} push buttons named '{name}' described '{description}'")
            action = found[0].queryAction()
            names = [action.getName(i) for i in range(action.nActions)]
            if "Press" not in names:
                raise Failure(f"'{name}' has no press action, only {names}")
            binding = action.getKeyBinding(names.index("Press"))
            if binding != f"Alt+{name[0]}":
                raise Failure(f"'{name}' has the key binding '{binding}'")
            buttons[name] = (found[0], action, names.index("Press"))

        # Every box by its name, with the role of a text box.
        boxes = {}
        for name in ARRIVAL + BURST + RESULTS:
            found = [n for n in nodes if n.name == name and n.getRole() == pyatspi.ROLE_TEXT]
            if len(found) != 1:
                raise Failure(f"{len(found)} text boxes named '{name}'")
            boxes[name] = found[0]
        for name in RESULTS:
            if not boxes[name].getState().contains(pyatspi.STATE_READ_ONLY):
                raise Failure(f"the result box '{name}' is not read-only")

        for name, value in zip(ARRIVAL + BURST, EXAMPLE_ARRIVAL + EXAMPLE_BURST):
            if not boxes[name].queryEditableText().setTextContents(value):
                raise Failure(f"'{name}' did not take the text {value}")
            retry(f"'{name}' to read {value}", 5, lambda b=boxes[name], v=value: text_of(b) == v)

        node, action, index = buttons["Proses"]
        if not action.doAction(index):
            raise Failure("the press action of 'Proses' was refused")

        for name, pattern in EXPECTED.items():
            shown = retry(f"'{name}' to show the result", RESULT_TIMEOUT,
                          lambda b=boxes[name], p=pattern: (lambda t: t if re.match(p, t) else None)(text_of(b)))
            print(f"'{name}' shows '{shown}'")

        # The detail labels: one label per name, its value as its description.
        for name, value in DETAILS.items():
            found = [n for n, _ in walk(frame) if n.getRole() == pyatspi.ROLE_LABEL and n.name == name]
            if len(found) != 1:
                raise Failure(f"{len(found)} labels named '{name}'")
            if found[0].description != value:
                raise Failure(f"the label '{name}' is described '{found[0].description}', not '{value}'")
        print("detail labels named by their column")

        # The Program menu's popup is there for F10 to open (F10 itself is checked in
        # tst_form1keys: without a window manager no window here has the keyboard).
        program = next(n for n in nodes if n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name == "Program")
        if not any(c is not None and c.getRole() == pyatspi.ROLE_POPUP_MENU for c in program):
            raise Failure("the Program menu has no popup")

        # The Gantt chart and print windows are announced as windows, by their titles.
        gantt_item = next(n for n in nodes if n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name == "Gantt Chart")
        press(gantt_item)
        gantt = retry("the Gantt chart window", JOIN_TIMEOUT,
                      lambda: next((w for w in app if w is not None and w.name == "Gantt Chart"), None))
        if gantt.getRoleName() != "frame":
            raise Failure(f"the Gantt chart window is a '{gantt.getRoleName()}', not a frame")
        charts = retry("the chart's name", RESULT_TIMEOUT,
                       lambda: [n for n, _ in walk(gantt) if n.name.startswith("Gantt Chart FCFS")])
        if len(charts) != 1 or "41/5 = 8" not in charts[0].name:
            raise Failure(f"the chart is named {[c.name for c in charts]}")
        print(f"Gantt chart window: frame, chart '{charts[0].name}'")
        press(next(n for n, _ in walk(gantt) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Close"))
        retry("the Gantt chart window to close", RESULT_TIMEOUT, lambda: "Gantt Chart" not in window_names(app))

        press(buttons["Print"][0])

        def print_window():
            # Without a printer a message says so first; it is answered with OK.
            for w in app:
                try:
                    if w is None:
                        continue
                    if w.name == "Print" and w.getState().contains(pyatspi.STATE_SHOWING):
                        return w
                    if w.getRoleName() in ("dialog", "alert") and w.name != "About Quorvel":
                        for n, _ in walk(w):
                            if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "OK":
                                press(n)
                                return None
                except Failure:
                    raise
                except Exception:  # a message that went away meanwhile
                    continue
            return None
        printer = retry("the print window", JOIN_TIMEOUT, print_window)
        if printer.getRoleName() != "dialog":
            raise Failure(f"the print window is a '{printer.getRoleName()}', not a dialog")
        press(next(n for n, _ in walk(printer) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Cancel"))
        retry("the print window to close", RESULT_TIMEOUT, lambda: "Print" not in window_names(app))
        print("print window: dialog")

        # The About box, opened from the menu, and closed by its own OK button.
        # Read afresh: the windows opened above have come and gone since the first walk.
        about_item = next(n for n, _ in walk(frame) if n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name == "About")
        press(about_item)
        about = retry("the About box", JOIN_TIMEOUT,
                      lambda: next((w for w in app if w.name == "About Quorvel"), None))
        for node, depth in walk(about):
            print(f"{'  ' * depth}{node.getRoleName()}: '{node.name}'")
        check_every_control_named(about)
        about_buttons = {n.name: n for n, _ in walk(about) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                         and n.getState().contains(pyatspi.STATE_SHOWING)}
        if set(about_buttons) != {"OK", "Sistem Info"}:
            raise Failure(f"the About box shows the buttons {sorted(about_buttons)}")
        press(about_buttons["OK"])
        retry("the About box to close", RESULT_TIMEOUT,
              lambda: not any(w is not None and w.name == "About Quorvel" for w in app))
        print("AT-SPI walk passed")
        return 0
    except Failure as failure:
        print(f"AT-SPI walk FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()


if __name__ == "__main__":
    sys.exit(main())
