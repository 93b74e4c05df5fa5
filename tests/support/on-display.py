#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A private X server (Xvfb), started as the real-window walks start theirs:
# on a display number no other server holds, in this mount namespace or
# another, and ended with what it serves.
#   on-display.py [--screen WxHxD] COMMAND [ARGUMENT...]
#                 runs the command on it (DISPLAY set); the command's status
#   on-display.py [--screen WxHxD] --serve
#                 writes the display's name and a line end, then keeps the
#                 server until it is stopped (SIGTERM)
import os
import signal
import subprocess
import sys
import tempfile
from pathlib import Path

sys.dont_write_bytecode = True  # no cache of the walker's module in the source tree
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "app"))
from realwindow import Session, WalkFailed, end_with_this_process  # noqa: E402


def main():
    arguments = sys.argv[1:]
    screen = "1024x768x24"
    if arguments[:1] == ["--screen"]:
        screen, arguments = arguments[1], arguments[2:]
    if not arguments:
        print("usage: on-display.py [--screen WxHxD] (--serve | COMMAND [ARGUMENT...])",
              file=sys.stderr)
        return 2
    logs = Path(tempfile.mkdtemp(prefix="kanjiaid-display-"))
    session = Session(logs, "display")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    try:
        session.start_xvfb(screen)
        display = session.env["DISPLAY"]
        if arguments == ["--serve"]:
            print(display, flush=True)
            while True:
                signal.pause()
        # The caller's environment, with what the walks' programs get of the
        # session: the display, a runtime folder, the sanitizers' settings.
        env = dict(os.environ)
        shared = ("DISPLAY", "XDG_RUNTIME_DIR", "ASAN_OPTIONS")
        env.update({name: session.env[name] for name in shared if name in session.env})
        return subprocess.run(arguments, env=env, preexec_fn=end_with_this_process).returncode
    except WalkFailed as error:
        print(f"on-display.py: {error}", file=sys.stderr)
        return 1
    finally:
        session.end()
        for log in logs.iterdir():
            log.unlink()
        logs.rmdir()


if __name__ == "__main__":
    sys.exit(main())
