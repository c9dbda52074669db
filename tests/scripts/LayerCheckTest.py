#!/usr/bin/env python3
"""scripts/check-layers against small source trees: what it lets through and what it stops."""
import pathlib
import subprocess
import sys
import tempfile

CHECK = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "check-layers"

# A tree that keeps every rule; each case below adds one file to it.
CLEAN = {
    "main.cpp": '#include "chart/frmTintora.h"\n',
    "chart/frmTintora.h": '#include "schemes/frmSavetxt.h"\n#include "core/Colour.h"\n',
    "chart/Exit.cpp": "void frmTintora::Form_Unload(int &)\n{\n    frmSavetxt::open(1);\n}\n",
    "schemes/frmSavetxt.h": '#include "widgets/cToolTip.h"\n#include <QDialog>\n',
    "commands/frmSendEmail.h": '#include "help/HelpViewer.h"\n',
    "widgets/cToolTip.h": '#include "platform/controls/Label.h"\n',
    "help/HelpViewer.h": '#include "platform/services/Dialogs.h"\n',
    "platform/controls/Label.h": '#include "core/Colour.h"\n#include <QLabel>\n',
    "platform/services/Dialogs.h": "#include <QString>\n",
    "core/Colour.h": "#include <string>\n#include <cstdint>\n",
}

CASES = [
    ("clean tree", {}, None),
    ("include up", {"core/Fields.h": '#include "platform/services/Dialogs.h"\n'},
     '"platform/services/Dialogs.h" points up (core -> platform/services)'),
    ("include across", {"schemes/Import.cpp": '#include "commands/frmSendEmail.h"\n'},
     "points across (schemes -> commands"),
    ("cycle", {"platform/controls/Style.cpp": '#include "widgets/cToolTip.h"\n'},
     "include cycle: widgets -> platform/controls -> widgets"),
    ("Qt in core", {"core/Names.cpp": "#include <QString>\n"}, "Qt include <QString>"),
    ("Qt module in core", {"core/Names.cpp": "#include <QtCore/QString>\n"}, "Qt include"),
    ("member outside", {"commands/Tips.cpp": "void frmTintora::setUpToolTips()\n{\n}\n"},
     "frmTintora:: outside src/chart/"),
    # An include counts for the file it names, however the path is spelt.
    ("up through ..", {"core/Fields.h": '#include "../chart/frmTintora.h"\n'},
     '"../chart/frmTintora.h" points up (core -> chart)'),
    ("up from widgets through ..", {"widgets/Combo.h": '#include "./../chart/frmTintora.h"\n'},
     "points up (widgets -> chart)"),
    ("up in angle brackets", {"core/Fields.h": "#include <platform/services/Dialogs.h>\n"},
     "points up (core -> platform/services)"),
    ("beside the file", {"chart/Tips.cpp": '#include "frmTintora.h"\n#include "../core/Colour.h"\n'},
     None),
    # Inside the platform: controls, then services, then the windows' common set-up.
    ("services use controls", {"platform/services/Pick.cpp": '#include "../controls/Label.h"\n'},
     None),
    ("set-up uses both", {"platform/Windows.cpp": '#include "platform/services/Dialogs.h"\n'
                                                 '#include "platform/controls/Label.h"\n'}, None),
    ("controls use services", {"platform/controls/Slider.h": '#include "../services/Dialogs.h"\n'},
     "points up (platform/controls -> platform/services)"),
    ("services use the set-up", {"platform/services/Help.cpp": '#include "platform/Windows.h"\n'},
     "points up (platform/services -> platform)"),
    ("folder with no layer", {"extras/Thing.h": "#include <string>\n"},
     "folder 'extras' has no layer"),
]


def run(extra):
    with tempfile.TemporaryDirectory() as root:
        src = pathlib.Path(root) / "src"
        for name, text in {**CLEAN, **extra}.items():
            path = src / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
        return subprocess.run([sys.executable, str(CHECK), str(src)], capture_output=True,
                              text=True)


failures = 0
for name, extra, expected in CASES:
    result = run(extra)
    passed = result.returncode == 0 if expected is None else (
        result.returncode == 1 and expected in result.stdout)
    if not passed:
        failures += 1
        print(f"FAIL {name}: exit {result.returncode}\n{result.stdout}{result.stderr}")
print(f"LayerCheckTest: {len(CASES) - failures} passed, {failures} failed")
sys.exit(1 if failures else 0)
