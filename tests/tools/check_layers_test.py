#!/usr/bin/env python3
"""The layer check passes the real tree and catches each kind of wrong include."""
import pathlib
import subprocess
import sys
import tempfile

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "tools" / "check_layers.py"

CASES = [  # (file under src, its text, the check should fail)
    ("imaging/ok.cpp", '#include "platform/bitmap.h"\n', False),
    ("imaging/up.cpp", '#include "document/archive.h"\n', True),
    ("encoders/aztec/up.cpp", '#include "message/markup.h"\n', True),
    ("message/side.cpp", '#include "imaging/scalers.h"\n', True),
    ("verify/ok.cpp", '#include "symbologies/qr/qr_doc.h"\n', False),
    ("verify/up.cpp", '#include "export/batch_build.h"\n', True),
    ("cli/qt.cpp", "#include <QString>\n", True),
    ("gui/qt.cpp", '#include <QtWidgets/QDialog>\n#include "cli/producer.h"\n', False),
    ("nowhere/x.cpp", "\n", True),
]


def run(src):
    return subprocess.run([sys.executable, str(SCRIPT), str(src)], capture_output=True,
                          text=True).returncode


def main():
    failures = []
    if run(SCRIPT.parents[1] / "src") != 0:
        failures.append("the real tree fails the check")
    for name, text, should_fail in CASES:
        with tempfile.TemporaryDirectory() as tmp:
            path = pathlib.Path(tmp) / name
            path.parent.mkdir(parents=True)
            path.write_text(text)
            if (run(tmp) != 0) != should_fail:
                failures.append(f"{name}: expected {'failure' if should_fail else 'success'}")
    for failure in failures:
        print(failure)
    passed = len(CASES) + 1 - len(failures)
    print(f"{passed} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
