#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The compiled help files as a CHM viewer reads them. xchm takes a page's encoding only from the old
<meta http-equiv="Content-Type" content="text/html; charset=..."> and ignores HTML5's <meta charset>, so a page in
UTF-8 that declares it the new way shows "Ã¤" for "ä" and "Â·" for "·". Each page of each help file is extracted
(extract_chmLib, Debian package libchm-bin) and must be plain ASCII, its other letters written as entities, unless
it declares its charset the old way; and no page may hold such mojibake, raw or written as entities. The table of
contents has no declaration: the viewer reads it in the code page of the help's language, Windows-1252 for English,
German and Spanish, in which it must not read as mojibake either.

usage: help_check.py HELP_FOLDER LANGUAGE...   (HELP_FOLDER holds Helpfile.chm, and LANGUAGE/Helpfile.chm)"""

import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

OLD_DECLARATION = re.compile(
    rb"""<meta\s+http-equiv\s*=\s*["']?content-type["']?[^>]*?charset\s*=\s*([A-Za-z0-9_.:-]+)""", re.IGNORECASE)
# UTF-8 read as Latin-1 or Windows-1252: a lead byte of a two-byte sequence as "Ã" or "Â", and its continuation byte.
MOJIBAKE = re.compile("[\u00c2\u00c3][\u0080-\u00bf\u0152\u0153\u0160\u0161\u0178\u017d\u017e\u0192\u02c6\u02dc"
                      "\u2013-\u203a\u20ac\u2122]")
PAGE_SUFFIXES = (".html", ".htm")
CONTENTS_SUFFIXES = (".hhc", ".hhk")


def mojibake(name, text):
    found = sorted(set(MOJIBAKE.findall(html.unescape(text))))
    return [f"{name}: mojibake {found}"] if found else []


def problems_of_page(name, data):
    if name.lower().endswith(CONTENTS_SUFFIXES):
        return mojibake(name, data.decode("cp1252", errors="replace"))
    declared = OLD_DECLARATION.search(data)
    if declared:
        encoding = declared.group(1).decode("ascii")
        try:
            text = data.decode(encoding)
        except (LookupError, UnicodeDecodeError) as error:
            return [f"{name}: not readable as the {encoding} it declares ({error})"]
    else:
        lines = [number for number, line in enumerate(data.split(b"\n"), 1) if max(line, default=0) > 0x7F]
        if lines:
            return [f"{name}: bytes beyond ASCII on lines {lines[:10]} and no http-equiv Content-Type charset, so a "
                    "CHM viewer shows them as Latin-1"]
        text = data.decode("ascii")
    return mojibake(name, text)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder, languages = sys.argv[1], sys.argv[2:]
    if shutil.which("extract_chmLib") is None:
        print("FAIL: extract_chmLib is not installed (Debian package libchm-bin)")
        return 1
    problems, pages = [], 0
    for language in ["", *languages]:
        chm = os.path.join(folder, language, "Helpfile.chm")
        if not os.path.isfile(chm):
            problems.append(f"{chm} was not built (chmcmd, Debian package fp-utils)")
            continue
        with tempfile.TemporaryDirectory() as out:
            result = subprocess.run(["extract_chmLib", chm, out], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
            if result.returncode != 0:
                problems.append(f"{chm}: extract_chmLib failed: {result.stderr.decode(errors='replace')}")
                continue
            for top, _, files in os.walk(out):
                for file in sorted(files):
                    if file.lower().endswith(PAGE_SUFFIXES + CONTENTS_SUFFIXES):
                        path = os.path.join(top, file)
                        with open(path, "rb") as f:
                            problems += problems_of_page(os.path.join(language, os.path.relpath(path, out)), f.read())
                        pages += 1
    for problem in problems:
        print(f"FAIL: {problem}")
    if problems:
        return 1
    if pages == 0:
        print("FAIL: the help files hold no pages")
        return 1
    print(f"PASS: {pages} pages in {1 + len(languages)} help files")
    return 0


if __name__ == "__main__":
    sys.exit(main())
