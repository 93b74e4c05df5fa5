#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows installer as a student meets it, under Wine, in a fresh Wine
# prefix on a private Xvfb: a silent install (twice: the second upgrades the
# first in place), the Start-menu shortcut pointing at the installed
# program, that program started as the shortcut starts it; while it runs, an
# install over it and an uninstall must both stop with status 2 and change
# nothing. Each window is read through UI Automation (what Wine answers of
# it) and walked with the keyboard: the dictionary window, Shift+Tab and
# Space on "Check Expression", Shift+Tab and Space on "Back to Main", Alt
# and Return for the help text, Return on its OK, then Exit from the
# keyboard (Tab from Check Expression, Space), which must end the program
# with status 0. Each window is found
# by its title through X11 and screenshot. Then a silent uninstall, which
# must leave no file, shortcut or Uninstall key.
#   winewalk.py SETUP.EXE GRABWINDOW UIAREAD.EXE OUTPUT_DIR
# The window titles are the ones the real-window walk expects (English).
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.dont_write_bytecode = True  # no cache of the walker's module in the source tree
from realwindow import (EXPRESSION_CAPTION, MAIN_CAPTION, MESSAGE_TITLE, Session,  # noqa: E402
                        WalkFailed, catalogue, end_with_this_process, expect_end, poll,
                        screenshot)

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

    def start(self, program, log=None, env=None):
        """Starts the program in its own folder, as a shortcut does; its output
        goes to the log, or nowhere."""
        with open(log or os.devnull, "wb") as output:
            return subprocess.Popen(["wine", str(program)], env=env or self.env,
                                    cwd=Path(program).parent, stdout=output,
                                    stderr=subprocess.STDOUT, preexec_fn=end_with_this_process)

    def windows_path(self, path):
        return subprocess.run(["winepath", "-w", str(path)], env=self.env, capture_output=True,
                              text=True, check=True).stdout.strip()

    def settle(self):
        """Waits until every program of the prefix has ended."""
        subprocess.run(["wineserver", "-w"], env=self.env, check=True)

    def kill(self):
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)

    def stop_all(self):
        """Ends every program of the prefix, and waits until they have."""
        self.kill()
        self.settle()

    def end(self):
        self.kill()
        shutil.rmtree(self.prefix, ignore_errors=True)


def xdotool(env, *arguments):
    return subprocess.run(["xdotool", *arguments], env=env, capture_output=True, text=True)


def titled(env, words):
    """The visible X windows whose title holds the words (a pattern), oldest
    first."""
    return xdotool(env, "search", "--onlyvisible", "--name", words).stdout.split()


def windows_titled(env, words, seconds=30, besides=()):
    """The visible windows whose title holds the words, other than those
    given, once there is one."""
    found = poll(lambda: [w for w in titled(env, words) if w not in besides], seconds)
    if not found:
        raise WalkFailed(f"no window titled '{words}' within {seconds} s")
    return found


def window(env, title, seconds=30):
    """The id of the visible X window with exactly this title."""
    return windows_titled(env, f"^{title}$", seconds)[0]


def keys(env, target, *names):
    """Gives the window the keyboard, then presses the keys, one after the other."""
    for arguments in (["windowfocus", "--sync", target],
                      *(["key", "--clearmodifiers", name] for name in names)):
        if xdotool(env, *arguments).returncode != 0:
            raise WalkFailed(f"xdotool {' '.join(arguments)} failed")
        time.sleep(0.3)


def automation(wine, uiaread, title, path, depth):
    """What a UI Automation client reads of the window, DEPTH levels deep (-1:
    all), as lines of fields, also written to the path; and its status. Wine
    8 answers for the window itself; asked for its elements, which Qt
    provides across the process, it stops answering (status 3), and the
    program's own UI Automation with it."""
    result = subprocess.run(["wine", uiaread, title, "8", str(depth)], env=wine.env,
                            capture_output=True, text=True, errors="replace")
    path.write_text(result.stdout + result.stderr)
    lines = [line.split("\t") for line in result.stdout.splitlines()]
    if result.returncode not in (0, 3) or not lines or lines[0][:3] != ["0", "window", title]:
        raise WalkFailed(f"UI Automation read of '{title}' (status {result.returncode}):"
                         f" {result.stdout}{result.stderr}")
    return lines, result.returncode


def set_dpi(wine, dpi):
    wine.run("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
             "/d", str(dpi), "/f")
    wine.settle()


def png_size(path):
    header = path.read_bytes()[16:24]
    return int.from_bytes(header[:4], "big"), int.from_bytes(header[4:], "big")


def digest(path):
    return hashlib.sha256(path.read_bytes()).hexdigest() if path.exists() else None


def main():
    setup, grab, uiaread, out = sys.argv[1], sys.argv[2], sys.argv[3], Path(sys.argv[4])
    out.mkdir(parents=True, exist_ok=True)
    text = catalogue("en")
    session = Session(out, "wine")
    wine = None
    step = "start the display server"
    try:
        for tool, package in (("wine", "wine"), ("xdotool", "xdotool")):
            Session.need(tool, package)
        session.start_xvfb("1920x1200x24")  # room for a window at 192 dpi
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
        program = wine.start(installed / "kanjiaid.exe", out / "kanjiaid-wine.log")

        def shot(target, name):
            screenshot(session.env, grab, target, out / f"windows-{name}.png")

        def gone(target):
            if not poll(lambda: not titled(wine.env, f"^{text(target)}$"), 10):
                raise WalkFailed(f"the window '{text(target)}' stayed on screen")

        main_window = window(wine.env, text(MAIN_CAPTION), 60)
        shot(main_window, "dictionary")
        automation(wine, uiaread, text(MAIN_CAPTION), out / "uia-dictionary.txt", 0)

        # The running program is neither replaced nor removed under it.
        before = {name: digest(installed / name) for name in ("kanjiaid.exe", "uninstall.exe")}
        for attempt, arguments in (
                ("install over the running program", [setup, "/S"]),
                ("uninstall the running program",
                 [str(installed / "uninstall.exe"), "/S", f"_?={wine.windows_path(installed)}"])):
            step = attempt
            status = wine.run(*arguments, check=False).returncode
            if status != 2:
                raise WalkFailed(f"it ended with status {status}, not 2 (stopped)")
            after = {name: digest(installed / name) for name in before}
            if after != before or "DisplayName" not in wine.run("reg", "query", UNINSTALL_KEY,
                                                                  check=False).stdout:
                raise WalkFailed(f"the install changed: {before} became {after}")
        step = "Check Expression (Shift+Tab from Exit, Space)"
        keys(wine.env, main_window, "shift+Tab", "space")
        expression = window(wine.env, text(EXPRESSION_CAPTION))
        gone(MAIN_CAPTION)
        shot(expression, "expression")
        automation(wine, uiaread, text(EXPRESSION_CAPTION), out / "uia-expression.txt", 0)
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
        # The keyboard is back where it left the window, on Check Expression,
        # whose next stop is Exit (the window's first focus).
        step = "Exit (Tab from Check Expression, Space)"
        keys(wine.env, main_window, "Tab", "space")
        expect_end(program, 15, 0, "Exit (see windows-at-failure.png on a timeout)",
                   lambda: shot(main_window, "at-failure"))
        wine.settle()

        # The whole element tree, as far as Wine answers; the program is then
        # ended, as a tree Wine stopped reading leaves it waiting.
        step = "read the whole element tree through UI Automation"
        wine.start(installed / "kanjiaid.exe", out / "kanjiaid-wine-tree.log")
        window(wine.env, text(MAIN_CAPTION), 60)
        tree, answered = automation(wine, uiaread, text(MAIN_CAPTION), out / "uia-tree.txt", -1)
        wine.stop_all()

        # At 144 and 192 dpi (Wine's LogPixels) the windows grow by the scale.
        for dpi in (144, 192):
            step = f"both windows at {dpi} dpi"
            set_dpi(wine, dpi)
            wine.start(installed / "kanjiaid.exe")
            main_window = window(wine.env, text(MAIN_CAPTION), 60)
            shot(main_window, f"dictionary-{dpi}dpi")
            keys(wine.env, main_window, "shift+Tab", "space")
            shot(window(wine.env, text(EXPRESSION_CAPTION)), f"expression-{dpi}dpi")
            wine.stop_all()
            for name in ("dictionary", "expression"):
                small = png_size(out / f"windows-{name}.png")[0]
                large = png_size(out / f"windows-{name}-{dpi}dpi.png")[0]
                if abs(large - small * dpi / 96) > small * 0.1:
                    raise WalkFailed(f"the {name} window is {large} pixels wide at {dpi} dpi,"
                                     f" {small} at 96")
        set_dpi(wine, 96)

        step = "uninstall"
        wine.run(str(installed / "uninstall.exe"), "/S")
        wine.settle()
        left = [str(p) for p in (installed, shortcut) if p.exists()]
        if left:
            raise WalkFailed(f"left behind: {left}")
        if wine.run("reg", "query", UNINSTALL_KEY, check=False).returncode == 0:
            raise WalkFailed("the Uninstall key is left behind")

        # The installer as a student whose Windows speaks Indonesian meets
        # it: each page, then the question it asks while the program runs.
        step = "the installer in Indonesian"
        indonesian = dict(wine.env, LANG="id_ID.UTF-8", LC_ALL="id_ID.UTF-8")
        installer = wine.start(setup, env=indonesian)
        page = windows_titled(indonesian, "Kanji Learning Program")[0]
        title = xdotool(indonesian, "getwindowname", page).stdout.strip()
        if title == "Kanji Learning Program Setup":
            raise WalkFailed(f"the installer is titled in English: {title}")
        shot(page, "installer-id-1-folder")
        keys(indonesian, page, "Return")
        if not poll(lambda: installed.joinpath("uninstall.exe").exists(), 30):
            raise WalkFailed("the Indonesian installer installed nothing")
        time.sleep(2)  # the last page follows the copying
        shot(page, "installer-id-2-finished")
        keys(indonesian, page, "Return")  # Finish, which starts the program, in Indonesian
        window(wine.env, catalogue("id")(MAIN_CAPTION), 60)
        installer.wait(timeout=30)
        installer = wine.start(setup, env=indonesian)
        page = windows_titled(indonesian, title)[0]
        keys(indonesian, page, "Return")
        question = windows_titled(indonesian, title, 15, besides=(page,))[-1]
        shot(question, "installer-id-3-running")
        keys(indonesian, question, "Escape")
        expect_end(installer, 15, 2, "Cancel on the question")
        wine.stop_all()
    except Exception as error:  # whatever fails, the step is named
        print(f"FAIL (Wine) at step '{step}': {error}")
        return 1
    finally:
        if wine is not None:
            wine.end()
        session.end()
    print("PASS (Wine): installed silently, twice, with its shortcut and Uninstall key; the"
          " program the shortcut points at started; an install over it and an uninstall while it"
          " ran both stopped (status 2), changing nothing; both windows shown, named by UI"
          " Automation, switched and screenshot, the help text opened and closed; Exit (Tab, Space)"
          " ended it with status 0; both windows at 144 and 192 dpi, scaled and screenshot;"
          " uninstalled, leaving nothing; the installer's pages in Indonesian, and its question"
          " while the program ran, screenshot; cancelled, it stopped with status 2")
    print(f"UI Automation read {len(tree)} element(s) of the whole tree"
          f"{'' if answered == 0 else ' before it stopped answering'}: "
          + "; ".join(" ".join(field for field in line[1:4] if field) for line in tree))
    return 0


if __name__ == "__main__":
    sys.exit(main())
