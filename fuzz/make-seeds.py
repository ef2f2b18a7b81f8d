#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora into fuzz/corpus/ from a build's
compiled test bank (build/testbank/<number>) and the bank sources.

Run from the repository after a build: python3 fuzz/make-seeds.py [BUILD_DIR]
The corpora are kept small (a few dozen files): libFuzzer grows its own copy
when fuzzing (scripts/fuzz.sh), and only inputs that found a fault are added
here by hand, so that the test run keeps checking them.
"""
import pathlib
import struct
import sys

root = pathlib.Path(__file__).resolve().parent.parent
build = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "build"
bank = build / "testbank"
corpus = root / "fuzz" / "corpus"


def resource(number):
    return (bank / str(number)).read_bytes()


def write(target, name, data):
    folder = corpus / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def pack(resources):
    """The resource pack layout ResourcePack reads."""
    header = b"ORBKPACK" + struct.pack("<II", 1, len(resources))
    offset = len(header) + 24 * len(resources)
    table, body = b"", b""
    for number in sorted(resources):
        data = resources[number]
        table += struct.pack("<IIQQ", number, 0, offset, len(data))
        offset += len(data)
        body += data
    return header + table + body


# Page archives: multiple choice, cloze, word order, comprehension, a picture part.
for number in (15001, 15201, 15401, 15451, 20301, 20302):
    if (bank / str(number)).exists():
        write("fuzz_mht", f"page-{number}.mht", resource(number))
write("fuzz_mht", "nested-quoted-printable.mht",
      b"MIME-Version: 1.0\r\nContent-Type: multipart/related; boundary=\"a\"; start=\"<p>\"\r\n\r\n"
      b"--a\r\nContent-Type: multipart/alternative; boundary=\"b\"\r\n\r\n--b\r\n"
      b"Content-Type: text/html; charset=windows-1252\r\nContent-ID: <p>\r\n"
      b"Content-Transfer-Encoding: quoted-printable\r\n\r\n<p>caf=E9 <img src=3D\"cid:i\"></p>=\r\n\r\n--b--\r\n"
      b"--a\r\nContent-Type: image/gif\r\nContent-ID: <i>\r\nContent-Transfer-Encoding: base64\r\n\r\n"
      b"R0lGODlhAQABAAAAACw=\r\n--a--\r\n")

# Keyed records: the first byte is how many values the target asks for.
# The paper tables are cut to their first lines: small inputs keep the fuzzing fast.
for number, count in ((30000, 10), (30022, 30), (30023, 5), (30024, 1), (30032, 3), (30033, 16),
                      (30121, 50), (30122, 3), (30126, 1), (30131, 5)):
    text = b"".join(resource(number).splitlines(keepends=True)[:12])
    write("fuzz_records", f"resource-{number}", bytes([count]) + text)
write("fuzz_records", "answers-lf-endings", bytes([3]) + b"#101#>a>b>c\n#102#>>>\n#15001#>1>2\n")

# The resource pack and picture headers.
skin = {number: resource(number) for number in (45, 56, 85, 88, 91)}
write("fuzz_pack", "pack-skin-and-configuration", pack({**skin, 30000: resource(30000)}))
write("fuzz_pack", "pack-empty", pack({}))
for number in (45, 56, 85, 88):
    write("fuzz_pack", f"picture-{number}", resource(number))

# The results check: the first byte chooses the file (0 marks ... 5 trend, +128 in capitals).
# Its templates are section 2 with papers of 3, 5, 1, 10 and 2 answer slots.
slots = (3, 5, 1, 10, 2)
marks = b"".join(b"#%s#%s\r\n" % (key, b">" * len(slots)) for key in (b"FSE", b"SSE", b"LTM", b"CDD"))
marks += b"".join(b"#%s#%s\r\n" % (key, b">0" * len(slots)) for key in (b"FST", b"SST"))
papers = b"".join(b"#%d#%s\r\n" % (101 + i, b">" * n) for i, n in enumerate(slots))
write("fuzz_results_check", "marks", b"\x00" + marks)
write("fuzz_results_check", "marks-more-papers", b"\x80" + marks.replace(b"\r\n", b">90>\r\n"))
write("fuzz_results_check", "first", b"\x01" + papers)
write("fuzz_results_check", "first-fewer-papers", b"\x01" + b"#101#>a>b>c\r\n")
write("fuzz_results_check", "sresults-bank-template", b"\x04" + resource(30135))
write("fuzz_results_check", "trend", b"\x05#TRD#>90>86.7\r\n")

# The bank reader: the first byte is 0 for product.yaml, 1 for a paper.
write("fuzz_bank_reader", "product", b"\x00" + (root / "bank" / "product.yaml").read_bytes())
write("fuzz_bank_reader", "product-two-sections", b"\x00" + (root / "tests/fixtures/testbank/product.yaml").read_bytes())
for name in ("section2/p101.yaml",):
    write("fuzz_bank_reader", "bank-" + name.replace("/", "-"), b"\x01" + (root / "bank" / name).read_bytes())
for name in ("section2/p121.yaml", "section2/p126.yaml", "section2/p141.yaml", "section2/p146.yaml",
             "section3/p101.yaml", "section3/p102.yaml", "section3/p103.yaml", "section3/p104.yaml",
             "section3/p105.yaml"):
    write("fuzz_bank_reader", "testbank-" + name.replace("/", "-"),
          b"\x01" + (root / "tests/fixtures/testbank" / name).read_bytes())
