"""The tool's link against a slave that is not ours and answers late or twice:
a few lines of plain Python on a socat line, reading holding registers whose
value is their own address. Every value the link hands on must be the right
one; a request may fail, never bring another request's words."""
import heapq
import os
import select
import struct
import subprocess
import sys
import tempfile
import termios
import time
import tty

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from modulerig import crc16  # noqa: E402

LINK_CHECK = sys.argv[1]
SLAVE = 247
ADDRESSES = [1000, 2000, 3000, 4000, 5000, 6000]  # every read asks 3 words: same length


def answer(frame):
    """The reply to one request frame, or None."""
    if len(frame) != 8 or frame[0] != SLAVE or struct.unpack("<H", frame[6:])[0] != crc16(frame[:6]):
        return None
    _, function, address, count = struct.unpack(">BBHH", frame[:6])
    if function != 3:
        body = bytes([SLAVE, function | 0x80, 1])
    else:
        body = bytes([SLAVE, 3, 2 * count]) + b"".join(
            struct.pack(">H", (address + i) & 0xFFFF) for i in range(count))
    return body + struct.pack("<H", crc16(body))


def serve(path, delay, twice, until):
    fd = os.open(path, os.O_RDWR | os.O_NOCTTY)
    tty.setraw(fd)
    termios.tcflush(fd, termios.TCIOFLUSH)
    pending, buffer = [], b""
    while time.monotonic() < until:
        timeout = max(0.0, pending[0][0] - time.monotonic()) if pending else 0.05
        ready, _, _ = select.select([fd], [], [], min(timeout, 0.05))
        if ready:
            buffer += os.read(fd, 256)
            while len(buffer) >= 8:
                reply = answer(buffer[:8])
                buffer = buffer[8:]
                if reply:
                    now = time.monotonic()
                    heapq.heappush(pending, (now + delay, reply))
                    if twice:
                        heapq.heappush(pending, (now + delay + twice, reply))
        while pending and pending[0][0] <= time.monotonic():
            os.write(fd, heapq.heappop(pending)[1])


def run(case, delay, twice):
    with tempfile.TemporaryDirectory() as tmp:
        slave_end, tool_end = os.path.join(tmp, "slave"), os.path.join(tmp, "tool")
        line = subprocess.Popen(["socat", f"pty,raw,echo=0,link={slave_end}",
                                 f"pty,raw,echo=0,link={tool_end}"])
        try:
            for _ in range(100):
                if os.path.exists(slave_end) and os.path.exists(tool_end):
                    break
                time.sleep(0.05)
            pid = os.fork()
            if pid == 0:
                serve(slave_end, delay, twice, time.monotonic() + 120)
                os._exit(0)
            try:
                operations = ["r4:50521:1"] + [f"r4:{a}:3" for a in ADDRESSES * 2]
                env = dict(os.environ, ORVALIS_SERIAL_PORTS=f"93={tool_end}")
                out = subprocess.run([LINK_CHECK, "--port", "93", "--parity-index", "0", *operations],
                                     env=env, capture_output=True, text=True, timeout=110)
            finally:
                os.kill(pid, 9)
                os.waitpid(pid, 0)
        finally:
            line.kill()
            line.wait()
    lines = out.stdout.splitlines()
    print(case, *lines, sep="\n  ")
    reads = [l for l in lines if l.startswith("r4 ") and not l.startswith("r4 50521")]
    assert len(reads) == len(ADDRESSES) * 2, (case, lines)
    good = 0
    for l in reads:
        address, error = int(l.split()[1]), int(l.split()[4])
        if error == 0:
            good += 1
            values = [int(v) for v in l.split("values")[1].split()]
            assert values == [address, address + 1, address + 2], (case, l)
        else:
            assert error not in (3, 5, 8), (case, l)
    assert good >= len(reads) // 2, (case, lines)


def main():
    for case, delay, twice in [("600 ms late", 0.6, 0), ("twice, 50 ms apart", 0.01, 0.05),
                               ("800 ms late and twice", 0.8, 0.1)]:
        run(case, delay, twice)


if __name__ == "__main__":
    main()
