#!/usr/bin/python3
"""Checks the rules page: its encoding, its markup and the names of the buttons it mentions.

Usage: check_rules_page.py rules.html

The file viewer reads the page as Windows-1251 and understands only a small set of tags, so
the page must decode as Windows-1251, use only those tags (each closed where it needs an end
tag) and only named references of HTML 4.01; and it must call the buttons by the words drawn
on them."""
import html.entities
import re
import sys

# tag -> allowed attributes with their values; None: the tag has no end tag.
TAGS = {"h1": {"align": "center"}, "h3": {"align": "center"}, "b": {}, "i": {}, "u": {},
        "ul": {}, "ol": {}, "table": {"border": "1", "cellspacing": "0"}, "tr": {}, "td": {}}
EMPTY_TAGS = {"br": {}, "li": {}}
BUTTON_WORDS = ["случайно", "Начать тест", "Ответить", "Отложить", "Закончить тест",
                "результат", "Выбрать тест"]
FACTS = ["75 минут", "26 вопросов", "30 вопросов", "3 балла", "4 балла", "5 баллов",
         "2000", "2006"]

TAG = re.compile(r"<(/?)([A-Za-z][A-Za-z0-9]*)([^<>]*)>")
ATTRIBUTE = re.compile(r'([A-Za-z]+)\s*=\s*("[^"]*"|[^\s"]+)')
REFERENCE = re.compile(r"&([A-Za-z][A-Za-z0-9]*|#[0-9]+|#x[0-9A-Fa-f]+);")


def check_markup(text, errors):
    open_tags = []
    for match in TAG.finditer(text):
        closing, name, rest = match.group(1), match.group(2).lower(), match.group(3)
        line = text.count("\n", 0, match.start()) + 1
        allowed = TAGS.get(name, EMPTY_TAGS.get(name))
        if allowed is None:
            errors.append(f"line {line}: <{name}> is not understood by the file viewer")
            continue
        if closing:
            if name in EMPTY_TAGS or not open_tags or open_tags[-1] != name:
                errors.append(f"line {line}: </{name}> closes nothing open")
            else:
                open_tags.pop()
            continue
        attributes = {k.lower(): v.strip('"') for k, v in ATTRIBUTE.findall(rest)}
        if attributes != allowed:
            errors.append(f"line {line}: <{name}> has {attributes}, expected {allowed}")
        if name in TAGS:
            open_tags.append(name)
    if open_tags:
        errors.append(f"left open at the end: {open_tags}")
    stray = re.sub(TAG, "", text)
    if "<" in stray or ">" in stray:
        errors.append("a bare '<' or '>' in the text")


def check_references(text, errors):
    for name in REFERENCE.findall(text):
        if not name.startswith("#") and name not in html.entities.name2codepoint:
            errors.append(f"&{name}; is not an HTML 4.01 reference")
    if re.search(r"&(?![A-Za-z][A-Za-z0-9]*;|#[0-9]+;|#x[0-9A-Fa-f]+;)", text):
        errors.append("an '&' that starts no reference")


def check_words(text, errors):
    plain = html.unescape(re.sub(TAG, "", text)).replace("\u00a0", " ")
    plain = re.sub(r"\s+", " ", plain)
    for word in BUTTON_WORDS:
        if f"«{word}»" not in plain:
            errors.append(f"the button «{word}» is not named")
    for fact in FACTS:
        if fact not in plain:
            errors.append(f"does not say {fact!r}")


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[1], "rb") as f:
        raw = f.read()
    errors = []
    try:
        text = raw.decode("cp1251")
    except UnicodeDecodeError as error:
        print(f"{argv[1]}: not Windows-1251: {error}")
        return 1
    if raw.startswith(b"\xef\xbb\xbf") or "Рџ" in text or "Ð" in text:
        errors.append("looks like UTF-8 read as Windows-1251")
    check_markup(text, errors)
    check_references(text, errors)
    check_words(text, errors)
    for error in errors:
        print(error)
    print(f"{argv[1]}: {len(errors)} problems")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
