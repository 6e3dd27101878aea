"""A pass-through X connection that timestamps what crosses it.

XProxy listens on a display number of its own and hands every connection on to
the real server, bytes and passed file descriptors alike (MIT-SHM passes the
shared segment as one). It reads both byte streams as X11 messages, little
endian: each request the client sends is noted with its opcode (and an
extension's minor opcode), each event the server sends with its type (XInput 2
events by their own type), both with a monotonic timestamp in nanoseconds taken
when the proxy had received the whole request or just before it sent the event
on. A request also keeps when its first bytes arrived: a large image reaches the
proxy in several reads, and its first bytes are when the client sent it. The
names of extensions come from the client's own QueryExtension requests and
their replies.

A benchmark points the program's DISPLAY at proxy.display and reads
proxy.log, a list of Entry in order.
"""
import array
import collections
import os
import select
import socket
import struct
import threading
import time

SOCKET_DIR = "/tmp/.X11-unix"

# kind is "request" or "event"; when is ns; started is when a request's first bytes came (an event's when).
Entry = collections.namedtuple("Entry", "kind name when size started")

# Core request opcodes worth a name; others are logged by number.
CORE_REQUESTS = {53: "CreatePixmap", 54: "FreePixmap", 62: "CopyArea", 70: "PolyFillRectangle",
                 72: "PutImage", 73: "GetImage", 38: "QueryPointer", 98: "QueryExtension", 43: "GetInputFocus"}
SHM_REQUESTS = {1: "ShmAttach", 2: "ShmDetach", 3: "ShmPutImage", 4: "ShmGetImage", 6: "ShmAttachFd"}
CORE_EVENTS = {4: "ButtonPress", 5: "ButtonRelease", 6: "MotionNotify", 12: "Expose"}
XI_EVENTS = {4: "XI_ButtonPress", 5: "XI_ButtonRelease", 6: "XI_Motion"}


def _pad(n):
    return (n + 3) & ~3


class _Stream:
    """Bytes of one direction, cut into whole X messages as they arrive."""

    def __init__(self):
        self.buffer = b""
        self.started = False  # past the connection set-up
        self.partial_since = None  # when the first bytes of the request now in the buffer came


class XProxy:
    def __init__(self, server_display):
        self.server_path = os.path.join(SOCKET_DIR, "X" + server_display.lstrip(":"))
        self.number, self.lock = self._reserve_number()
        self.display = ":%d" % self.number
        self.path = os.path.join(SOCKET_DIR, "X%d" % self.number)
        self.listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.listener.bind(self.path)
        self.listener.listen(8)
        self.log = []
        self.extensions = {}  # major opcode -> name
        self._lock = threading.Lock()
        self._stop = os.pipe()
        self._thread = threading.Thread(target=self._run, daemon=True)
        self._thread.start()

    @staticmethod
    def _reserve_number():
        # The lock file is how X servers (Xvfb -displayfd among them) keep a number for themselves.
        for number in range(200, 400):
            lock = "/tmp/.X%d-lock" % number
            try:
                fd = os.open(lock, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o444)
            except FileExistsError:
                continue
            os.write(fd, b"%10d\n" % os.getpid())
            os.close(fd)
            if os.path.exists(os.path.join(SOCKET_DIR, "X%d" % number)):
                os.unlink(lock)
                continue
            return number, lock
        raise RuntimeError("no free display number for the proxy")

    def close(self):
        os.write(self._stop[1], b"x")
        self._thread.join(timeout=5)
        self.listener.close()
        for path in (self.path, self.lock):
            try:
                os.unlink(path)
            except FileNotFoundError:
                pass

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def clear(self):
        with self._lock:
            self.log.clear()

    def entries(self):
        with self._lock:
            return list(self.log)

    # The forwarding loop: one thread, all connections.

    def _run(self):
        pairs = {}  # socket -> (peer, is_client_side, stream, connection state)
        while True:
            readable, _, _ = select.select([self.listener, self._stop[0]] + list(pairs), [], [])
            if self._stop[0] in readable:
                break
            for sock in readable:
                if sock is self.listener:
                    client, _ = self.listener.accept()
                    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
                    server.connect(self.server_path)
                    state = {"sequence": 0, "queries": {}}
                    pairs[client] = (server, True, _Stream(), state)
                    pairs[server] = (client, False, _Stream(), state)
                    continue
                if sock not in pairs:
                    continue
                peer, from_client, stream, state = pairs[sock]
                try:
                    data, ancillary, _, _ = sock.recvmsg(1 << 20, socket.CMSG_SPACE(16 * 4))
                except OSError:
                    data = b""
                if not data:
                    for s in (sock, peer):
                        pairs.pop(s, None)
                        s.close()
                    continue
                now = time.monotonic_ns()
                fds = array.array("i")
                for level, kind, payload in ancillary:
                    if level == socket.SOL_SOCKET and kind == socket.SCM_RIGHTS:
                        fds.frombytes(payload[: len(payload) - len(payload) % fds.itemsize])
                stream.buffer += data
                if from_client:
                    self._read_requests(stream, state, now)
                else:
                    self._read_replies(stream, state)
                try:
                    if fds:
                        peer.sendmsg([data], [(socket.SOL_SOCKET, socket.SCM_RIGHTS, fds.tobytes())])
                        for fd in fds:
                            os.close(fd)
                    else:
                        peer.sendall(data)
                except OSError:
                    for s in (sock, peer):
                        pairs.pop(s, None)
                        s.close()
        for sock in list(pairs):
            sock.close()

    def _note(self, kind, name, when, size=32, started=None):
        with self._lock:
            self.log.append(Entry(kind, name, when, size, when if started is None else started))

    def _read_requests(self, stream, state, now):
        buf = stream.buffer
        at = 0
        started = stream.partial_since or now
        if not stream.started:
            if len(buf) < 12:
                return
            name_len, data_len = struct.unpack_from("<HH", buf, 6)
            size = 12 + _pad(name_len) + _pad(data_len)
            if len(buf) < size:
                return
            at = size
            stream.started = True
        while len(buf) - at >= 4:
            opcode, minor, length = struct.unpack_from("<BBH", buf, at)
            header = 4
            if length == 0:  # BIG-REQUESTS: the length follows in 32 bits
                if len(buf) - at < 8:
                    break
                length = struct.unpack_from("<I", buf, at + 4)[0]
                header = 8
            size = length * 4
            if size < header or len(buf) - at < size:
                break
            state["sequence"] = (state["sequence"] + 1) & 0xFFFF
            if opcode == 98:
                name_len = struct.unpack_from("<H", buf, at + 4)[0]
                state["queries"][state["sequence"]] = buf[at + 8: at + 8 + name_len].decode("latin-1")
            self._note("request", self._request_name(opcode, minor), now, size, started)
            started = now
            at += size
        stream.buffer = buf[at:]
        stream.partial_since = started if stream.buffer else None

    def _request_name(self, opcode, minor):
        if opcode < 128:
            return CORE_REQUESTS.get(opcode, "core%d" % opcode)
        extension = self.extensions.get(opcode, "ext%d" % opcode)
        if extension == "MIT-SHM":
            return SHM_REQUESTS.get(minor, "MIT-SHM.%d" % minor)
        return "%s.%d" % (extension, minor)

    def _read_replies(self, stream, state):
        buf = stream.buffer
        at = 0
        if not stream.started:
            if len(buf) < 8:
                return
            size = 8 + struct.unpack_from("<H", buf, 6)[0] * 4
            if len(buf) < size:
                return
            at = size
            stream.started = True
        now = time.monotonic_ns()  # events count from just before they leave for the client
        while len(buf) - at >= 32:
            kind = buf[at] & 0x7F
            size = 32
            if kind == 1 or kind == 35:  # a reply, a generic event: 32 bytes and more
                size += struct.unpack_from("<I", buf, at + 4)[0] * 4
            if len(buf) - at < size:
                break
            if kind == 1:
                sequence = struct.unpack_from("<H", buf, at + 2)[0]
                name = state["queries"].pop(sequence, None)
                if name is not None and buf[at + 8]:
                    self.extensions[buf[at + 9]] = name
            elif kind == 35:
                extension = self.extensions.get(buf[at + 1], "")
                evtype = struct.unpack_from("<H", buf, at + 8)[0]
                if extension == "XInputExtension":
                    self._note("event", XI_EVENTS.get(evtype, "XI_%d" % evtype), now)
            elif kind != 0:
                self._note("event", CORE_EVENTS.get(kind, "event%d" % kind), now)
            at += size
        stream.buffer = buf[at:]
