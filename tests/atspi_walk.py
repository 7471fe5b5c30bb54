#!/usr/bin/python3
# What a screen reader finds in Tolvane, over AT-SPI: every interactive control of the main
# window and of the dialogs it opens (Setting, About, File Information, Clip) has a name and its role,
# sliders say their value and range, links can take the focus, and the main window is a frame.
# Run by tests/under_atspi.sh, with the program started on a file. Prints every problem and
# exits with 1 when there is one.
import os
import sys
import time

import pyatspi

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_SLIDER, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LINK, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_PROGRESS_BAR,
}
# The names the walk looks for, in the language the program runs in (LANGUAGE).
NAMES = {
    "de": {"Files": "Dateien", "Add": "Hinzufügen", "Setting": "Einstellungen", "About": "Über",
           "OK": "OK", "Cancel": "Abbrechen", "Clip": "Zuschneiden",
           "File Info": "Dateiinfo", "File Information": "Dateiinformationen"},
}.get(os.environ.get("LANGUAGE", ""), {})


def name(english):
    return NAMES.get(english, english)


INFO = NAMES.get("File Information", "File Information")
problems = []
counted = {"controls": 0}


def wait_for(find, seconds=60):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").lower() == "tolvane":
            return app
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node, where):
    """Checks every showing interactive control under `node`."""
    for child in node:
        if child is None or not showing(child):
            continue
        role = child.getRole()
        if role in INTERACTIVE:
            counted["controls"] += 1
            name = (child.name or "").strip()
            label = where + ": " + child.getRoleName()
            if not name:
                problems.append(label + " without a name")
            if role == pyatspi.ROLE_SLIDER:
                value = child.queryValue()
                if not value.maximumValue > value.minimumValue:
                    problems.append(label + " '" + name + "' without a range")
            # The facts of File Information are read, not typed (Qt says "editable" of every
            # line edit; "read only" is what a screen reader says of these).
            if (role == pyatspi.ROLE_TEXT and where == INFO and
                    not child.getState().contains(pyatspi.STATE_READ_ONLY)):
                problems.append(label + " '" + name + "' is not read-only")
            if role == pyatspi.ROLE_LINK and not child.getState().contains(
                    pyatspi.STATE_FOCUSABLE):
                problems.append(label + " '" + name + "' cannot take the focus")
        if role != pyatspi.ROLE_TABLE:
            walk(child, where)


def find(node, role, name):
    for child in node:
        if child is None:
            continue
        if child.getRole() == role and child.name == name:
            return child
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def press(node):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) in ("press", "click", "Press"):
            actions.doAction(i)
            return True
    problems.append("'" + node.name + "' cannot be pressed")
    return False


def window_titled(app, title):
    for window in app:
        if window is not None and window.name == title and showing(window):
            return window
    return None


def open_and_walk(app, main, button, title, close):
    target = find(main, pyatspi.ROLE_PUSH_BUTTON, button)
    if target is None:
        problems.append("no button '" + button + "'")
        return
    if not target.getState().contains(pyatspi.STATE_ENABLED):
        problems.append("'" + button + "' is not enabled")
        return
    press(target)
    window = wait_for(lambda: window_titled(app, title), 30)
    if window is None:
        problems.append("'" + button + "' opened no window '" + title + "'")
        return
    walk(window, title)
    closing = find(window, pyatspi.ROLE_PUSH_BUTTON, close)
    if closing is None:
        problems.append(title + ": no '" + close + "' button")
        return
    press(closing)
    if wait_for(lambda: None if window_titled(app, title) else True, 30) is None:
        problems.append(title + " did not close")


def main():
    app = wait_for(application)
    if app is None:
        print("the program never appeared on the accessibility bus")
        return 1
    frame = wait_for(lambda: window_titled(app, "Tolvane"))
    if frame is None:
        print("no main window")
        return 1
    if frame.getRole() != pyatspi.ROLE_FRAME:
        problems.append("the main window is a " + frame.getRoleName() + ", not a frame")
    # The file given on the command line is checked, then listed.
    table = wait_for(lambda: find(frame, pyatspi.ROLE_TABLE, name("Files")))
    if table is None or wait_for(lambda: table.queryTable().nRows > 0 or None) is None:
        problems.append("the file never came into the list")
    walk(frame, "main window")
    # In another language the names are the translations.
    if find(frame, pyatspi.ROLE_PUSH_BUTTON, name("Add")) is None:
        problems.append("no button named '" + name("Add") + "'")
    open_and_walk(app, frame, name("Setting"), name("Setting"), name("Cancel"))
    open_and_walk(app, frame, name("About"), name("About"), name("OK"))
    # The row's own dialogs, with the row chosen as a screen reader user chooses it.
    if table is not None:
        table.queryTable().addRowSelection(0)
    open_and_walk(app, frame, name("File Info"), name("File Information"), name("OK"))
    open_and_walk(app, frame, name("Clip"), name("Clip"), name("Cancel"))
    for problem in problems:
        print(problem)
    print(str(counted["controls"]) + " interactive controls, " + str(len(problems)) +
          " problems")
    return 1 if problems else 0


sys.exit(main())
