#!/usr/bin/env python3
"""Reads the window through AT-SPI, as a screen reader does, and checks that every input field,
result field and button, and every captioned or section frame, carries its Dutch name.

Run it inside a D-Bus session of its own:
    dbus-run-session -- python3 accessibility_test.py path/to/kadenzo
It starts an X server, the AT-SPI bus and the program itself, and stops all three at the end.
"""

import ctypes
import os
import subprocess
import sys
import time

EXPECTED = {
    # role, name; the toolkit shows a group box to AT-SPI as a panel
    ("text", "Snelheid berekenen: afstand in kilometers"),
    ("text", "Snelheid berekenen: afstand, meters"),
    ("text", "Snelheid berekenen: kloktijd, uren"),
    ("text", "Snelheid berekenen: kloktijd, minuten"),
    ("text", "Snelheid berekenen: kloktijd, seconden"),
    ("text", "Snelheid berekenen: berekende snelheid, hele km/uur"),
    ("text", "Snelheid berekenen: berekende snelheid, honderdsten km/uur"),
    ("push button", "Snelheid berekenen: bereken de snelheid"),
    ("text", "Kloktijd berekenen: afstand in kilometers"),
    ("text", "Kloktijd berekenen: afstand, meters"),
    ("text", "Kloktijd berekenen: snelheid, hele km/uur"),
    ("text", "Kloktijd berekenen: snelheid, honderdsten km/uur"),
    ("text", "Kloktijd berekenen: berekende kloktijd, uren"),
    ("text", "Kloktijd berekenen: berekende kloktijd, minuten"),
    ("text", "Kloktijd berekenen: berekende kloktijd, seconden"),
    ("push button", "Kloktijd berekenen: bereken de kloktijd"),
    ("panel", "Snelheid berekenen"),
    ("panel", "Kloktijd berekenen"),
    ("panel", "Afgelegde afstand in KM ?"),
    ("panel", "Kloktijd ?"),
    ("panel", "De berekende snelheid is:"),
    ("panel", "Snelheid ?"),
    ("panel", "De berekende kloktijd is:"),
}
TEXT_FIELDS = 14
CAPTIONED_FRAMES = 6  # "Afgelegde afstand in KM ?" twice


def start_x_server():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as reader:
        display = reader.readline().strip()
    if not display:
        raise RuntimeError("Xvfb did not start")
    return server, ":" + display


def walk(node, found):
    try:
        found.append((node.getRoleName(), node.name))
        for index in range(node.childCount):
            child = node.getChildAtIndex(index)
            if child is not None:
                walk(child, found)
    except Exception:  # a node that goes away while it is read
        pass


def find_application(pyatspi, name, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            if application is not None and application.name == name:
                return application
        time.sleep(0.2)
    return None


def reap_orphans():
    """Waits for the processes that the AT-SPI bus launcher started and left behind."""
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            time.sleep(0.1)


def main():
    program = sys.argv[1]
    # Orphans of the launcher (the accessibility bus, the registry) become ours to reap.
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    processes = []
    try:
        server, display = start_x_server()
        processes.append(server)
        os.environ["DISPLAY"] = display
        processes.append(subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        time.sleep(0.5)
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        processes.append(subprocess.Popen([program], env=environment))

        import pyatspi  # reads the AT-SPI bus address, which exists only now

        application = find_application(pyatspi, "Kadenzo", 20)
        if application is None:
            print("FAIL: the program did not appear on the AT-SPI bus")
            return 1
        found = []
        # The tree fills in as the window is shown; read it until the names are there.
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            found = []
            walk(application, found)
            if EXPECTED <= set(found):
                break
            time.sleep(0.3)
        missing = sorted(EXPECTED - set(found))
        failures = [f"missing {role!r} named {name!r}" for role, name in missing]
        texts = [name for role, name in found if role == "text"]
        if len(texts) != TEXT_FIELDS or "" in texts:
            failures.append(f"{len(texts)} text fields, expected {TEXT_FIELDS}, all named: {texts}")
        captioned = [name for role, name in found if role == "panel" and name.endswith((":", "?"))]
        if len(captioned) != CAPTIONED_FRAMES:
            failures.append(f"captioned frames: {captioned}")
        for failure in failures:
            print("FAIL:", failure)
        if not failures:
            print(f"PASS: {len(found)} accessible objects, all fields, buttons and frames named")
        return 1 if failures else 0
    finally:
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        reap_orphans()


if __name__ == "__main__":
    sys.exit(main())
