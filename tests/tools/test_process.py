"""The module as a process: start-up contract, control on stdin, shutdown,
command-line faults, and the launcher script."""

import os
import signal
import subprocess
import tempfile
import time
import unittest

import modulerig
from modulerig import Module, crc_ok, exception_code, read_request

HERE = os.path.dirname(os.path.abspath(__file__))
LAUNCH = os.path.join(HERE, "..", "..", "tools", "virtual-module", "launch")
CONTROL = os.path.join(HERE, "..", "..", "tools", "virtual-module", "control")


class ProcessTest(unittest.TestCase):
    def test_stdin_commands_and_end_of_stdin(self):
        m = Module("--parity", "none", stdin=subprocess.PIPE)
        self.addCleanup(m.close)
        m.process.stdin.write(b"mode\nget 31006\n")
        m.process.stdin.flush()
        self.assertEqual(m._stdout_line(2), "ok application")
        self.assertEqual(m._stdout_line(2), "ok 112")
        m.process.stdin.close()
        time.sleep(0.2)
        # Without stdin the module goes on serving the line and the socket.
        self.assertIsNone(m.process.poll())
        self.assertEqual(m.registers(50521, 1), [0])
        self.assertEqual(m.control("quit"), "ok")
        self.assertEqual(m.process.wait(5), 0)

    def test_termination_signals_end_the_module_cleanly(self):
        for sig in (signal.SIGTERM, signal.SIGINT):
            m = Module("--parity", "none")
            self.addCleanup(m.close)
            m.process.send_signal(sig)
            self.assertEqual(m.process.wait(5), 0)
            self.assertFalse(os.path.exists(m.control_path))

    def test_unopenable_port_fails_with_a_message(self):
        result = subprocess.run([modulerig.MODULE, "--port", "/nonexistent/tty"],
                                capture_output=True, text=True, timeout=10)
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("/nonexistent/tty", result.stderr)
        self.assertEqual(result.stdout, "")
        result = subprocess.run([modulerig.MODULE, "--port", "/dev/null",
                                 "--tool-end", "/nonexistent/tool"],
                                capture_output=True, text=True, timeout=10)
        self.assertEqual(result.returncode, 1)
        self.assertIn("/nonexistent/tool", result.stderr)
        result = subprocess.run([modulerig.MODULE, "--port", "/dev/null", "--parity", "mark"],
                                capture_output=True, text=True, timeout=10)
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("parity", result.stderr)

    def test_faults_from_the_command_line(self):
        m = Module("--parity", "none", "--exception", "50589:4", "--slave", "17", "--delay", "250")
        self.addCleanup(m.close)
        started = time.monotonic()
        reply = m.transact(read_request(3, 50589, 3, slave=17), timeout=1.0, expect=5)
        self.assertGreaterEqual(time.monotonic() - started, 0.24)
        self.assertEqual(exception_code(reply), 4)
        self.assertEqual(m.control("get 31508"), "ok 17")
        for flag, answer in (("--silent", "silent"), ("--corrupt-crc", "corrupt")):
            other = Module("--parity", "none", flag)
            self.addCleanup(other.close)
            reply = other.transact(read_request(3, 50521, 1), timeout=0.3, expect=7)
            self.assertEqual(other.log()[-1]["answer"], answer)
            if flag == "--silent":
                self.assertEqual(reply, b"")
            else:
                self.assertEqual(reply[:5], bytes([247, 3, 2, 0, 0]))
                self.assertFalse(crc_ok(reply))

    def test_default_line_is_even_parity_for_mbpoll(self):
        m = Module()  # 19200 8E1, slave 247
        self.addCleanup(m.close)
        out = subprocess.run(["mbpoll", "-m", "rtu", "-a", "247", "-b", "19200", "-P", "even",
                              "-1", "-q", "-o", "1", "-0", "-t", "4", "-r", "31505", "-c", "4",
                              m.tool_end], capture_output=True, text=True, timeout=10).stdout
        self.assertIn("[31505]: \t1", out)  # parity code even
        self.assertIn("[31507]: \t19200", out)
        self.assertIn("[31508]: \t247", out)


class LauncherTest(unittest.TestCase):
    def test_launch_runs_a_command_against_the_module_and_cleans_up(self):
        script = (
            'set -e; echo "PORTS=$ORVALIS_SERIAL_PORTS"; '
            '"$CONTROL_SCRIPT" alarm fuse 1 1; '
            'mbpoll -m rtu -a 247 -b 19200 -P even -1 -q -o 1 -0 -t 0 -r 32311 -c 3 '
            '"${ORVALIS_SERIAL_PORTS#5=}"; '
            '"$CONTROL_SCRIPT" bogus || echo "control failed as it should"; exit 7')
        env = dict(os.environ, ORVALIS_VIRTUAL_MODULE=modulerig.MODULE, CONTROL_SCRIPT=CONTROL)
        result = subprocess.run([LAUNCH, "--number", "5", "--", "bash", "-c", script],
                                capture_output=True, text=True, timeout=30, env=env)
        self.assertEqual(result.returncode, 7, result.stderr)
        lines = result.stdout.splitlines()
        tool, control = lines[0], lines[1]
        directory = os.path.dirname(tool)
        self.assertEqual(lines[2], "ORVALIS_SERIAL_PORTS=5=" + tool)
        self.assertEqual(lines[3], "PORTS=5=" + tool)
        self.assertEqual(control, os.path.join(directory, "control"))
        self.assertIn("ok", lines[4])
        self.assertIn("[32311]: \t1", result.stdout)
        self.assertIn("[32312]: \t0", result.stdout)
        self.assertIn("error unknown command bogus", result.stdout)
        self.assertIn("control failed as it should", result.stdout)
        self.assertFalse(os.path.exists(directory))

    def test_launch_checks_the_line_when_asked(self):
        # The module runs at 38400 even; mbpoll asks at 19200 even, then at 38400 even.
        script = ('p="${ORVALIS_SERIAL_PORTS#5=}"; for baud in 19200 38400; do '
                  'mbpoll -m rtu -a 247 -b $baud -P even -1 -q -o 0.5 -0 -t 4 -r 31508 "$p" '
                  '>/dev/null 2>&1; echo "$baud:$?"; done')
        for flags, variable, answered in ((["--line-check"], "0", "19200:1 38400:0"),
                                          ([], "1", "19200:1 38400:0"),
                                          ([], "0", "19200:0 38400:0")):
            with self.subTest(flags=flags, ORVALIS_LINE_CHECK=variable):
                result = subprocess.run(
                    [LAUNCH, "--module", modulerig.MODULE, "--number", "5",
                     "--module-args", "--baud 38400", *flags, "--", "bash", "-c", script],
                    capture_output=True, text=True, timeout=30,
                    env=dict(os.environ, ORVALIS_LINE_CHECK=variable))
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(" ".join(result.stdout.splitlines()[3:]), answered)

    def test_launch_without_command_serves_until_terminated(self):
        with tempfile.TemporaryFile() as out:
            launcher = subprocess.Popen([LAUNCH, "--module", modulerig.MODULE,
                                         "--module-args", "--slave 9"],
                                        stdout=out, stderr=subprocess.STDOUT)
            deadline = time.monotonic() + 10
            lines = []
            while len(lines) < 3 and time.monotonic() < deadline:
                time.sleep(0.05)
                out.seek(0)
                lines = out.read().decode().splitlines()
            self.assertEqual(len(lines), 3, lines)
            answer = subprocess.run([CONTROL, "--socket", lines[1], "get", "31508"],
                                    capture_output=True, text=True, timeout=10).stdout
            self.assertEqual(answer.strip(), "ok 9")
            launcher.send_signal(signal.SIGTERM)
            launcher.wait(10)
            self.assertFalse(os.path.exists(os.path.dirname(lines[0])))


if __name__ == "__main__":
    modulerig.main()
