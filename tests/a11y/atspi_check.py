#!/usr/bin/python3
"""The editor as a screen reader sees it over AT-SPI.

Run inside an X display with a session bus and the accessibility bus (see
scripts/a11y-check.sh): starts the editor on an example layout with the
simulated keyboard as port and checks that
  - the key grid is a table whose cells are named by column and row and read
    the key's codes;
  - a code-sequence line is a text that reads its keys;
  - with the simulated keyboard as port, Esc on the computer's keyboard takes
    the focus out of a line;
  - the main, key function, card reader and settings windows have no focusable
    control without a name.
Keys are typed with xdotool. Exits 0 when all holds, 1 with the faults listed.
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi

APP_NAME = "Ostrel Velmorando AT"
faults = []


def fault(text):
    faults.append(text)
    print("FAULT: " + text, flush=True)


def wait_for(what, probe, seconds=20.0):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    raise SystemExit("timed out waiting for " + what)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name == APP_NAME:
            return app
    return None


def walk(node, depth=0):
    """Every object under node; tables are not entered (the grid has 65 025 cells)."""
    if node is None or depth > 40:
        return
    yield node
    if node.getRole() == pyatspi.ROLE_TABLE:
        return
    for index in range(node.childCount):
        yield from walk(node.getChildAtIndex(index), depth + 1)


def find(root, predicate):
    for node in walk(root):
        if predicate(node):
            return node
    return None


def window_named(app, prefix):
    def probe():
        for index in range(app.childCount):
            window = app.getChildAtIndex(index)
            if window is not None and window.name.startswith(prefix) and \
                    window.getState().contains(pyatspi.STATE_SHOWING):
                return window
        return None
    return wait_for("the window " + prefix, probe)


def unnamed_focusable(window):
    names = []
    for node in walk(window):
        states = node.getState()
        if not (states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING)):
            continue
        if not node.name.strip():
            names.append("%s under %s" % (node.getRoleName(), node.parent.name if node.parent else "?"))
    return names


def check_unnamed(window, label):
    names = unnamed_focusable(window)
    if names:
        fault("%s: %d focusable control(s) without a name: %s" % (label, len(names), "; ".join(names)))


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def becomes(probe, seconds=5.0):
    """Whether probe holds within seconds (a loaded machine is slow to move the focus)."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        if probe():
            return True
        time.sleep(0.2)
    return False


def activate_main_window():
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + APP_NAME,
                    "windowactivate", "--sync"], check=True)
    time.sleep(0.5)


def keys(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "80", *names], check=True)
    time.sleep(0.6)


def main():
    program, data = sys.argv[1], sys.argv[2]
    home = tempfile.mkdtemp(prefix="vlat-a11y-")
    environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home,
                       LANG="ru_RU.UTF-8", LC_ALL="ru_RU.UTF-8", LANGUAGE="ru",
                       QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    editor = subprocess.Popen([program, "--no-splash", "--data", data, "--port", "sim",
                               os.path.join(data, "examples", "cash-register.vld")], env=environment)
    try:
        app = wait_for("the editor on the accessibility bus", application)
        main_window = window_named(app, "Ostrel")

        grid = wait_for("the key grid", lambda: find(main_window, lambda n: n.getRole() == pyatspi.ROLE_TABLE))
        table = grid.queryTable()
        if (table.nRows, table.nColumns) != (255, 255):
            fault("the grid is %dx%d, not 255x255" % (table.nRows, table.nColumns))
        # The first key of row 1 that does something.
        cell, column = None, 0
        for column in range(1, 30):
            candidate = table.getAccessibleAt(0, column - 1)
            if candidate.description:
                cell = candidate
                break
        if cell is None:
            fault("no cell of row 1 reads a key's text")
        else:
            if cell.name != "столбец %d, строка 1" % column:
                fault("cell named %r" % cell.name)
            if cell.getRole() != pyatspi.ROLE_TABLE_CELL:
                fault("cell role %s" % cell.getRoleName())
            print("cell: %s — %s" % (cell.name, cell.description), flush=True)

        check_unnamed(main_window, "main window")

        # The grid has the focus: the cursor goes to that key, Ctrl+K opens its window.
        grid.queryComponent().grabFocus()
        time.sleep(0.5)
        if column > 1:
            keys(*(["Right"] * (column - 1)))
        cursor = table.getAccessibleAt(0, column - 1)
        if not becomes(lambda: focused(cursor)):
            fault("the cursor cell does not have the focus")
        keys("ctrl+k")
        key_window = window_named(app, "Клавиша")
        line = wait_for("the press line", lambda: find(key_window, lambda n: n.name == "Нажатие, уровень 0"))
        text = line.queryText()
        content = text.getText(0, -1)
        print("line: %r" % content, flush=True)
        if not content:
            fault("the press line of a programmed key reads no text")
        if text.caretOffset != text.characterCount:
            fault("the caret is not at the end of the line")
        if not line.getState().contains(pyatspi.STATE_READ_ONLY):
            fault("the line is not read-only")
        check_unnamed(key_window, "key function window")
        # The simulated keyboard is the port: the line says it records from there.
        if "порта клавиатуры" not in line.description:
            fault("the line does not say it records from the port: %r" % line.description)

        # The simulated keyboard is the port: Esc on the computer's keyboard leaves the line.
        line.queryComponent().grabFocus()
        wait_for("the line to take the focus", lambda: focused(line), 5)
        keys("Escape")
        if not becomes(lambda: not focused(line)):
            fault("Esc did not take the focus out of the line (simulated keyboard as port)")
        elif line.queryText().getText(0, -1) != content:
            fault("leaving the line with Esc changed its content")

        activate_main_window()
        grid.queryComponent().grabFocus()
        time.sleep(0.5)
        keys("ctrl+r")
        check_unnamed(window_named(app, "Считыватель"), "card reader window")

        activate_main_window()
        grid.queryComponent().grabFocus()
        time.sleep(0.5)
        keys("ctrl+b")
        settings = window_named(app, "Параметры")
        pages = find(settings, lambda n: n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST)
        for index in range(pages.childCount):
            tab = pages.getChildAtIndex(index)
            if tab.getRole() != pyatspi.ROLE_PAGE_TAB:
                continue  # the tab bar's scroll buttons
            tab.queryAction().doAction(0)
            time.sleep(0.4)
            check_unnamed(settings, "settings, page %s" % tab.name)
        keys("Escape")
    finally:
        editor.terminate()
        try:
            editor.wait(10)
        except subprocess.TimeoutExpired:
            editor.kill()
    if faults:
        print("%d fault(s)" % len(faults))
        return 1
    print("AT-SPI check passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
