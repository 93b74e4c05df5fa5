#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Walks the real program through its accessibility interface (AT-SPI), as a
# screen reader would, where no input device can reach it (a headless Wayland
# compositor): the dictionary window, "Check Expression" to the expression
# window, "Back to Main", the help text's message box closed with OK, and
# "Exit". The program must end with status 0 and print nothing.
#   accessiblewalk.py PROGRAM LOG
# Needs a session bus (dbus-run-session) and Debian's gir1.2-atspi-2.0.
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

MAIN_CAPTION = "Velmora University: Online Kanji Learning Program"
EXPRESSION_CAPTION = "Velmora University, Japan"
MESSAGE_TITLE = "Kanji Learning Program"


def fail(message):
    print(f"FAIL (wayland): {message}")
    sys.exit(1)


def wait_for(what, find, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.05)
    fail(f"no {what} within {seconds} s")


def showing(node):
    states = node.get_state_set()
    return states.contains(Atspi.StateType.SHOWING) and states.contains(Atspi.StateType.VISIBLE)


def application(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        child = desktop.get_child_at_index(i)
        if child is not None and child.get_name() == name:
            return child
    return None


def descendant(node, role, name):
    """The first descendant with this role and name, depth first."""
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is None:
            continue
        if child.get_role() == role and child.get_name() == name:
            return child
        found = descendant(child, role, name)
        if found is not None:
            return found
    return None


def top_level(app, name):
    """The showing top-level window of the program with this name."""
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        if window is not None and window.get_name() == name and showing(window):
            return window
    return None


def press(bus, node, what):
    """Runs the node's first action (a button's or menu item's press).

    The call expects no reply: the program answers only when the handler
    returns, and a handler that opens a modal dialog returns when the dialog
    closes."""
    if "Action" not in node.get_interfaces() or node.get_n_actions() < 1:
        fail(f"{what} offers no action")
    message = Gio.DBusMessage.new_method_call(
        node.app.bus_name, node.path, "org.a11y.atspi.Action", "DoAction")
    message.set_body(GLib.Variant("(i)", (0,)))
    message.set_flags(Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
    bus.send_message(message, Gio.DBusSendMessageFlags.NONE)


def main():
    program, log_path = sys.argv[1], sys.argv[2]
    # What a screen reader does when it starts: the toolkits then publish their
    # widgets on the accessibility bus.
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    session.call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
        GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
        None, Gio.DBusCallFlags.NONE, 5000, None)
    address = session.call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
        GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

    with open(log_path, "wb") as log:
        process = subprocess.Popen([program], stdout=log, stderr=subprocess.STDOUT)
    try:
        app = wait_for("program on the accessibility bus", lambda: application("kanjiaid"))
        # Every question goes to the program, which answers for the widgets it
        # has now: a cached child may be one it has since destroyed, and Qt
        # warns when asked about such a one.
        app.set_cache_mask(Atspi.Cache.NONE)
        main_window = wait_for(f"window named '{MAIN_CAPTION}'",
                               lambda: top_level(app, MAIN_CAPTION))
        button = lambda window, name: wait_for(
            f"button '{name}'", lambda: descendant(window, Atspi.Role.PUSH_BUTTON, name))

        press(bus, button(main_window, "Check Expression"), "Check Expression")
        expression = wait_for(f"window named '{EXPRESSION_CAPTION}'",
                              lambda: top_level(app, EXPRESSION_CAPTION))
        wait_for("dictionary window hidden",
                 lambda: None if top_level(app, MAIN_CAPTION) else True)

        press(bus, button(expression, "Back to Main"), "Back to Main")
        main_window = wait_for("dictionary window back",
                               lambda: top_level(app, MAIN_CAPTION))
        wait_for("expression window hidden",
                 lambda: None if top_level(app, EXPRESSION_CAPTION) else True)

        help_item = wait_for("menu item 'Help'",
                             lambda: descendant(main_window, Atspi.Role.MENU_ITEM, "Help"))
        windows = app.get_child_count()
        press(bus, help_item, "Help")
        message = wait_for(f"message box titled '{MESSAGE_TITLE}'",
                           lambda: top_level(app, MESSAGE_TITLE))
        press(bus, button(message, "OK"), "OK")
        # The box is destroyed once closed: counted, not asked for again.
        wait_for("message box closed",
                 lambda: True if app.get_child_count() == windows else None)

        press(bus, button(main_window, "Exit"), "Exit")
        try:
            status = process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            fail("Exit did not end the program")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()

    if status != 0:
        fail(f"the program exited with status {status}")
    with open(log_path, encoding="utf-8", errors="replace") as log:
        printed = log.read()
    if printed:
        fail(f"the program printed:\n{printed}")
    print("PASS (wayland): both windows shown and switched, the help text's message box"
          " closed with OK; Exit ended the program with status 0, printing nothing")


if __name__ == "__main__":
    main()
