# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A blind player's session, for tests run by run_orca.sh: starts Orca (with its debug log) and the
program, presses real keys (xdotool), and reads the accessibility bus (pyatspi) and what Orca speaks.

    s = Session()                       # Orca, then the program; waits for its window
    s.wait_focus("Новая игра", pyatspi.ROLE_PUSH_BUTTON)
    s.mark()                            # speech from here on
    s.key("Tab")
    s.spoken_once("Авторы push button") # Orca said it, once

Objects are found by name only to look at them: the test acts by keys alone, as a player does."""
import atexit
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM_NAME = "Cindervale"
ROLE = {v: k for k, v in vars(pyatspi).items() if k.startswith("ROLE_") and isinstance(v, pyatspi.Role)}


class Failure(AssertionError):
    pass


def fail(message):
    raise Failure(message)


def run_test(main):
    """Runs `main(session)` and exits 0 with "ok", or 1 with the failure and what Orca last spoke."""
    session = None
    try:
        session = Session()
        main(session)
    except Failure as e:
        print("FAIL:", e)
        if session:
            print("Orca's last words:", session.spoken(0)[-12:])
        sys.exit(1)
    finally:
        if session:
            session.close()
    print("ok")


class Session:
    def __init__(self, program=None, args=(), env=None, orca=True, seconds=30):
        self.work = os.environ["A11Y_WORK"]
        self.program = program or os.environ["A11Y_PROGRAM"]
        self.log = os.path.join(self.work, "orca.log")
        self._offset = 0
        self._partial = ""
        self._lines = []  # Orca's log, whole lines, continuation lines joined
        self.speech = []  # (line number in _lines, text)
        self.last_mark = 0
        self._focus = None
        self._context = GLib.MainContext.default()
        self._procs = []
        atexit.register(self.close)
        pyatspi.Registry.registerEventListener(self._on_focus, "object:state-changed:focused")
        if orca:
            self.orca = self._spawn("orca", [sys.executable, os.environ["A11Y_LAUNCH"], "--debug-file", self.log])
            self.wait_log("ORCA: Starting ATSPI registry", seconds)
        # A variable given as None in `env` is left out.
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        environment.update(env or {})
        environment = {k: v for k, v in environment.items() if v is not None}
        self.game = self._spawn("program", [self.program, *args], environment)
        self.app = self.find_app(PROGRAM_NAME, seconds)

    # --- processes -----------------------------------------------------------------------------------

    def _spawn(self, name, argv, env=None):
        out = open(os.path.join(self.work, name + ".log"), "w")
        proc = subprocess.Popen(argv, stdout=out, stderr=subprocess.STDOUT, env=env, start_new_session=True)
        self._procs.append(proc)
        return proc

    def close(self):
        for proc in reversed(self._procs):
            if proc.poll() is None:
                proc.send_signal(signal.SIGTERM)
                try:
                    proc.wait(3)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        self._procs = []
        # A speech server that Orca's speech library started for this private home (A11Y_SPEECH_SERVER=1),
        # and its synthesizer.
        runtime = os.environ.get("XDG_RUNTIME_DIR")
        if runtime and runtime.startswith(self.work):
            for server in _processes(lambda pid, cmd: "speech-dispatcher" in cmd and runtime in cmd):
                for pid in [server] + _processes(lambda pid, cmd: _parent(pid) == server):
                    try:
                        os.kill(pid, signal.SIGKILL)
                    except OSError:
                        pass

    # --- waiting ---------------------------------------------------------------------------------------

    def pump(self, seconds=0.0):
        """Lets accessibility events in for `seconds`."""
        end = time.time() + seconds
        while True:
            while self._context.pending():
                self._context.iteration(False)
            if time.time() >= end:
                return
            time.sleep(0.02)

    def _until(self, test, seconds, what):
        end = time.time() + seconds
        while True:
            self.pump()
            result = test()
            if result:
                return result
            if time.time() >= end:
                fail(what() if callable(what) else what)
            time.sleep(0.05)

    # --- keys ------------------------------------------------------------------------------------------

    def key(self, *keys, settle=0.3):
        """Real key presses to the window that has the keyboard ("Tab", "Return", "1", "shift+Tab")."""
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)
        self.pump(settle)

    def shot(self, path):
        """The whole screen as a PNG (ImageMagick's import), to look at what a sighted player sees."""
        subprocess.run(["/usr/bin/import", "-window", "root", path], check=True)

    # --- the accessibility bus -------------------------------------------------------------------------

    def find_app(self, name, seconds=20):
        def found():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == name:
                    return app
            return None

        return self._until(found, seconds, "%s did not show up on the accessibility bus" % name)

    @staticmethod
    def states(node):
        try:
            return {pyatspi.stateToString(s) for s in node.getState().getStates()}
        except Exception:
            return set()

    @staticmethod
    def walk(node, showing_only=True):
        yield node
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is None:
                continue
            if showing_only and not child.getState().contains(pyatspi.STATE_SHOWING):
                continue
            yield from Session.walk(child, showing_only)

    def find_all(self, name=None, role=None, where=None):
        """Showing objects with that name (a string, or a test of one) and role."""
        found = []
        for node in self.walk(where or self.app):
            try:
                if role is not None and node.getRole() != role:
                    continue
                if name is not None and not (name(node.name) if callable(name) else node.name == name):
                    continue
            except Exception:
                continue
            found.append(node)
        return found

    def find(self, name=None, role=None, seconds=5):
        return self._until(lambda: (self.find_all(name, role) or [None])[0], seconds,
                           lambda: "nothing showing named %r (role %s)" % (name, ROLE.get(role, role)))

    def _on_focus(self, event):
        if event.detail1:
            self._focus = event.source

    def focused(self):
        """The object with the keyboard's focus, as the bus reports it; None if nothing has it."""
        self.pump()
        if self._focus is not None and "focused" in self.states(self._focus):
            return self._focus
        for node in self.walk(self.app):
            if "focused" in self.states(node):
                self._focus = node
                return node
        return None

    def wait_focus(self, name=None, role=None, seconds=5):
        def matches():
            node = self.focused()
            if node is None:
                return None
            if name is not None and not (name(node.name) if callable(name) else node.name == name):
                return None
            if role is not None and node.getRole() != role:
                return None
            return node

        return self._until(matches, seconds,
                           lambda: "focus is on %s, not %r (role %s)" % (describe(self.focused()), name,
                                                                       ROLE.get(role, role)))

    # --- what Orca says --------------------------------------------------------------------------------

    _SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'", re.S)

    def _read_log(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                f.seek(self._offset)
                chunk = f.read()
                self._offset = f.tell()
        except FileNotFoundError:
            return
        if not chunk:
            return
        text = self._partial + chunk
        lines = text.split("\n")
        self._partial = lines.pop()
        for line in lines:
            # Orca indents the further lines of a timestamped entry by 18 spaces.
            if line.startswith(" " * 18) and self._lines:
                self._lines[-1] += "\n" + line[18:]
                if self.speech and self.speech[-1][0] == len(self._lines) - 1:
                    self.speech[-1] = (self.speech[-1][0], self._utterance(self._lines[-1]))
                continue
            self._lines.append(line)
            if "SPEECH OUTPUT: '" in line:
                self.speech.append((len(self._lines) - 1, self._utterance(line)))

    # After the closing quote Orca writes the voice it used: " voice=NAME" and a dict.
    _VOICE = re.compile(r"(.*)'(?: voice=\w+)?\s*(?:\{.*\})?\s*$", re.S)

    def _utterance(self, line):
        body = line.split("SPEECH OUTPUT: '", 1)[1]
        match = self._VOICE.match(body)
        return match.group(1) if match else body

    def wait_log(self, needle, seconds=10):
        def found():
            self._read_log()
            return any(needle in line for line in self._lines)

        return self._until(found, seconds, "Orca's log never said %r" % needle)

    def mark(self):
        """A point in Orca's speech: the helpers below look only at what it speaks after it (after the
        last mark made, unless given another as `since`; 0 is Orca's start)."""
        self._read_log()
        self.last_mark = len(self.speech)
        return self.last_mark

    def spoken(self, since=None):
        """Orca's phrases after the mark, in order (key echo included, as "tab ")."""
        self._read_log()
        return [text for _, text in self.speech[self.last_mark if since is None else since:]]

    def spoken_count(self, substring, since=None):
        return sum(substring in text for text in self.spoken(since))

    def spoken_once(self, substring, seconds=5, since=None):
        """Orca spoke `substring` after the mark, and once only (it is waited for, then Orca's quiet)."""
        text = self.wait_spoken(substring, seconds, since)
        self.quiet()
        if self.spoken_count(substring, since) != 1:
            fail("Orca said %r more than once: %r" % (substring, self.spoken(since)))
        return text

    def wait_spoken(self, substring, seconds=5, since=None):
        """Waits until Orca speaks a phrase containing `substring` after the mark; returns it."""
        def found():
            for text in self.spoken(since):
                if substring in text:
                    return text
            return None

        return self._until(found, seconds,
                           lambda: "Orca did not say %r; it said %r" % (substring, self.spoken(since)))

    def quiet(self, seconds=0.6, limit=10):
        """Waits until Orca has said nothing new for `seconds`."""
        end = time.time() + limit
        self._read_log()
        count = len(self.speech)
        still = time.time()
        while time.time() < end:
            self.pump(0.1)
            self._read_log()
            now = len(self.speech)
            if now != count:
                count, still = now, time.time()
            elif time.time() - still >= seconds:
                return
        fail("Orca never fell quiet")

    def log_lines(self, since_line=0):
        self._read_log()
        return self._lines[since_line:]


def _processes(test):
    found = []
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open("/proc/%s/cmdline" % entry, "rb") as f:
                    command = f.read().replace(b"\0", b" ").decode(errors="replace")
            except OSError:
                continue
            if test(int(entry), command):
                found.append(int(entry))
    return found


def _parent(pid):
    try:
        with open("/proc/%d/stat" % pid) as f:
            return int(f.read().rsplit(")", 1)[1].split()[1])
    except (OSError, ValueError, IndexError):
        return None


def describe(node):
    if node is None:
        return "nothing"
    try:
        return "%s %r [%s]" % (ROLE.get(node.getRole(), node.getRole()), node.name,
                               ", ".join(sorted(Session.states(node))))
    except Exception:
        return "a vanished object"
