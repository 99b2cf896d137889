#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
"""Every text of the game has a finished translation in a language's .ts file.

Usage: check_finished_translation.py FILE.ts [LUPDATE PROJECT.cmake]

With LUPDATE and the build's lupdate project (PROJECT.cmake, written by qt_add_translations), a copy
of FILE.ts is first brought up to date with the sources, as `update_translations` would, so a text
added to the code but never brought into the file counts as missing. Then every message must have a
translation that is not marked unfinished and not empty (each plural form of a numerus message),
and keep the source's placeholders (%1, %n, %s, %d).

Prints each fault as "CONTEXT: "source": what is wrong" and exits 1.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d+|n|s|d)")


def refreshed(ts, lupdate, project, folder):
    """A copy of ts brought up to date with the sources the project lists."""
    copy = pathlib.Path(folder) / ts.name
    shutil.copyfile(ts, copy)
    sources = pathlib.Path(folder) / "sources.txt"
    listed = dict(re.findall(r'set\((lupdate_\w+) "([^"]*)"\)', pathlib.Path(project).read_text()))
    sources.write_text("\n".join(listed["lupdate_sources"].split(";")) + "\n")
    includes = ["-I" + folder for folder in listed["lupdate_include_paths"].split(";")]
    subprocess.run([lupdate, "-silent", "-source-language", "ja", "-locations", "none", "-no-obsolete",
                    "-no-ui-lines", "-tr-function-alias", "QT_TRANSLATE_NOOP+=SUISPO_TR_NOOP",
                    *includes, "@" + str(sources), "-ts", str(copy)], check=True)
    return copy


def faults(ts):
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                yield f'{name}: "{source}": not translated'
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] if message.get("numerus") == "yes" \
                else [translation.text or ""]
            for form in forms:
                if not form.strip():
                    yield f'{name}: "{source}": an empty translation'
                elif sorted(set(PLACEHOLDER.findall(form))) != sorted(set(PLACEHOLDER.findall(source))):
                    yield f'{name}: "{source}": the placeholders differ in "{form}"'


def main(args):
    ts = pathlib.Path(args[0])
    with tempfile.TemporaryDirectory() as folder:
        checked = refreshed(ts, args[1], args[2], folder) if len(args) == 3 else ts
        found = list(faults(checked))
    for fault in found:
        print(fault)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
