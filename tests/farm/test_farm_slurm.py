#!/usr/bin/python3
"""colbalance-submit on a real single-node Slurm cluster.

    test_farm_slurm.py BUILD_HOST_DIR

BUILD_HOST_DIR holds colbalance and colbalance-submit.  The cluster comes
up under a temporary folder (slurm-cluster.sh) for the whole run and goes
down at its end, also when a test fails or the run is killed.  Exits with
77, saying why, where Slurm cannot run.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

# A build whose farm tests run elsewhere says so (tests/farm/CMakeLists.txt).
if os.environ.get("FN_FARM_SKIP"):
    print("SKIP: " + os.environ["FN_FARM_SKIP"])
    sys.exit(77)

HERE = Path(__file__).resolve().parent
CLUSTER = HERE / "slurm-cluster.sh"
HOST = Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
COLBALANCE = HOST / "colbalance"
SUBMIT = HOST / "colbalance-submit"

FRAMES = 24
DEADLINE = 90  # seconds for any one submission to end

# The time is the frame number: keys make every frame different.
PARAMS = '{"Master Hue": [[1, 0], [24, 120]], "Master Saturation": 30, "Midtones Luminance": 8}'


def make_frames(folder, count):
    """count small noise frames, in.0001.png on; noise compresses badly, so
    the pixel data is most of each file."""
    subprocess.run(
        ["oiiotool", "--frames", f"1-{count}", "--pattern", "noise:type=uniform:seed={FRAME_NUMBER}",
         "64x48", "3", "-d", "uint8", "-o", str(folder / "in.#.png")],
        check=True,
    )


def break_file(path):
    """Cuts the file short inside its pixel data: its header still reads,
    so a dry run takes it, but rendering it fails."""
    data = path.read_bytes()
    path.write_bytes(data[: len(data) * 6 // 10])


def replace_file(path, source):
    """Puts source's bytes at path in one rename, as a user fixing a frame
    on a shared disk would."""
    temp = path.with_name("." + path.name + ".new")
    shutil.copyfile(source, temp)
    os.replace(temp, path)


def slurm(*argv):
    return subprocess.run(argv, capture_output=True, text=True, check=True).stdout


def known_jobs():
    """Every job the controller knows, finished ones too."""
    return set(re.findall(r"JobId=(\d+)", slurm("scontrol", "-o", "show", "job")))


def wait_for_queue_to_empty(job):
    deadline = time.monotonic() + DEADLINE
    while slurm("squeue", "-h", "-j", str(job)).strip():
        if time.monotonic() > deadline:
            raise AssertionError(f"job {job} still queued after {DEADLINE} s")
        time.sleep(0.2)


class FarmTest(unittest.TestCase):
    def setUp(self):
        self.dir = Path(tempfile.mkdtemp(prefix="fn-farm-"))
        self.shots = self.dir / "shots"
        self.shots.mkdir()
        (self.dir / "look.json").write_text(PARAMS)
        make_frames(self.shots, FRAMES)

    def tearDown(self):
        # Whatever a failed test left queued would slow the next one down.
        subprocess.run(["scancel", "--user", "root"], capture_output=True)
        shutil.rmtree(self.dir, ignore_errors=True)

    def render_args(self, out="out"):
        return [str(self.shots / "in.%04d.png"), "-o", str(self.dir / out / "f.%04d.png"),
                "--params", str(self.dir / "look.json"), "--frames", f"1-{FRAMES}"]

    def submit(self, *options, out="out"):
        (self.dir / out).mkdir(exist_ok=True)
        argv = [str(SUBMIT), "--farm", "slurm", *options, "--", *self.render_args(out)]
        return subprocess.run(argv, capture_output=True, text=True, timeout=DEADLINE, cwd=self.dir)

    def local_render(self, out="local"):
        (self.dir / out).mkdir()
        subprocess.run([str(COLBALANCE), *self.render_args(out)], check=True)

    def frame(self, i, out="out"):
        return self.dir / out / f"f.{i:04d}.png"

    def assertSameFrames(self, out, reference):
        for i in range(1, FRAMES + 1):
            self.assertEqual(self.frame(i, out).read_bytes(), self.frame(i, reference).read_bytes(), i)

    def test_chunks_render_as_one_local_run_and_a_rerun_renders_only_what_is_missing(self):
        self.local_render()
        p = self.submit("--chunk", "5", "--wait", "--name", "shot")
        self.assertEqual(p.returncode, 0, p.stdout + p.stderr)
        self.assertIn(f"frames 1-{FRAMES}: {FRAMES} written, 0 skipped", p.stdout)
        self.assertSameFrames("out", "local")
        # One log per chunk, beside the outputs, named by job and chunk.
        job = re.search(r"submitted job (\d+)", p.stdout).group(1)
        logs = sorted(x.name for x in (self.dir / "out").glob("*.log"))
        self.assertEqual(logs, [f"shot_{job}_{c}.log" for c in range(5)])
        self.assertIn("frames 21-24", (self.dir / "out" / f"shot_{job}_4.log").read_text())

        # Without --wait: the job is submitted and left to run.  Two frames
        # gone: their two chunks go in, and only they are rendered again.
        kept = {i: os.stat(self.frame(i)) for i in range(1, FRAMES + 1) if i not in (7, 18)}
        self.frame(7).unlink()
        self.frame(18).unlink()
        p = self.submit("--chunk", "5", "--name", "shot")
        self.assertEqual(p.returncode, 0, p.stdout + p.stderr)
        self.assertIn("in 2 chunks of 5 (2 frames to render, 22 there already)", p.stdout)
        job = re.search(r"submitted job (\d+)", p.stdout).group(1)
        self.assertIn(f"squeue -j {job}", p.stdout)
        wait_for_queue_to_empty(job)
        self.assertSameFrames("out", "local")
        for i, st in kept.items():
            now = os.stat(self.frame(i))
            self.assertEqual((now.st_ino, now.st_mtime_ns), (st.st_ino, st.st_mtime_ns), i)
        # Everything there: nothing is submitted.
        before = known_jobs()
        p = self.submit("--chunk", "5", "--wait")
        self.assertEqual(p.returncode, 0, p.stderr)
        self.assertIn("nothing submitted", p.stdout)
        self.assertEqual(known_jobs(), before)

    def test_a_chunk_that_fails_once_is_completed_by_its_retry(self):
        self.local_render()
        good = self.dir / "good.png"
        shutil.copyfile(self.shots / "in.0013.png", good)
        break_file(self.shots / "in.0013.png")
        (self.dir / "logs").mkdir()
        (self.dir / "out").mkdir()
        proc = subprocess.Popen(
            [str(SUBMIT), "--farm", "slurm", "--chunk", "5", "--wait", "--log-dir", str(self.dir / "logs"),
             "--", *self.render_args()],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, cwd=self.dir,
        )
        # Once the failure is in the chunk's log, the frame is made good.
        fixed, deadline = False, time.monotonic() + DEADLINE
        while proc.poll() is None and time.monotonic() < deadline:
            if not fixed:
                for log in (self.dir / "logs").glob("*_2.log"):
                    if "colbalance: frame 13:" in log.read_text():
                        replace_file(self.shots / "in.0013.png", good)
                        fixed = True
            time.sleep(0.02)
        out, err = proc.communicate(timeout=DEADLINE)
        self.assertTrue(fixed, out + err)
        self.assertEqual(proc.returncode, 0, out + err)
        self.assertIn("retry 1 of 2: chunks 2 again", out)
        self.assertIn(f"frames 1-{FRAMES}: {FRAMES} written", out)
        self.assertSameFrames("out", "local")
        # The chunk's one log holds both runs: the failure, then the frames.
        (log,) = (self.dir / "logs").glob("*_2.log")
        text = log.read_text()
        self.assertGreaterEqual(text.count("== chunk 2, frames 11-15"), 2, text)
        self.assertLess(text.index("colbalance: frame 13:"), text.rindex("frames written: "), text)

    def test_a_chunk_that_keeps_failing_is_named_with_its_log(self):
        break_file(self.shots / "in.0013.png")
        p = self.submit("--chunk", "5", "--retries", "1", "--wait", "--name", "shot")
        self.assertEqual(p.returncode, 1, p.stdout + p.stderr)
        job = re.search(r"submitted job (\d+)", p.stdout).group(1)
        log = self.dir / "out" / f"shot_{job}_2.log"
        self.assertRegex(p.stdout, rf"failed: chunk 2, frames 11-15 \(missing 13-15\), log {re.escape(str(log))}: "
                         r"colbalance: frame 13: cannot read")
        self.assertIn(f"frames 1-{FRAMES}: 21 written, 0 skipped (there already), 3 missing", p.stdout)
        self.assertEqual(log.read_text().count("colbalance: frame 13:"), 2)
        for i in range(1, FRAMES + 1):
            self.assertEqual(self.frame(i).exists(), i < 13 or i > 15, i)

    def test_a_bad_command_is_refused_before_anything_is_queued(self):
        before = known_jobs()
        # A frame's input missing, a frame's output a folder, no output
        # folder at all: colbalance --dry-run says which, and why.
        (self.shots / "in.0017.png").unlink()
        p = self.submit("--chunk", "5")
        self.assertEqual(p.returncode, 1)
        self.assertRegex(p.stderr, r"^colbalance-submit: refused, nothing submitted: colbalance: frame 17: "
                                   r"cannot read .*in\.0017\.png")
        shutil.copyfile(self.shots / "in.0016.png", self.shots / "in.0017.png")
        self.frame(9).mkdir(parents=True)
        p = self.submit("--chunk", "5")
        self.assertEqual(p.returncode, 1)
        self.assertRegex(p.stderr, r"frame 9: -o .*f\.0009\.png\" is a folder")
        argv = [str(SUBMIT), "--farm", "slurm", "--", *self.render_args("nowhere")]
        p = subprocess.run(argv, capture_output=True, text=True, timeout=DEADLINE)
        self.assertEqual(p.returncode, 1)
        self.assertIn("no folder", p.stderr)
        self.assertEqual(slurm("squeue", "-h"), "")
        self.assertEqual(known_jobs(), before)


def main():
    work = Path(tempfile.mkdtemp(prefix="fn-slurm-"))
    work.chmod(0o755)  # munged, as its own user, works in there
    cluster = work / "cluster"
    start = subprocess.run([str(CLUSTER), "start", str(cluster), str(os.getpid())],
                           capture_output=True, text=True)
    if start.returncode == 77:
        print(start.stderr.strip() or "SKIP: Slurm cannot run here")
        shutil.rmtree(work, ignore_errors=True)
        return 77
    try:
        if start.returncode != 0:
            print("the Slurm cluster did not come up:\n" + start.stderr, file=sys.stderr)
            return 1
        # Every Slurm command, the tests' and colbalance-submit's, reads this
        # one: without it a client looks its configuration up on the network.
        os.environ["SLURM_CONF"] = start.stdout.strip()
        tests = unittest.defaultTestLoader.loadTestsFromTestCase(FarmTest)
        result = unittest.TextTestRunner(verbosity=2).run(tests)
        return 0 if result.wasSuccessful() else 1
    finally:
        subprocess.run([str(CLUSTER), "stop", str(cluster)])
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
