#!/usr/bin/python3
"""colbalance-submit's own parts, without a farm.

    test_submit_parts.py BUILD_HOST_DIR

The frame names must come out as colbalance writes them (the program
decides from them which frames are there), the colbalance command must
reach every chunk argument for argument, and each chunk's script must give
its task exactly its frames.
"""

import importlib.machinery
import importlib.util
import json
import os
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

# A build whose farm tests run elsewhere says so (tests/farm/CMakeLists.txt).
if os.environ.get("FN_FARM_SKIP"):
    print("SKIP: " + os.environ["FN_FARM_SKIP"])
    sys.exit(77)

HOST = Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
sys.dont_write_bytecode = True  # nothing written beside the program
_loader = importlib.machinery.SourceFileLoader("colbalance_submit", str(HOST / "colbalance-submit"))
_spec = importlib.util.spec_from_loader(_loader.name, _loader)
submit = importlib.util.module_from_spec(_spec)
_loader.exec_module(submit)


class FrameNames(unittest.TestCase):
    def test_patterns_expand_as_colbalance_expands_them(self):
        # This program decides from the names which frames are there, so
        # they must be colbalance's: a folder where it expects the frame is
        # one colbalance's dry run finds there and refuses.
        with tempfile.TemporaryDirectory() as d:
            still = os.path.join(d, "in.png")
            subprocess.run(["oiiotool", "--pattern", "constant:color=0.5", "4x4", "3", "-o", still], check=True)
            for pattern, frame in [
                ("a.%04d.png", 7), ("a.####.png", 1234), ("a.#.png", 56), ("a.%d.png", -3),
                ("a.%3d.png", 5), ("a.%06d.png", -42), ("a.%04d.%04d.png", 12), ("a.##.%04d.png", 9),
            ]:
                name = os.path.join(d, submit.expand_frame_pattern(pattern, frame))
                os.mkdir(name)
                p = subprocess.run(
                    [str(HOST / "colbalance"), still, "-o", os.path.join(d, pattern), "--frames", str(frame),
                     "--dry-run"],
                    capture_output=True, text=True,
                )
                self.assertIn(f'"{name}" is a folder', p.stderr, (pattern, frame))
                os.rmdir(name)

    def test_expansion(self):
        e = submit.expand_frame_pattern
        self.assertEqual(e("shot.%04d.exr", 1001), "shot.1001.exr")
        self.assertEqual(e("shot.####.exr", 7), "shot.0007.exr")
        self.assertEqual(e("shot.%d.exr", 7), "shot.7.exr")
        self.assertEqual(e("shot.%3d.exr", 7), "shot.  7.exr")
        self.assertEqual(e("shot.%04d.exr", -5), "shot.-005.exr")
        self.assertEqual(e("a%04d/b.%04d.exr", 3), "a0003/b.%04d.exr")  # the first pattern only
        self.assertEqual(e("still.exr", 3), "still.exr")
        self.assertEqual(e("x.%099d", 1), "x." + "0" * 31 + "1")  # widths stop at 32


class Frames(unittest.TestCase):
    def test_ranges_and_lists(self):
        self.assertEqual(submit.parse_frame_range("1001-1240"), (1001, 1240))
        self.assertEqual(submit.parse_frame_range("-20--11"), (-20, -11))
        self.assertEqual(submit.parse_frame_range("5"), (5, 5))
        for bad in ("5-4", "a-b", "1-", "", "1-2-3"):
            self.assertIsNone(submit.parse_frame_range(bad), bad)
        self.assertEqual(submit.parse_frame_list("1-3,7,9-10\n"), [1, 2, 3, 7, 9, 10])
        self.assertEqual(submit.parse_frame_list("none"), [])
        with self.assertRaises(submit.SubmitError):
            submit.parse_frame_list("frames: 1-3")
        self.assertEqual(submit.format_ranges([0, 1, 2, 4, 6, 7]), "0-2,4,6-7")
        self.assertEqual(submit.format_ranges([-3, -2]), "-3--2")

    def test_chunks_cover_the_range_once(self):
        self.assertEqual(submit.chunk_ranges(1, 24, 5), [(1, 5), (6, 10), (11, 15), (16, 20), (21, 24)])
        self.assertEqual(submit.chunk_ranges(-7, 3, 10), [(-7, 2), (3, 3)])
        self.assertEqual(submit.chunk_ranges(4, 4, 10), [(4, 4)])


class Command(unittest.TestCase):
    def test_frames_and_outputs_are_found_in_every_form(self):
        for argv in (
            ["in.%04d.exr", "-o", "out.%04d.exr", "--frames", "1-9"],
            ["in.%04d.exr", "--output=out.%04d.exr", "--frames=1-9", "--skip-existing"],
            ["--frames", "1-9", "in.%04d.exr", "-oout.%04d.exr"],
        ):
            c = submit.RenderCommand.parse(argv)
            self.assertEqual((c.first, c.last), (1, 9), argv)
            self.assertEqual(c.outputs, ["out.%04d.exr"], argv)
            self.assertNotIn("--skip-existing", c.args)
            self.assertFalse(any(a.startswith("--frames") for a in c.args), argv)
        c = submit.RenderCommand.parse(["i.%04d.png", "-o", "o.%04d.png", "--histogram", "h.%04d.csv", "--frames", "3"])
        self.assertEqual(c.frame_outputs(3), ["o.0003.png", "h.0003.csv"])

    def test_commands_a_farm_cannot_split_are_refused(self):
        for argv in (
            ["in.%04d.exr", "-o", "out.%04d.exr"],  # no frames
            ["in.%04d.exr", "-o", "out.%04d.exr", "--frames", "1-9", "--frames", "3-4"],
            ["in.%04d.exr", "-o", "out.%04d.exr", "--frames", "9-1"],
            ["in.%04d.exr", "-o", "out.%04d.exr", "--frames"],
            ["in.%04d.exr", "--frames", "1-9"],  # writes nothing
            ["in.%04d.exr", "-o", "out.%04d.exr", "--frames", "1-9", "--dry-run"],
        ):
            with self.assertRaises(submit.SubmitError, msg=argv):
                submit.RenderCommand.parse(argv)

    def test_each_task_gets_the_command_and_its_chunk(self):
        # Arguments the shell would otherwise take apart or expand.
        hostile = ["it's a $HOME `id` shot.%04d.exr", "-o", 'o "x" ;|&.%04d.exr', "--set", "Master Hue=30", "*"]
        command = submit.RenderCommand.parse([*hostile, "--frames", "-3-20"])
        echo = [sys.executable, "-c", "import json, sys; print(json.dumps(sys.argv[1:]))"]
        script = submit.task_script(echo[0], submit.RenderCommand(echo[1:] + command.args, -3, 20), 10)
        for task, frames in ((0, "-3-6"), (1, "7-16"), (2, "17-20")):
            env = dict(os.environ, SLURM_ARRAY_TASK_ID=str(task), SLURM_CPUS_ON_NODE="3")
            env.pop("FN_THREADS", None)
            p = subprocess.run(["sh", "-c", script], capture_output=True, text=True, env=env, check=True)
            lines = p.stdout.splitlines()
            self.assertIn(f"frames {frames}", lines[0])
            self.assertEqual(json.loads(lines[1]), [*hostile, "--frames", frames, "--skip-existing"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
