#!/usr/bin/env python3
"""Checks in headless Chromium that every document link of Fichorama's pages leads to its own file.

Makes a directory of files whose names a careless link would send elsewhere (a scheme, backslashes,
control characters, blanks at the ends, bytes that are not UTF-8, ...), writes its page with
`fichorama html` and a combined page with `fichorama html-list`, lets Chromium resolve every link of both
pages, and compares the paths reached with the files' own bytes.

Usage: scripts/check-page-links.py [BUILD_DIR]     (needs chromium: scripts/install-deps.sh --browser)
Exit status: 0 when every link leads to its file, 1 otherwise.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import urllib.parse

NAMES = [
    b"rapport.doc",
    b"javascript:document.title='x';[].doc",
    b"mailto:someone@example.invalid",
    b"http:\\\\example.invalid\\report.doc",
    b"\\\\host\\share.doc",
    b"a\\b.doc",
    b"tab\there.doc",
    b"cr\rhere.doc",
    b"lf\nhere.doc",
    b"x\x01y.doc",
    b"del\x7f.doc",
    b"nel\xc2\x85.doc",
    b" leading.doc",
    b"trailing.doc ",
    b"  both  ",
    b"50% #1 ?.doc",
    b"%2e%2e",
    b"<b>&amp;\".doc",
    b"c|",
    b"C:",
    b"r\xe9sum\xe9.doc",
    "résumé.doc".encode(),
    "Отчёт 😀.doc".encode(),
]

# The directory of the combined page: its path is written in the grid-list file, which holds UTF-8 text.
COMBINED_DIRECTORY = " a\\b\tc "

WRAPPER = """<!doctype html>
<html><body><pre id="out"></pre>
<iframe id="page" src="%s"></iframe>
<script>
const frame = document.getElementById('page');
frame.onload = () => {
  const links = frame.contentDocument.querySelectorAll('table a[href]');
  document.getElementById('out').textContent =
    'LINKS\\n' + Array.from(links).map(a => a.href).join('\\n') + '\\nEND';
};
</script></body></html>
"""


def make_files(directory):
    os.makedirs(directory)
    for name in NAMES:
        with open(os.path.join(directory, name), "wb") as f:
            f.write(b"x")


def run_fichorama(fichorama, arguments):
    result = subprocess.run([fichorama, *arguments], capture_output=True, check=False)
    if result.returncode != 0:
        sys.exit("fichorama %s failed: %s" % (arguments[0], result.stderr.decode(errors="replace")))
    return result.stdout.rstrip(b"\n")


def resolved_links(page, work):
    """The links of the page's tables as Chromium resolves them."""
    wrapper = os.path.join(work, b"wrapper.html")
    with open(wrapper, "wb") as f:
        f.write((WRAPPER % ("file://" + urllib.parse.quote(page))).encode())
    profile = tempfile.mkdtemp(prefix="chromium-")
    try:
        dump = subprocess.run(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
             "--no-first-run", "--user-data-dir=" + profile, "--allow-file-access-from-files",
             "--virtual-time-budget=5000", "--dump-dom", "file://" + urllib.parse.quote(wrapper)],
            capture_output=True, check=False, timeout=120).stdout.decode(errors="replace")
    finally:
        shutil.rmtree(profile, ignore_errors=True)
    if "LINKS\n" not in dump:
        sys.exit("Chromium gave no links for %s" % page)
    text = dump.split("LINKS\n", 1)[1].split("\nEND", 1)[0]
    return [line.replace("&amp;", "&") for line in text.split("\n") if line]


def check(label, links, directory):
    """Compares the paths the links reach with the files of `directory`; returns the number of faults."""
    expected = {os.path.join(directory, name) for name in NAMES}
    faults = 0
    reached = set()
    for link in links:
        parts = urllib.parse.urlsplit(link)
        path = urllib.parse.unquote_to_bytes(parts.path)
        if parts.scheme != "file" or parts.netloc or parts.query or parts.fragment or path not in expected:
            print("%s: WRONG %s" % (label, link))
            faults += 1
        reached.add(path)
    for missing in sorted(expected - reached):
        print("%s: NO LINK to %r" % (label, missing))
        faults += 1
    print("%s: %d links, %d wrong or missing" % (label, len(links), faults))
    return faults


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    fichorama = os.path.join(build, "src", "fichorama")
    if not os.access(fichorama, os.X_OK):
        sys.exit("no fichorama in %s: build it first" % build)
    work = tempfile.mkdtemp(prefix="fichorama-links-").encode()
    try:
        settings = os.path.join(work, b"settings")
        docs = os.path.join(work, b"docs")
        combined = os.path.join(work, COMBINED_DIRECTORY.encode())
        pages = os.path.join(work, b"pages")
        for directory in (settings, pages):
            os.makedirs(directory)
        make_files(docs)
        make_files(combined)
        with open(os.path.join(settings, b"Fichorama.ini"), "wb") as f:
            f.write(b"[Configuration]\r\nInclureTout=1\r\n[HTML]\r\nPathListeTableaux=" + pages + b"\r\n")
        with open(os.path.join(settings, b"Fichorama.txt"), "wb") as f:
            f.write(b'"' + combined + b'",#TRUE#\r\n')

        single = run_fichorama(fichorama, [b"html", docs, b"--settings", settings])
        listed = run_fichorama(fichorama, [b"html-list", b"--settings", settings])
        faults = check("page", resolved_links(single.decode(), work), docs)
        faults += check("combined page", resolved_links(listed.decode(), work), combined)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
