#!/usr/bin/python3
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the system's Orca screen reader for one test, as /usr/bin/orca does, with three changes:
- no single-instance check and no renaming of the process: Orca's check looks at every process of the
  user on the machine, so another test's Orca (on another display and bus) would stop this one, and
  `--replace` would kill it;
- the debug log is written line by line, so that a test reads what was spoken as soon as it is;
- no speech server, unless A11Y_SPEECH_SERVER=1: the log records every phrase Orca would speak all the
  same, and speech-dispatcher started for a display without a sound device stalls Orca after its first
  phrases (and outlives it).
Arguments are Orca's own: --debug-file FILE, ..."""
import builtins
import importlib.machinery
import os
import sys
import types

loader = importlib.machinery.SourceFileLoader("orca_launcher", "/usr/bin/orca")
launcher = types.ModuleType("orca_launcher")
launcher.__file__ = "/usr/bin/orca"
loader.exec_module(launcher)
launcher.otherOrcas = lambda: []
launcher.setProcessName = lambda name: False
launcher.open = lambda path, mode="r": builtins.open(path, mode, buffering=1, encoding="utf-8")

if os.environ.get("A11Y_SPEECH_SERVER") != "1":
    from orca import settings

    settings.speechServerFactory = None
    settings.speechFactoryModules = []

sys.argv[0] = "orca"
sys.exit(launcher.main())
