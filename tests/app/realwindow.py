#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Walks the real program on a real display server of its own, through its
# accessibility interface (AT-SPI), as a screen reader would: the dictionary
# window, a word searched for and the kanji found read from its label,
# "Check Expression" to the expression window, an expression laid out, one
# of its characters read and pressed and the answer read, "Back to Main",
# the help text's message box closed with OK, and "Exit". The kanji and the
# answer must be announced as they change. The program must end
# with status 0 and print nothing. On X11 each window is screenshot too.
#   realwindow.py PLATFORM LANGUAGE PROGRAM OUTPUT_DIR [GRABWINDOW]
#     PLATFORM    xcb (a private Xvfb) or wayland (a private headless weston)
#     LANGUAGE    en, or id: the walk expects the texts the Indonesian
#                 catalogue gives (translations/kanjiaid_id.ts)
#     GRABWINDOW  the screenshot tool, for xcb
# Each step is named as it starts; a failing step says what failed and what
# the program's window tree held.
import ctypes
import os
import random
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time
import warnings
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# The texts the walk looks for, as the program's sources write them.
MAIN_CAPTION = ("kanjiaid::Form1", "Velmora University: Online Kanji Learning Program")
EXPRESSION_CAPTION = ("kanjiaid::Form2", "Velmora University, Japan")
MESSAGE_TITLE = ("kanjiaid", "Kanji Learning Program")
CHECK_EXPRESSION = ("kanjiaid::Form1", "Check Expression")
BACK_TO_MAIN = ("kanjiaid::Form2", "Back to Main")
HELP = ("kanjiaid::Form1", "Help")
EXIT = ("kanjiaid::Form1", "Exit")
OK = ("QPlatformTheme", "OK")
WORD_TO_SEARCH = ("kanjiaid::Form1", "Word to search")
SEARCH = ("kanjiaid::Form1", "Search for the word")
KANJI = ("kanjiaid::Form1", "Kanji")
EXPRESSION = ("kanjiaid::Form2", "Kanji expression")
RUN = ("kanjiaid::Form2", "RUN and click on any kanji below:")
CHARACTER = ("kanjiaid::Form2", "Character %1")
ANSWER = ("kanjiaid::Form2", "Kunyomi, onyomi and meaning")
# What the records give for the walk's word and expression.
SEARCHED_WORD, SEARCHED_KANJI = "bright", "明"
EXPRESSION_TEXT, PRESSED_CELL, ANSWER_TEXT = "今日明", 3, "akarui; mei/myou; bright"

SOURCE_DIR = Path(__file__).resolve().parents[2]


class WalkFailed(Exception):
    pass


def catalogue(language):
    """The text the program shows for each (context, source) in this language."""
    if language == "en":
        return lambda text: text[1]
    path = SOURCE_DIR / "translations" / f"kanjiaid_{language}.ts"
    texts = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            texts[(name, message.findtext("source"))] = message.findtext("translation")

    def translate(text):
        if not texts.get(text):
            raise WalkFailed(f"{path.name} has no translation of {text}")
        return texts[text]
    return translate


def poll(find, seconds):
    """What find returns once it is something, or None after so many seconds."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        # Events from the accessibility bus arrive through the main loop.
        while GLib.MainContext.default().iteration(False):
            pass
        found = find()
        if found:
            return found
        time.sleep(0.05)
    return None


def expect_end(process, seconds, expected, what, on_timeout=None):
    """Waits for the process to end with the expected status; what ended it
    is named when it does not."""
    try:
        status = process.wait(timeout=seconds)
    except subprocess.TimeoutExpired:
        if on_timeout:
            on_timeout()
        raise WalkFailed(f"{what} did not end it within {seconds} s") from None
    if status != expected:
        raise WalkFailed(f"after {what} it ended with status {status}, not {expected}")


def wait_for(what, find, seconds=10):
    found = poll(find, seconds)
    if not found:
        raise WalkFailed(f"no {what} within {seconds} s")
    return found


def showing(node):
    states = node.get_state_set()
    return states.contains(Atspi.StateType.SHOWING) and states.contains(Atspi.StateType.VISIBLE)


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def descendant(node, role, name):
    """The first descendant with this role and name, depth first."""
    for child in children(node):
        if child.get_role() == role and child.get_name() == name:
            return child
        found = descendant(child, role, name)
        if found is not None:
            return found
    return None


def top_level(app, name):
    """The showing top-level window of the program with this name."""
    return next((w for w in children(app) if w.get_name() == name and showing(w)), None)


def tree(node, depth=0, lines=None):
    """The node and its descendants, one line each: role, name, whether showing."""
    lines = [] if lines is None else lines
    try:
        lines.append(f"{'  ' * depth}{node.get_role_name()} '{node.get_name()}'"
                     f"{' showing' if showing(node) else ''}")
        for child in children(node):
            tree(child, depth + 1, lines)
    except GLib.Error as error:
        lines.append(f"{'  ' * depth}(gone: {error.message})")
    return lines


def end_with_this_process():
    """Run in each child before it starts: the kernel stops it (SIGTERM) when
    the walk's process ends, however it ends, even by SIGKILL."""
    ctypes.CDLL(None, use_errno=True).prctl(1, 15)  # PR_SET_PDEATHSIG, SIGTERM


class Session:
    """A display server, a session bus and the program, each ended on exit."""

    def __init__(self, out, tag):
        # Walks run side by side, each writing logs of its own.
        self.out = out
        self.logs = {name: f"{name}-{tag}.log" for name in ("xvfb", "weston", "bus")}
        self.processes = []
        self.runtime = tempfile.mkdtemp(prefix="kanjiaid-walk-")
        # The environment every program of the walk starts from: no platform,
        # display or bus of the caller's.
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY",
                                 "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS")}
        self.env["XDG_RUNTIME_DIR"] = self.runtime
        # Under the sanitizers: the leaks Qt's X11 platform keeps show the Qt
        # frame their suppression names only to the slow unwinder.
        if "ASAN_OPTIONS" in self.env:
            self.env["ASAN_OPTIONS"] += ":fast_unwind_on_malloc=0"

    def start(self, arguments, log_name, env=None, **options):
        with open(self.out / log_name, "wb") as log:
            process = subprocess.Popen(arguments, env=env or self.env, stdout=log,
                                       preexec_fn=end_with_this_process,
                                       stderr=subprocess.STDOUT, **options)
        self.processes.append(process)
        return process

    def log(self, name):
        return (self.out / name).read_text(errors="replace")

    @staticmethod
    def need(tool, package):
        if shutil.which(tool) is None:
            raise WalkFailed(f"{tool} is missing (Debian package {package})")

    def start_xvfb(self, screen="1024x768x24"):
        self.need("Xvfb", "xvfb")
        self.need("xwininfo", "x11-utils")
        # Xvfb writes its display number to the pipe once it is ready, and
        # again each time it resets, when its last client leaves; as a write
        # to a closed pipe ends it, it never resets. The number is drawn at
        # random, as a server in another root or mount namespace holds its
        # display without a lock file this one can see; a server that cannot
        # have it, or takes no client, is replaced.
        for attempt in range(1, 6):
            display = f":{random.randrange(100, 1000)}"
            read, write = os.pipe()
            server = self.start(["Xvfb", display, "-displayfd", str(write), "-noreset", "-screen",
                                 "0", screen, "-nolisten", "tcp"], self.logs["xvfb"],
                                pass_fds=(write,))
            os.close(write)
            # The number and its line end come in two writes: the pipe stays
            # open for both, as a write to a closed pipe ends the server.
            reported = b""
            while not reported.endswith(b"\n") and select.select([read], [], [], 10)[0]:
                chunk = os.read(read, 16)
                if not chunk:
                    break
                reported += chunk
            os.close(read)
            connects = lambda: subprocess.run(  # noqa: E731
                ["xwininfo", "-root", "-display", display], capture_output=True).returncode == 0
            if reported and poll(lambda: server.poll() is not None or connects(), 5) \
                    and server.poll() is None:
                self.env["DISPLAY"] = display
                return
            print(f"Xvfb on {display} (attempt {attempt}) did not start or took no client:")
            print(self.log(self.logs["xvfb"]))
            server.kill()
            server.wait()
        raise WalkFailed("no X server")

    def start_weston(self):
        self.need("weston", "weston")
        version = subprocess.run(["weston", "--version"], capture_output=True, text=True).stdout
        # The renderer option is --use-pixman up to weston 11, --renderer since.
        old = int(re.search(r"(\d+)\.", version).group(1)) < 12
        socket = "kanjiaid-walk"
        self.start(["weston", "--backend=headless-backend.so",
                    "--use-pixman" if old else "--renderer=pixman", f"--socket={socket}",
                    "--idle-time=0", "--width=1024", "--height=768"], self.logs["weston"])
        if not poll(lambda: os.path.exists(os.path.join(self.runtime, socket)), 5):
            print(self.log(self.logs["weston"]))
            raise WalkFailed("weston did not start")
        self.env["WAYLAND_DISPLAY"] = socket

    def start_bus(self):
        """A session bus, which starts the accessibility bus when asked."""
        self.need("dbus-daemon", "dbus-daemon")
        with open(self.out / self.logs["bus"], "wb") as log:
            daemon = subprocess.Popen(
                ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                env=self.env, stdout=subprocess.PIPE, stderr=log, text=True,
                preexec_fn=end_with_this_process)
        self.processes.append(daemon)
        address = daemon.stdout.readline().strip()
        if not address:
            raise WalkFailed("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        # The bus library of this process reads the address from there.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address

    def end(self):
        # Asked first, so that Xvfb and weston remove their sockets and locks.
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.runtime, ignore_errors=True)


def screenshot(env, grab, window, path):
    """Saves the X window as PNG with the screenshot tool, on X11 explicitly."""
    time.sleep(0.5)  # let the first paint land
    subprocess.run([grab, window, str(path)], env=dict(env, QT_QPA_PLATFORM="xcb"), check=False)
    if not path.exists() or path.stat().st_size == 0:
        raise WalkFailed(f"no screenshot {path.name}")


def accessibility_bus():
    """What a screen reader does when it starts: the toolkits then publish
    their widgets on the accessibility bus, which this connection reaches."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    session.call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
        GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
        None, Gio.DBusCallFlags.NONE, 5000, None)
    address = session.call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
        GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
    return Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)


def read(node):
    """The text the node offers a screen reader through its Text interface."""
    if "Text" not in node.get_interfaces():
        raise WalkFailed(f"'{node.get_name()}' offers no text")
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def press(bus, node, what):
    """Runs the node's first action (a button's or menu item's press).

    The call expects no reply: the program answers only when the handler
    returns, and a handler that opens a modal dialog returns when the dialog
    closes."""
    if "Action" not in node.get_interfaces() or node.get_n_actions() < 1:
        raise WalkFailed(f"{what} offers no action")
    message = Gio.DBusMessage.new_method_call(
        node.app.bus_name, node.path, "org.a11y.atspi.Action", "DoAction")
    message.set_body(GLib.Variant("(i)", (0,)))
    message.set_flags(Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
    bus.send_message(message, Gio.DBusSendMessageFlags.NONE)


def walk(platform, language, program, out, grab):
    text = catalogue(language)
    session = Session(out, f"{platform}-{language}")
    app = None
    step = "start the display server"
    try:
        if platform == "xcb":
            session.start_xvfb()
        else:
            session.start_weston()
        step = "start the session bus"
        session.start_bus()
        bus = accessibility_bus()

        def x11_screenshot(caption, name):
            if platform != "xcb":
                return
            listing = subprocess.run(["xwininfo", "-root", "-tree"], env=session.env,
                                     capture_output=True, text=True).stdout
            window = next((line.split()[0] for line in listing.splitlines()
                           if f'"{caption}"' in line), None)
            if window is None:
                raise WalkFailed(f"no X window captioned '{caption}' to screenshot")
            screenshot(session.env, grab, window, out / f"{name}-{platform}-{language}.png")

        step = "start the program"
        program_log = f"kanjiaid-{platform}-{language}.log"
        process = session.start([program], program_log, env=dict(
            session.env, QT_QPA_PLATFORM=platform, LC_ALL="C.UTF-8",
            LANGUAGE="" if language == "en" else language))

        def application():
            desktop = Atspi.get_desktop(0)
            return next((a for a in children(desktop) if a.get_name() == "kanjiaid"), None)
        # A first start on a busy machine builds fontconfig's caches.
        app = wait_for("program on the accessibility bus", application, 20)
        # Every question goes to the program, which answers for the widgets it
        # has now: a cached child may be one it has since destroyed.
        app.set_cache_mask(Atspi.Cache.NONE)

        def window(caption):
            return wait_for(f"window named '{text(caption)}'", lambda: top_level(app, text(caption)))

        def hidden(caption):
            wait_for(f"window '{text(caption)}' hidden",
                     lambda: not top_level(app, text(caption)))

        def button(parent, name, role=Atspi.Role.PUSH_BUTTON, name_text=None):
            name_text = name_text or text(name)
            return wait_for(f"{role.value_nick} '{name_text}'",
                            lambda: descendant(parent, role, name_text))

        # What a screen reader hears announced: the text changes of each object.
        changes = []
        listener = Atspi.EventListener.new(
            lambda event: changes.append((event.source.get_name(), event.type)))
        listener.register("object:text-changed")

        def announced(name):
            wait_for(f"text change announced by '{name}'",
                     lambda: any(source == name for source, _ in changes))

        step = "the dictionary window"
        main_window = window(MAIN_CAPTION)
        x11_screenshot(text(MAIN_CAPTION), "dictionary")

        step = "search, and read the kanji"
        entry = button(main_window, WORD_TO_SEARCH, Atspi.Role.TEXT)
        Atspi.EditableText.set_text_contents(entry, SEARCHED_WORD)
        changes.clear()
        press(bus, button(main_window, SEARCH), text(SEARCH))
        kanji = button(main_window, KANJI, Atspi.Role.LABEL)
        wait_for(f"'{SEARCHED_KANJI}' in '{text(KANJI)}'", lambda: read(kanji) == SEARCHED_KANJI)
        announced(text(KANJI))

        def switch(parent, name, shown, left):
            """Presses the button that takes the student from one window to the other."""
            press(bus, button(parent, name), text(name))
            found = window(shown)
            hidden(left)
            return found

        step = "Check Expression"
        expression = switch(main_window, CHECK_EXPRESSION, EXPRESSION_CAPTION, MAIN_CAPTION)
        x11_screenshot(text(EXPRESSION_CAPTION), "expression")

        step = "analyse an expression, press a character, read the answer"
        entry = button(expression, EXPRESSION, Atspi.Role.TEXT)
        Atspi.EditableText.set_text_contents(entry, EXPRESSION_TEXT)
        press(bus, button(expression, RUN), text(RUN))
        cell_name = text(CHARACTER).replace("%1", str(PRESSED_CELL))
        cell = button(expression, None, Atspi.Role.LABEL, cell_name)
        wait_for(f"'{EXPRESSION_TEXT[PRESSED_CELL - 1]}' in '{cell_name}'",
                 lambda: read(cell) == EXPRESSION_TEXT[PRESSED_CELL - 1])
        with warnings.catch_warnings():  # the name's newer call is not in Debian 12's libatspi
            warnings.simplefilter("ignore", DeprecationWarning)
            pressable = cell.get_n_actions() > 0 and cell.get_action_name(0) == "Press"
        if not pressable:
            raise WalkFailed(f"'{cell_name}' offers no Press action")
        changes.clear()
        press(bus, cell, cell_name)
        answer = button(expression, ANSWER, Atspi.Role.LABEL)
        wait_for(f"'{ANSWER_TEXT}' in '{text(ANSWER)}'", lambda: read(answer) == ANSWER_TEXT)
        announced(text(ANSWER))

        step = "Back to Main"
        main_window = switch(expression, BACK_TO_MAIN, MAIN_CAPTION, EXPRESSION_CAPTION)

        step = "Help"
        windows = app.get_child_count()
        press(bus, button(main_window, HELP, Atspi.Role.MENU_ITEM), text(HELP))
        message = window(MESSAGE_TITLE)
        x11_screenshot(text(MESSAGE_TITLE), "help")
        step = "OK in the help text's message box"
        press(bus, button(message, OK), text(OK))
        # The box is destroyed once closed: counted, not asked for again.
        wait_for("message box closed", lambda: app.get_child_count() == windows)

        step = "Exit"
        press(bus, button(main_window, EXIT), text(EXIT))
        expect_end(process, 10, 0, "Exit")
        if session.log(program_log):
            raise WalkFailed("the program printed the above, where nothing is expected")
    except Exception as error:  # whatever fails, the step is named
        message = error.message if isinstance(error, GLib.Error) else str(error)
        if app is not None:
            print("the program's windows held:")
            print("\n".join(tree(app)))
        log = out / f"kanjiaid-{platform}-{language}.log"
        if log.exists() and log.stat().st_size:
            print(f"the program printed:\n{log.read_text(errors='replace')}")
        print(f"FAIL ({platform}, {language}) at step '{step}': {message}")
        return 1
    finally:
        session.end()
    print(f"PASS ({platform}, {language}): both windows shown and switched"
          f"{' and screenshot' if platform == 'xcb' else ''}; a search read and announced;"
          " an expression's character read and pressed, its answer read and announced;"
          " the help text's message box closed with OK; Exit ended the program with"
          " status 0, printing nothing")
    return 0


def main():
    if len(sys.argv) not in (5, 6) or sys.argv[1] not in ("xcb", "wayland") \
            or sys.argv[2] not in ("en", "id") or (sys.argv[1] == "xcb" and len(sys.argv) != 6):
        print("usage: realwindow.py xcb|wayland en|id PROGRAM OUTPUT_DIR [GRABWINDOW]")
        return 2
    platform, language, program = sys.argv[1:4]
    out = Path(sys.argv[4])
    out.mkdir(parents=True, exist_ok=True)
    return walk(platform, language, program, out, sys.argv[5] if len(sys.argv) == 6 else None)


if __name__ == "__main__":
    sys.exit(main())
