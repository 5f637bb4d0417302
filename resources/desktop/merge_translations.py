#!/usr/bin/env python3
"""Adds the finished translations of context "Desktop" in the .ts files to the generated menu entry (Key[lang]=
lines), AppStream metadata (xml:lang elements) and manual page (one page per language, its NAME line translated).

merge_translations.py DESKTOP_IN DESKTOP METAINFO_IN METAINFO MANPAGE MANFOLDER TS_FILE...
MANFOLDER/<lang>/man1/Rorovovo.1.gz is written for each language that translates the NAME line. A text of those files that no .ts holds stops the build: it is missing in desktop_texts.h."""
import gzip
import pathlib
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

UNFINISHED = {"unfinished", "obsolete", "vanished"}


def norm(text):
    return " ".join((text or "").split())


def read_translations(ts_files):
    known, done = set(), {}
    for path in ts_files:
        language = pathlib.Path(path).stem.split("_", 1)[1]  # rorovovo_pt_BR.ts: pt_BR
        for context in ET.parse(path).getroot().iter("context"):
            if context.findtext("name") != "Desktop":
                continue
            for message in context.iter("message"):
                source = norm(message.findtext("source"))
                known.add(source)
                t = message.find("translation")
                if t is not None and t.get("type") not in UNFINISHED and norm(t.text):
                    done.setdefault(source, {})[language] = norm(t.text)
    return known, done


def check(text, known, where):
    if text not in known:
        sys.exit(f"{where}: '{text}' is in no translation file; add it to resources/desktop/desktop_texts.h "
                 "and run make translations")


def merge_desktop(path, out, known, done):
    lines = []
    for line in pathlib.Path(path).read_text(encoding="utf-8").splitlines():
        lines.append(line)
        m = re.match(r"^(GenericName|Comment|Keywords)=(.*)$", line)
        if m:
            check(norm(m.group(2)), known, path)
            for language, text in sorted(done.get(norm(m.group(2)), {}).items()):
                lines.append(f"{m.group(1)}[{language}]={text}")
    pathlib.Path(out).write_text("\n".join(lines) + "\n", encoding="utf-8")


def merge_metainfo(path, out, known, done):
    def translated(m):
        indent, tag, inner = m.group(1), m.group(2), m.group(3)
        text = norm(inner)
        check(text, known, path)
        extra = "".join(f'{indent}<{tag} xml:lang="{language}">{escape(t)}</{tag}>'
                        for language, t in sorted(done.get(text, {}).items()))
        return m.group(0) + extra

    xml = pathlib.Path(path).read_text(encoding="utf-8")
    xml = re.sub(r"(\n[ \t]*)<(summary|p|li|caption)>(.*?)</\2>", translated, xml, flags=re.S)
    pathlib.Path(out).write_text(xml, encoding="utf-8")


def merge_manpage(path, folder, known, done):
    page = pathlib.Path(path).read_text(encoding="utf-8")
    m = re.search(r"^\.SH NAME\n(\S+) \\- (.*)$", page, flags=re.M)
    if not m:
        sys.exit(f"{path}: no NAME line")
    check(norm(m.group(2)), known, path)
    for language, text in done.get(norm(m.group(2)), {}).items():
        target = pathlib.Path(folder) / language / "man1" / "Rorovovo.1.gz"
        target.parent.mkdir(parents=True, exist_ok=True)
        localized = page[:m.start(2)] + text.replace("-", "\\-") + page[m.end(2):]
        with open(target, "wb") as f, gzip.GzipFile(fileobj=f, mode="wb", mtime=0, filename="") as z:
            z.write(localized.encode("utf-8"))


def main(desktop_in, desktop, metainfo_in, metainfo, manpage, folder, *ts_files):
    known, done = read_translations(ts_files)
    merge_desktop(desktop_in, desktop, known, done)
    merge_metainfo(metainfo_in, metainfo, known, done)
    merge_manpage(manpage, folder, known, done)


if __name__ == "__main__":
    main(*sys.argv[1:])
