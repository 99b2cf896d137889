#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
"""Every Japanese text in the sources goes through Qt's translation.

Usage: check_translated_texts.py TOP_FOLDER FOLDER...  (each FOLDER under TOP_FOLDER, e.g. app view core tools)

Reads every .h and .cpp under the folders. A Japanese character is one of the ideographic space and
CJK punctuation, hiragana, katakana, CJK ideographs or the full-width forms (U+3000-U+30FF,
U+3400-U+4DBF, U+4E00-U+9FFF, U+F900-U+FAFF, U+FF00-U+FFEF). Each one written in the code (in a
string or character literal, or anywhere else but a comment) must stand in a literal that is an
argument of tr(, translate(, QT_TR_NOOP(, QT_TRANSLATE_NOOP(, QT_TRANSLATE_NOOP3( or SUISPO_TR_NOOP(
(the innermost call around it, which may span lines). Comments are free. Marks that read the same in
every language (★ ☆ ● … —) are outside those ranges and not checked; so are characters written as
escapes ("\\u3000"), which is how a pad or a mark is written on purpose.

One allowance: the font family names of view/font_faces.h ("ＭＳ Ｐゴシック", "ＭＳ ゴシック") name
fonts installed on the system and are never shown.

Prints each text outside translation as "folder/file:line: "text" is outside translation" and exits 1.
"""
import pathlib
import re
import sys

JAPANESE = re.compile("[\u3000-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uf900-\ufaff\uff00-\uffef]")
TRANSLATING = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TRANSLATE_NOOP3", "SUISPO_TR_NOOP"}
ALLOWED = {("view/font_faces.h", "ＭＳ Ｐゴシック"), ("view/font_faces.h", "ＭＳ ゴシック")}
IDENTIFIER = re.compile(r"[A-Za-z_][A-Za-z0-9_]*")
NUMBER = re.compile(r"\.?[0-9]([eEpP][+-]|[0-9A-Za-z_.'])*")  # with its digit separators (1'000)
RAW_STRING = re.compile(r'R"([^()\\ ]{0,16})\(')


def quoted_end(text, start, quote):
    """The index after the literal that opens with text[start] == quote."""
    i = start + 1
    while i < len(text) and text[i] != quote:
        i += 2 if text[i] == "\\" else 1
    return i + 1


def outside_translation(text):
    """(line, literal) for each Japanese text not within a translating call."""
    found = []
    calls = []  # the name before each open parenthesis, innermost last
    name = None  # the identifier just before, if the last thing read was one
    line = 1
    i = 0
    while i < len(text):
        c = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            i = len(text) if end < 0 else end
            continue
        if text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = len(text) if end < 0 else end + 2
            line += text.count("\n", i, end)
            i = end
            continue
        raw = RAW_STRING.match(text, i - 1) if c == '"' and i > 0 else None
        number = NUMBER.match(text, i)
        if number:
            i = number.end()
            name = None
            continue
        if c in "\"'":
            if raw:
                close = text.find(")" + raw.group(1) + '"', raw.end())
                end = len(text) if close < 0 else close + len(raw.group(1)) + 2
            else:
                end = quoted_end(text, i, c)
            literal = text[i:end]
            if JAPANESE.search(literal) and not (calls and calls[-1] in TRANSLATING):
                found.append((line, literal))
            line += literal.count("\n")
            i = end
            name = None
            continue
        word = IDENTIFIER.match(text, i)
        if word:
            name = word.group(0)
            i = word.end()
            continue
        if c == "(":
            calls.append(name)
        elif c == ")" and calls:
            calls.pop()
        elif JAPANESE.match(c):
            found.append((line, c))
        if c == "\n":
            line += 1
        if not c.isspace():
            name = None
        i += 1
    return found


def main(argv):
    top = pathlib.Path(argv[1])
    failures = 0
    for folder in argv[2:]:
        for path in sorted((top / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            name = path.relative_to(top).as_posix()
            for line, literal in outside_translation(path.read_text(encoding="utf-8")):
                if (name, literal.strip('"')) in ALLOWED:
                    continue
                print(f"{name}:{line}: {literal} is outside translation")
                failures += 1
    if failures:
        print(f"{failures} text(s) the player reads are outside Qt's translation: wrap them in tr() or "
              "QT_TRANSLATE_NOOP (SUISPO_TR_NOOP in the core and the store)")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
