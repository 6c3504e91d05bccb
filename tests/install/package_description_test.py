"""The package's long description says what the AppStream metainfo says, paragraph for
paragraph, in lines that fit 80 columns; the two are written by hand in two places and would
drift apart otherwise.
    package_description_test.py DEBIAN_CONTROL METAINFO_TEMPLATE"""
import sys
import xml.etree.ElementTree as ET

LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def control_paragraphs(path):
    with open(path, encoding="utf-8") as control:
        lines = control.read().split("\n")
    start = next(i for i, line in enumerate(lines) if line.startswith("Description:"))
    body = []
    for line in lines[start + 1:]:
        if not line.startswith(" "):
            break
        body.append(line)
    too_long = [line for line in body if len(line) > 80]
    paragraphs = [" ".join(p.split()) for p in "\n".join(body).split("\n .\n")]
    return paragraphs, too_long


def metainfo_paragraphs(path):
    description = ET.parse(path).getroot().find("description")
    return [" ".join(p.text.split()) for p in description.findall("p") if p.get(LANG) is None]


def main():
    control, too_long = control_paragraphs(sys.argv[1])
    metainfo = metainfo_paragraphs(sys.argv[2])
    for line in too_long:
        print("longer than 80 columns (%d): %s" % (len(line), line))
    if control != metainfo:
        print("debian/control's description:\n  %s\nthe metainfo's:\n  %s"
              % ("\n  ".join(control), "\n  ".join(metainfo)))
    return 0 if control == metainfo and not too_long else 1


if __name__ == "__main__":
    sys.exit(main())
