#!/usr/bin/env python3
"""The layer order of the sources, and the check itself: it must fail on each
kind of include against the order and pass a tree that keeps it."""
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_layers  # noqa: E402


class LayerCheck(unittest.TestCase):
    def tree(self, files):
        root = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory()))
        for folder in check_layers.ROOTS.values():
            (root / folder).mkdir(parents=True, exist_ok=True)
        for name, text in files.items():
            (root / name).write_text(text)
        return root

    def test_includes_down_the_order_pass(self):
        root = self.tree({
            "src/link/SerialPort.h": '#include "base/ResultCodes.h"\n#include <QObject>\n',
            "src/machines/Job.h": '#include "engine/StateHost.h"\n#include "config/ConfigCrc.h"\n',
            "src/config/Reader.cpp": '#include "config/Reader.h"\n#include "firmware/FirmwareImage.h"\n',
            "app/main.cpp": '#include "sim/SimulatorThread.h"\n#include "ui/MainWindow.h"\n',
            "sim/Tuner.cpp": '#include "link/TunerCommands.h"\n',
            "cli/Serve.cpp": '#include "server/TunerServer.h"\n',
        })
        self.assertEqual(check_layers.violations(root), [])

    def test_each_include_against_the_order_fails(self):
        root = self.tree({
            "src/base/ResultCodes.h": '#include "engine/StateHost.h"\n',
            "src/link/SerialPort.cpp": '  #  include "model/ModelBase.h"\n',
            "src/config/Reader.h": '#include "machines/Job.h"\n',
            "src/machines/Job.cpp": '#include "ui/MainWindow.h"\n',
            "src/ui/Page.cpp": '#include "sim/SimulatorThread.h"\n#include "cli/CliContext.h"\n',
            "src/engine/Bare.h": '#include "Helper.h"\n',
            "sim/Tuner.cpp": '#include "machines/TunerModel.h"\n',
            "sim/Proms.cpp": '#include "link/TunerCommands.h"\n#include "link/PromFrames.h"\n',
            "src/server/Api.cpp": '#include "ui/MainWindow.h"\n',
        })
        found = check_layers.violations(root)
        for expected in ("src/base/ResultCodes.h", "src/link/SerialPort.cpp", "src/config/Reader.h",
                         "src/machines/Job.cpp", "src/engine/Bare.h", "sim/Tuner.cpp", "src/server/Api.cpp",
                         "sim/Proms.cpp"):
            self.assertTrue(any(line.startswith(expected + ":") for line in found), expected)
        self.assertEqual(sum(line.startswith("src/ui/Page.cpp:") for line in found), 2)
        self.assertEqual(len(found), 10)

    def test_the_sources_keep_the_order(self):
        self.assertEqual(check_layers.violations(pathlib.Path(__file__).resolve().parents[2]), [])


if __name__ == "__main__":
    unittest.main()
