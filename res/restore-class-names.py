#!/usr/bin/env python3
"""Runs a resource compile and gives custom dialog control classes back their case.

Usage: restore-class-names.py NAME... -- COMPILER ARGS... OBJECT

windres upper-cases the class names of CONTROL statements ("MfcButton" becomes
"MFCBUTTON"). Class look-up ignores case, but the templates should carry the names
as written, so after the compile every NUL-terminated UTF-16 upper-case form of
NAME in OBJECT (the command's last argument) is rewritten as NAME. The forms have
equal length, so nothing in the object moves.
"""

import subprocess
import sys


def restore(path, names):
    with open(path, "rb") as f:
        data = f.read()
    for name in names:
        wanted = (name + "\0").encode("utf-16-le")
        upper = (name.upper() + "\0").encode("utf-16-le")
        if upper not in data and wanted not in data:
            sys.exit(f"restore-class-names: class {name} not found in {path}")
        data = data.replace(upper, wanted)
    with open(path, "wb") as f:
        f.write(data)


def main(argv):
    if "--" not in argv:
        sys.exit(__doc__)
    split = argv.index("--")
    names, command = argv[1:split], argv[split + 1:]
    result = subprocess.run(command)
    if result.returncode != 0:
        return result.returncode
    restore(command[-1], names)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
