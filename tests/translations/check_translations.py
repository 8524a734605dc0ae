#!/usr/bin/env python3
"""Fails when a translation lags behind the program's texts.

lupdate reads the sources into a copy of each .ts file, as the target
update_translations would. Then every text must be translated (nothing
unfinished), the .ts must hold no text the program no longer has, and each
translation must keep its source's placeholders in order (printf's %s, %u,
... are filled by position) and at most one Alt+letter mnemonic.

usage: check_translations.py LUPDATE SOURCE_ROOT TS_FILE... -- DIR...
"""
import html
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

PRINTF = re.compile(r"%[-+ #0]*\d*(?:\.\d+)?(?:hh|h|ll|l)?[diouxXcsfeEgG]")
QT_ARG = re.compile(r"%(?:\d+|n)")


def messages(ts_text):
    """(context, source, translations, finished) for every message."""
    for context in re.finditer(r"<context>\s*<name>(.*?)</name>(.*?)</context>", ts_text, re.S):
        for message in re.finditer(r"<message[^>]*>(.*?)</message>", context.group(2), re.S):
            body = message.group(1)
            source = text(re.search(r"<source>(.*?)</source>", body, re.S).group(1))
            translation = re.search(r"<translation([^>]*)>(.*?)</translation>", body, re.S)
            forms = re.findall(r"<numerusform>(.*?)</numerusform>", translation.group(2), re.S)
            translations = [text(f) for f in forms] if forms else [text(translation.group(2))]
            yield context.group(1), source, translations, "type=" not in translation.group(1)


def text(xml):
    return html.unescape(xml.replace('<byte value="xd"/>', "\r"))


def problems(source, translation):
    if not translation:
        return ["empty"]
    found = []
    source, translation = source.replace("%%", ""), translation.replace("%%", "")
    if PRINTF.findall(source) != PRINTF.findall(translation):
        found.append("printf placeholders differ")
    if set(QT_ARG.findall(PRINTF.sub("", source))) != set(QT_ARG.findall(PRINTF.sub("", translation))):
        found.append("%1 ... placeholders differ")
    if translation.replace("&&", "").count("&") > 1:
        found.append("more than one mnemonic")
    return found


def check(lupdate, root, ts_file, dirs):
    failures = []
    with tempfile.TemporaryDirectory() as temp:
        fresh = pathlib.Path(temp) / ts_file.name
        shutil.copy(ts_file, fresh)
        subprocess.run([lupdate, "-silent", "-I", "src", "-I", ".", *dirs, "-no-obsolete", "-locations", "none",
                        "-ts", str(fresh)], cwd=root, check=True)
        updated = list(messages(fresh.read_text(encoding="utf-8")))
    kept = {(c, s) for c, s, _, _ in updated}
    for context, source, _, _ in messages(ts_file.read_text(encoding="utf-8")):
        if (context, source) not in kept:
            failures.append(f"{context}: {source!r}: no longer in the program (run update_translations)")
    for context, source, translations, finished in updated:
        if not finished:
            failures.append(f"{context}: {source!r}: not translated")
            continue
        for translation in translations:
            failures += [f"{context}: {source!r} -> {translation!r}: {p}" for p in problems(source, translation)]
    return failures


def main():
    lupdate, root, *rest = sys.argv[1:]
    split = rest.index("--")
    failures = []
    for ts_file in rest[:split]:
        failures += [f"{pathlib.Path(ts_file).name}: {f}" for f in check(lupdate, root, pathlib.Path(ts_file), rest[split + 1:])]
    print("\n".join(failures) or "every text is translated")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
