"""The tool's link against a Modbus RTU slave that is not ours (pymodbus) and
against the virtual module: the same operations must give the same results."""
import os
import subprocess
import sys
import tempfile
import time

LINK_CHECK, MODULE = sys.argv[1], sys.argv[2]

# Grown under the sanitizers, whose builds run several times slower.
TIME_FACTOR = max(1, int(os.environ.get("ORVALIS_TEST_TIME_FACTOR") or 1))

# Registers both slaves start with; the operations below read and write them.
HOLDING = {50521: 0, 31504: 5, **{a: 1 for a in range(50507, 50513)}}
COILS = {50000: 0, 50001: 0}
OPERATIONS = [
    "r4:50521:1",
    "r4:31504:1",
    "w4:31504:12",
    "r4:31504:1",
    "w4:50507:230,3,40,4,5,600",
    "r4:50507:6",
    "w2:50000:1,0",
    "r2:50000:2",
    "r4:40000:1",      # no such register: an exception answer
    "r4:50512:2",      # runs past the end of the map
]


def pty_pair(tmp, name):
    a, b = os.path.join(tmp, name + "-slave"), os.path.join(tmp, name + "-tool")
    proc = subprocess.Popen(["socat", f"pty,raw,echo=0,link={a}", f"pty,raw,echo=0,link={b}"])
    for _ in range(100):
        if os.path.exists(a) and os.path.exists(b):
            return proc, a, b
        time.sleep(0.05)
    raise RuntimeError("socat made no line")


def run_link_check(number, path):
    env = dict(os.environ, ORVALIS_SERIAL_PORTS=f"{number}={path}")
    out = subprocess.run([LINK_CHECK, "--port", str(number), "--parity-index", "0", *OPERATIONS],
                         env=env, capture_output=True, text=True, timeout=60 * TIME_FACTOR)
    return out.returncode, out.stdout.splitlines()


PYMODBUS_SLAVE = r'''
import sys
from pymodbus.datastore import ModbusServerContext, ModbusSlaveContext, ModbusSparseDataBlock
from pymodbus.server import StartSerialServer
from pymodbus.transaction import ModbusRtuFramer
holding, coils = eval(sys.argv[2]), eval(sys.argv[3])
store = ModbusSlaveContext(hr=ModbusSparseDataBlock(holding), co=ModbusSparseDataBlock(coils),
                           di=ModbusSparseDataBlock({0: 0}), ir=ModbusSparseDataBlock({0: 0}),
                           zero_mode=True)
context = ModbusServerContext(slaves={247: store}, single=False)
StartSerialServer(context=context, framer=ModbusRtuFramer, port=sys.argv[1], baudrate=19200,
                  bytesize=8, parity="N", stopbits=1, timeout=0.005)
'''


def against_pymodbus(tmp):
    line, slave_end, tool_end = pty_pair(tmp, "pymodbus")
    slave = subprocess.Popen(["/usr/bin/python3", "-c", PYMODBUS_SLAVE, slave_end,
                              repr(HOLDING), repr(COILS)])
    try:
        time.sleep(1.5)
        return run_link_check(91, tool_end)
    finally:
        slave.kill()
        line.kill()
        slave.wait()
        line.wait()


def against_virtual_module(tmp):
    line, slave_end, tool_end = pty_pair(tmp, "virtual")
    module = subprocess.Popen([MODULE, "--port", slave_end, "--parity", "none"],
                              stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    try:
        assert module.stdout.readline().strip() == "ready"
        for address, value in HOLDING.items():
            if address != 50521:
                module.stdin.write(f"set {address} {value}\n")
        for address, value in COILS.items():
            module.stdin.write(f"setcoil {address} {value}\n")
        module.stdin.flush()
        for _ in range(len(HOLDING) - 1 + len(COILS)):
            answer = module.stdout.readline().strip()
            assert answer.startswith("ok"), answer
        return run_link_check(92, tool_end)
    finally:
        module.kill()
        line.kill()
        module.wait()
        line.wait()


def main():
    with tempfile.TemporaryDirectory() as tmp:
        theirs = against_pymodbus(tmp)
        ours = against_virtual_module(tmp)
    print("pymodbus slave:", *theirs[1], sep="\n  ")
    print("virtual module:", *ours[1], sep="\n  ")
    assert theirs[0] == 0 and ours[0] == 0, "connect failed"
    assert len(theirs[1]) == len(OPERATIONS) + 1, theirs
    assert theirs[1] == ours[1], "the two slaves answered differently"
    # The results themselves, not only their agreement.
    expected = [
        "r4 50521 -> error 0 values 0",
        "r4 31504 -> error 0 values 5",
        "w4 31504 -> error 0 values ",
        "r4 31504 -> error 0 values 12",
        "w4 50507 -> error 0 values ",
        "r4 50507 -> error 0 values 230 3 40 4 5 600",
        "w2 50000 -> error 0 values ",
        "r2 50000 -> error 0 values 1 0",
    ]
    assert theirs[1][1:9] == expected, theirs[1]
    for line in theirs[1][9:]:
        error = int(line.split()[4])
        assert error not in (0, 3, 5, 8), line


if __name__ == "__main__":
    main()
