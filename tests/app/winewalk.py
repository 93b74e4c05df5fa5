#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows installer as a student meets it, under Wine, in a fresh Wine
# prefix on a private Xvfb: a silent install (twice: the second upgrades the
# first in place), the Start-menu shortcut pointing at the installed
# program, that program started as the shortcut starts it and walked with
# the keyboard (no screen-reader bus reaches a program under Wine): the
# dictionary window, Shift+Tab and Space on "Check Expression", Shift+Tab and
# Space on "Back to Main", Alt and Return for the help text, Return on its
# OK, then a click on "Exit", which must end the program with status 0.
# Each window is found by its title through X11 and screenshot. Then a
# silent uninstall, which must leave no file, shortcut or Uninstall key.
#   winewalk.py SETUP.EXE GRABWINDOW OUTPUT_DIR
# The window titles are the ones the real-window walk expects (English).
import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.dont_write_bytecode = True  # no cache of the walker's module in the source tree
from realwindow import (EXPRESSION_CAPTION, MAIN_CAPTION, MESSAGE_TITLE, Session,  # noqa: E402
                        WalkFailed, catalogue, poll, screenshot)

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\kanjiaid"
SHORTCUT = "Kanji Learning Program.lnk"


class Wine:
    """A Wine prefix of the walk's own, on the session's display."""

    def __init__(self, session):
        self.session = session
        self.prefix = tempfile.mkdtemp(prefix="kanjiaid-wine-")
        self.env = dict(session.env, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEARCH="win64", WINEDLLOVERRIDES="mscoree,mshtml=")
        user = os.environ.get("USER") or subprocess.run(
            ["id", "-un"], capture_output=True, text=True).stdout.strip()
        self.home = Path(self.prefix) / "drive_c" / "users" / user

    def run(self, *arguments, check=True):
        result = subprocess.run(["wine", *arguments], env=self.env, capture_output=True,
                                text=True, errors="replace")
        if check and result.returncode != 0:
            raise WalkFailed(f"wine {' '.join(arguments)} ended with status {result.returncode}:"
                             f" {result.stdout}{result.stderr}")
        return result

    def settle(self):
        """Waits until every program of the prefix has ended."""
        subprocess.run(["wineserver", "-w"], env=self.env, check=True)

    def end(self):
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        shutil.rmtree(self.prefix, ignore_errors=True)


def xdotool(env, *arguments):
    return subprocess.run(["xdotool", *arguments], env=env, capture_output=True, text=True)


def window(env, title, seconds=30):
    """The id of the visible X window with exactly this title."""
    def find():
        found = xdotool(env, "search", "--onlyvisible", "--name", f"^{title}$").stdout.split()
        return found[0] if found else None
    found = poll(find, seconds)
    if not found:
        raise WalkFailed(f"no window titled '{title}' within {seconds} s")
    return found


def keys(env, target, *names):
    """Gives the window the keyboard, then presses the keys, one after the other."""
    for arguments in (["windowfocus", "--sync", target],
                      *(["key", "--clearmodifiers", name] for name in names)):
        if xdotool(env, *arguments).returncode != 0:
            raise WalkFailed(f"xdotool {' '.join(arguments)} failed")
        time.sleep(0.3)


def main():
    setup, grab, out = sys.argv[1], sys.argv[2], Path(sys.argv[3])
    out.mkdir(parents=True, exist_ok=True)
    text = catalogue("en")
    session = Session(out, "wine")
    wine = None
    step = "start the display server"
    try:
        for tool, package in (("wine", "wine"), ("xdotool", "xdotool")):
            Session.need(tool, package)
        session.start_xvfb()
        step = "make a fresh Wine prefix"
        wine = Wine(session)
        wine.run("wineboot", "-i")
        wine.settle()
        installed = wine.home / "AppData" / "Local" / "Programs" / "kanjiaid"
        shortcut = wine.home / "AppData" / "Roaming" / "Microsoft" / "Windows" / "Start Menu" \
            / "Programs" / SHORTCUT

        for attempt in ("install", "install again, over the first"):
            step = attempt
            wine.run(setup, "/S")
            wine.settle()
            files = sorted(p.name for p in installed.iterdir()) if installed.is_dir() else []
            if files != ["kanjiaid.exe", "uninstall.exe"]:
                raise WalkFailed(f"{installed} holds {files}")
            link = shortcut.read_bytes() if shortcut.exists() else b""
            target = "kanjiaid\\kanjiaid.exe"
            if target.encode("utf-16-le") not in link and target.encode() not in link:
                raise WalkFailed(f"no shortcut to {target} at {shortcut}")
            listing = wine.run("reg", "query", UNINSTALL_KEY).stdout
            for value in ("DisplayName", "DisplayVersion", "Publisher", "DisplayIcon",
                          "UninstallString", "EstimatedSize"):
                if value not in listing:
                    raise WalkFailed(f"the Uninstall key has no {value}: {listing}")

        # Wine's start does not wait for a program a shortcut starts: the
        # program the shortcut points at is started as it starts it, in its
        # own folder, so that its status can be read.
        step = "start the program the Start-menu shortcut points at"
        with open(out / "kanjiaid-wine.log", "wb") as log:
            program = subprocess.Popen(["wine", str(installed / "kanjiaid.exe")], env=wine.env,
                                       cwd=installed, stdout=log, stderr=subprocess.STDOUT)

        def shot(target, name):
            screenshot(session.env, grab, target, out / f"windows-{name}.png")

        def gone(target):
            if not poll(lambda: xdotool(wine.env, "search", "--onlyvisible", "--name",
                                        f"^{text(target)}$").returncode != 0, 10):
                raise WalkFailed(f"the window '{text(target)}' stayed on screen")

        main_window = window(wine.env, text(MAIN_CAPTION), 60)
        shot(main_window, "dictionary")
        step = "Check Expression (Shift+Tab from Exit, Space)"
        keys(wine.env, main_window, "shift+Tab", "space")
        expression = window(wine.env, text(EXPRESSION_CAPTION))
        gone(MAIN_CAPTION)
        shot(expression, "expression")
        step = "Back to Main (Shift+Tab from the paste button, Space)"
        keys(wine.env, expression, "shift+Tab", "space")
        main_window = window(wine.env, text(MAIN_CAPTION))
        gone(EXPRESSION_CAPTION)
        step = "Help (Alt, Return)"
        keys(wine.env, main_window, "alt", "Return")
        message = window(wine.env, text(MESSAGE_TITLE))
        shot(message, "help")
        step = "OK in the help text's message box (Return)"
        keys(wine.env, message, "Return")
        gone(MESSAGE_TITLE)
        # Which button has the keyboard once the window is back is Wine's
        # choice: Exit is clicked, at the middle of its place in the layout
        # (5400, 5640, 1335 x 615 twips), below the menu bar.
        step = "Exit (clicked)"
        geometry = xdotool(wine.env, "getwindowgeometry", main_window).stdout
        menu = int(geometry.split("Geometry: ")[1].split("x")[1]) - 455
        if xdotool(wine.env, "mousemove", "--window", main_window, "405", str(397 + menu),
                   "click", "1").returncode != 0:
            raise WalkFailed("xdotool could not click Exit")
        try:
            status = program.wait(timeout=15)
        except subprocess.TimeoutExpired:
            shot(main_window, "at-failure")
            raise WalkFailed("Exit did not end the program (see windows-at-failure.png)") from None
        if status != 0:
            raise WalkFailed(f"the program exited with status {status}")
        wine.settle()

        step = "uninstall"
        wine.run(str(installed / "uninstall.exe"), "/S")
        wine.settle()
        left = [str(p) for p in (installed, shortcut) if p.exists()]
        if left:
            raise WalkFailed(f"left behind: {left}")
        if wine.run("reg", "query", UNINSTALL_KEY, check=False).returncode == 0:
            raise WalkFailed("the Uninstall key is left behind")
    except Exception as error:  # whatever fails, the step is named
        print(f"FAIL (Wine) at step '{step}': {error}")
        return 1
    finally:
        if wine is not None:
            wine.end()
        session.end()
    print("PASS (Wine): installed silently, twice, with its shortcut and Uninstall key; the"
          " program the shortcut points at started, both windows shown, switched and screenshot,"
          " the help text opened and closed; Exit ended it with status 0; uninstalled, leaving"
          " nothing")
    return 0


if __name__ == "__main__":
    sys.exit(main())
