#!/usr/bin/env python3
"""Reads the compiled help files back and checks what a reader of them relies on.

    check_chm.py EXTRACT_CHMLIB HELP_FACTS HelpEn.chm HelpRu.chm

Each file is unpacked with a CHM reader (extract_chmLib) and must hold its title, contents,
index and default topic; every topic of the contents and every picture and link inside the
topics; and no topic may be empty. The two languages must have the same topics, with the
same sections, rows, list items, pictures and links in each, so that neither says less.
HELP_FACTS prints the program's own key table and tool-panel tooltips: every key must have a
row of its own on the keys page, and every tooltip must name its button on the tool panel page,
in both languages.
"""
import html.parser
import pathlib
import struct
import subprocess
import sys
import tempfile
import urllib.parse

# One topic per subject the help must cover.
REQUIRED_TOPICS = [
    "index.html",  # what Tintra is for, with the main window's parts
    "picking.html",  # the colour picker, the zoomed picker with its grid, Escape
    "adjusting.html",  # the sliders and the locks
    "panes.html",
    "notations.html",  # the five notations and the clipboard texts
    "toolpanel.html",
    "keys.html",
    "options.html",  # each field and the six themes
    "settings.html",  # where they live and how to reset them
    "autostart.html",
    "install.html",
]
REQUIRED_PICTURES = {
    "index.html": ["images/main-window.png"],
    "picking.html": ["images/magnified-view.png"],
}
LANGUAGES = {
    "HelpEn.chm": {"title": "Tintra Help", "lcid": 0x409, "codepage": "cp1252"},
    "HelpRu.chm": {"title": "Справка Tintra", "lcid": 0x419, "codepage": "cp1251"},
}
# The pages that describe the keys and the tool panel's buttons.
KEYS_TOPIC = "keys.html"
TOOL_PANEL_TOPIC = "toolpanel.html"
# How each help writes a key's name, by virtual-key code; a key the help cannot name fails.
NAMED_KEYS = {
    0x0D: {"HelpEn.chm": "Enter", "HelpRu.chm": "Enter"},
    0x1B: {"HelpEn.chm": "Esc", "HelpRu.chm": "Esc"},
    0x20: {"HelpEn.chm": "Space", "HelpRu.chm": "Пробел"},
}
# The keys of the numeric keypad share a row with their digits, which says so.
KEYPAD = {"HelpEn.chm": "numeric keypad", "HelpRu.chm": "цифровой клавиатуре"}
# The least text a topic worth opening holds, tags left out.
MIN_TOPIC_TEXT = 300
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


class Topic(html.parser.HTMLParser):
    """The text, the links, the pictures and the shape of one HTML page."""

    COUNTED_TAGS = ("h1", "h2", "tr", "li", "img", "a", "table")

    def __init__(self):
        super().__init__()
        self.text = []
        self.links = []
        self.pictures = []
        self.shape = {tag: 0 for tag in self.COUNTED_TAGS}
        self.sitemap = []  # (name, local) of a contents or index file

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag in self.shape:
            self.shape[tag] += 1
        if tag == "a" and "href" in attrs:
            self.links.append(attrs["href"])
        if tag == "img":
            self.pictures.append(attrs.get("src", ""))
        if tag == "link" and "href" in attrs:
            self.links.append(attrs["href"])
        if tag == "param":
            name = (attrs.get("name") or "").lower()
            if name == "name":
                self.sitemap.append([attrs.get("value"), None])
            elif name == "local" and self.sitemap:
                self.sitemap[-1][1] = attrs.get("value")

    def handle_data(self, data):
        self.text.append(data)

    def plain_text(self):
        return " ".join(" ".join(self.text).split())


class KeyRows(html.parser.HTMLParser):
    """The rows of a page's tables as (keys, text): the keys written in <kbd>, those joined by
    "+" (Ctrl+C) as one, and the row's whole text."""

    def __init__(self):
        super().__init__()
        self.rows = []
        self.keys = None  # of the row being read
        self.text = []
        self.kbd = None  # the text of the <kbd> being read
        self.joined = False  # a "+" since the last key

    def handle_starttag(self, tag, attrs):
        if tag == "tr":
            self.keys, self.text, self.joined = [], [], False
        elif tag == "kbd" and self.keys is not None:
            self.kbd = []

    def handle_endtag(self, tag):
        if tag == "kbd" and self.kbd is not None:
            key = "".join(self.kbd).strip()
            if self.joined and self.keys:
                self.keys[-1] += "+" + key
            else:
                self.keys.append(key)
            self.kbd, self.joined = None, False
        elif tag == "tr" and self.keys is not None:
            self.rows.append((set(self.keys), " ".join(" ".join(self.text).split())))
            self.keys = None

    def handle_data(self, data):
        if self.keys is None:
            return
        self.text.append(data)
        if self.kbd is not None:
            self.kbd.append(data)
        elif data.strip():
            self.joined = data.strip() == "+"


def key_name(code, help_name):
    """The name a help gives the key, and whether it is a key of the numeric keypad."""
    if code in NAMED_KEYS:
        return NAMED_KEYS[code][help_name], False
    if 0x30 <= code <= 0x39 or 0x41 <= code <= 0x5A:
        return chr(code), False
    if 0x60 <= code <= 0x69:
        return str(code - 0x60), True
    if 0x70 <= code <= 0x7B:
        return f"F{code - 0x6F}", False
    return None, False


def read_facts(help_facts):
    """The keys as (code, whether with Ctrl) and the (English, Russian) tooltips the program holds."""
    output = subprocess.run([help_facts], capture_output=True, check=True).stdout.decode("utf-8")
    keys, tips = [], []
    for line in output.splitlines():
        kind, *values = line.split("\t")
        if kind == "key":
            keys.append((int(values[0], 16), values[1:] == ["ctrl"]))
        elif kind == "tip":
            tips.append(tuple(values))
    return keys, tips


def check_facts(help_name, topics, texts, facts, failures):
    """Every key has a described row on the keys page; every tooltip names its button."""
    keys, tips = facts
    failures.check(keys and tips, f"the program's tables could not be read: {len(keys)} keys, {len(tips)} tips")
    rows = KeyRows()
    rows.feed(texts.get(KEYS_TOPIC, ""))
    for code, with_ctrl in keys:
        name, on_keypad = key_name(code, help_name)
        if name is not None and with_ctrl:
            name = "Ctrl+" + name
        if name is None:
            failures.append(f"{help_name}: the help test knows no name for key {code:#04x}; teach it")
            continue
        described = [text for names, text in rows.rows if name in names and len(text) > len(name) + 8]
        if on_keypad:
            described = [text for text in described if KEYPAD[help_name] in text]
        failures.check(described, f"{help_name}: {KEYS_TOPIC} has no row for the key {name}"
                                  + (" of the numeric keypad" if on_keypad else ""))
    column = 0 if help_name == "HelpEn.chm" else 1
    tool_panel = topics[TOOL_PANEL_TOPIC].plain_text() if TOOL_PANEL_TOPIC in topics else ""
    for tip in tips:
        failures.check(tip[column] in tool_panel, f"{help_name}: {TOOL_PANEL_TOPIC} does not name the button {tip[column]!r}")


def parse(text):
    topic = Topic()
    topic.feed(text)
    return topic


def read_system(data, codepage):
    """The records of the #SYSTEM file: code -> bytes."""
    records = {}
    offset = 4  # version
    while offset + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, offset)
        records[code] = data[offset + 4:offset + 4 + length]
        offset += 4 + length
    text = lambda code: records.get(code, b"").split(b"\0")[0].decode(codepage)
    lcid = struct.unpack_from("<I", records[4])[0] if 4 in records else None
    return {"contents": text(0), "index": text(1), "default": text(2), "title": text(3), "lcid": lcid}


class Failures(list):
    def check(self, condition, message):
        if not condition:
            self.append(message)


def resolve(base, reference):
    """The file inside the help that a link from the topic at base points to, or None for
    a link that leaves the help."""
    parts = urllib.parse.urlsplit(reference)
    if parts.scheme or parts.netloc:
        return None
    return str(pathlib.PurePosixPath(base).parent.joinpath(urllib.parse.unquote(parts.path)))


def check_help(extract_chmlib, chm, expected, facts, failures):
    with tempfile.TemporaryDirectory() as work:
        root = pathlib.Path(work)
        result = subprocess.run([extract_chmlib, str(chm), str(root)], capture_output=True, text=True)
        failures.check(result.returncode == 0, f"{chm.name}: the CHM reader failed: {result.stderr.strip()}")
        if not (root / "#SYSTEM").exists():
            failures.append(f"{chm.name}: not a readable CHM file (no #SYSTEM)")
            return {}
        codepage = expected["codepage"]
        system = read_system((root / "#SYSTEM").read_bytes(), codepage)
        failures.check(system["title"] == expected["title"], f"{chm.name}: title {system['title']!r}")
        failures.check(system["lcid"] == expected["lcid"], f"{chm.name}: language {system['lcid']:#x}")
        for role in ("contents", "index", "default"):
            failures.check((root / system[role]).is_file(), f"{chm.name}: the {role} file {system[role]!r} is missing")
        if not (root / system["contents"]).is_file():
            return {}

        def read(name):
            path = root / name
            return path.read_bytes() if path.is_file() else None

        contents = parse(read(system["contents"]).decode(codepage)).sitemap
        toc = [local for _, local in contents]
        for topic in REQUIRED_TOPICS:
            failures.check(topic in toc, f"{chm.name}: the contents lack {topic}")
        failures.check(system["default"] == toc[0] if toc else False,
                       f"{chm.name}: the default topic is not the first of the contents")
        for name, local in parse(read(system["index"]).decode(codepage)).sitemap if read(system["index"]) else []:
            failures.check(local in toc, f"{chm.name}: index entry {name!r} points to {local!r}, not a topic")

        topics, texts = {}, {}
        for local in toc:
            data = read(local)
            if data is None:
                failures.append(f"{chm.name}: topic {local} is in the contents but not in the file")
                continue
            texts[local] = data.decode("utf-8")
            topic = parse(texts[local])
            topics[local] = topic
            failures.check(len(topic.plain_text()) >= MIN_TOPIC_TEXT, f"{chm.name}: topic {local} is (nearly) empty")
            failures.check(topic.shape["h1"] == 1, f"{chm.name}: topic {local} has no heading")
            for reference in topic.links + topic.pictures:
                target = resolve(local, reference)
                failures.check(target is not None, f"{chm.name}: {local} links outside the help: {reference}")
                if target is not None:
                    failures.check(read(target) is not None, f"{chm.name}: {local} links to {reference}, which is missing")
            for picture in topic.pictures:
                data = read(resolve(local, picture) or "")
                failures.check(data is not None and data.startswith(PNG_SIGNATURE),
                               f"{chm.name}: {local} shows {picture}, which is not a PNG picture")
            for picture in REQUIRED_PICTURES.get(local, []):
                failures.check(picture in topic.pictures, f"{chm.name}: {local} does not show {picture}")
        check_facts(chm.name, topics, texts, facts, failures)
        return topics


def main():
    extract_chmlib, help_facts, *paths = sys.argv[1:]
    failures = Failures()
    facts = read_facts(help_facts)
    found = {}
    for path in map(pathlib.Path, paths):
        if not path.is_file():
            failures.append(f"{path} was not built")
            continue
        found[path.name] = check_help(extract_chmlib, path, LANGUAGES[path.name], facts, failures)
    english, russian = found.get("HelpEn.chm"), found.get("HelpRu.chm")
    if english and russian:
        failures.check(list(english) == list(russian), "the two helps have different contents")
        for local in set(english) & set(russian):
            for what, ours, theirs in (("shape", english[local].shape, russian[local].shape),
                                       ("links", english[local].links, russian[local].links),
                                       ("pictures", english[local].pictures, russian[local].pictures)):
                failures.check(ours == theirs, f"{local}: the languages differ in {what}: {ours} / {theirs}")
    for failure in failures:
        print(failure)
    checked = sum(len(topics) for topics in found.values())
    print(f"{checked} topics in {len(found)} help files checked, {len(failures)} problems")
    return 1 if failures or len(found) != len(paths) else 0


if __name__ == "__main__":
    sys.exit(main())
