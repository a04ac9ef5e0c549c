"""The files the installer ships carry no debugging information, and each names its debug
file (beside the build) by name and checksum, so a crash report can still be read.
   check_shipped.py OBJDUMP OBJCOPY STAGE DEBUG_FOLDER FILE..."""
import os
import subprocess
import sys
import tempfile
import zlib


def sections(objdump, path):
    out = subprocess.run([objdump, "-h", path], check=True, stdout=subprocess.PIPE).stdout.decode()
    return {line.split()[1] for line in out.splitlines() if line.strip()[:1].isdigit()}


def debug_link(objcopy, path):
    """The file name and CRC-32 a .gnu_debuglink section holds."""
    with tempfile.TemporaryDirectory() as work:
        out = os.path.join(work, "link")
        subprocess.run([objcopy, "--dump-section", ".gnu_debuglink=" + out, path, os.path.join(work, "copy")],
                       check=True)
        data = open(out, "rb").read()
    name = data.split(b"\0", 1)[0]
    offset = (len(name) + 4) // 4 * 4
    return name.decode(), int.from_bytes(data[offset:offset + 4], "little")


def main():
    objdump, objcopy, stage, debug = sys.argv[1:5]
    failures = []
    for name in sys.argv[5:]:
        shipped = os.path.join(stage, name)
        kept = os.path.join(debug, name + ".debug")
        found = sections(objdump, shipped)
        if any(section.startswith(".debug") for section in found):
            failures.append("%s ships with debugging information" % name)
        if ".gnu_debuglink" not in found:
            failures.append("%s does not name its debug file" % name)
            continue
        if not os.path.exists(kept) or ".debug_info" not in sections(objdump, kept):
            failures.append("%s: no debugging information kept in %s" % (name, kept))
            continue
        link, crc = debug_link(objcopy, shipped)
        if link != name + ".debug" or crc != zlib.crc32(open(kept, "rb").read()):
            failures.append("%s names %s (CRC %08x), not the kept file" % (name, link, crc))
    for failure in failures:
        print("FAIL " + failure)
    if not failures:
        print("ok   shipped stripped, debugging information kept: " + ", ".join(sys.argv[5:]))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
