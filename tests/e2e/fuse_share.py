"""A file system that stands in for a file server: mounted, it answers nothing (every look at
a file in it waits), until answer() makes it serve a fixed set of files, read-only. It speaks
the kernel's FUSE protocol on /dev/fuse itself, so it needs no FUSE library."""
import ctypes
import errno
import os
import stat
import struct
import threading

FUSE_LOOKUP, FUSE_FORGET, FUSE_GETATTR = 1, 2, 3
FUSE_OPEN, FUSE_READ, FUSE_STATFS, FUSE_RELEASE = 14, 15, 17, 18
FUSE_INIT, FUSE_OPENDIR, FUSE_READDIR, FUSE_RELEASEDIR = 26, 27, 28, 29
FUSE_ACCESS, FUSE_INTERRUPT, FUSE_BATCH_FORGET = 34, 36, 42
NO_REPLY = (FUSE_FORGET, FUSE_INTERRUPT, FUSE_BATCH_FORGET)
IN_HEADER = struct.Struct("<IIQQIIII")
OUT_HEADER = struct.Struct("<IiQ")
ATTR = struct.Struct("<QQQQQQIIIIIIIIII")
ROOT = 1


def hanging_mount(folder):
    """Mounts the file system at folder; returns its device descriptor, or None where mounting
    is not allowed. Until answer() or the descriptor is closed, every look inside waits."""
    try:
        device = os.open("/dev/fuse", os.O_RDWR)
    except OSError:
        return None
    libc = ctypes.CDLL(None, use_errno=True)
    options = "fd=%d,rootmode=40000,user_id=%d,group_id=%d" % (device, os.getuid(), os.getgid())
    if libc.mount(b"vantrel-hang", folder.encode(), b"fuse", 0, options.encode()) != 0:
        os.close(device)
        return None
    return device


class Share:
    """The served tree: folder name -> {file name: bytes}; "" is the root. Node 1 is the root,
    then the folders, then the files."""

    def __init__(self, folders):
        self.nodes = {ROOT: ("", None)}
        self.children = {ROOT: {}}
        for folder, files in folders.items():
            parent = ROOT
            if folder:
                parent = self.add(ROOT, folder, None)
                self.children[parent] = {}
            for name, data in files.items():
                self.add(parent, name, data)

    def add(self, parent, name, data):
        node = len(self.nodes) + 1
        self.nodes[node] = (name, data)
        self.children[parent][name] = node
        return node

    def attr(self, node):
        _, data = self.nodes[node]
        if data is None:
            mode, size, links = stat.S_IFDIR | 0o755, 0, 2
        else:
            mode, size, links = stat.S_IFREG | 0o644, len(data), 1
        return ATTR.pack(node, size, (size + 511) // 512, 0, 0, 0, 0, 0, 0, mode, links, os.getuid(), os.getgid(),
                         0, 4096, 0)

    def reply(self, opcode, node, body):
        """The answer's body, or a negative errno."""
        if opcode == FUSE_INIT:
            major, minor = struct.unpack_from("<II", body)
            return struct.pack("<IIIIHHIIHHI28x", 7, min(minor, 31), 0, 0, 12, 10, 65536, 1, 0, 0, 0)
        if node not in self.nodes:
            return -errno.ENOENT
        if opcode == FUSE_LOOKUP:
            name = body.split(b"\0", 1)[0].decode("utf-8", "replace")
            child = self.children.get(node, {}).get(name)
            if child is None:
                return -errno.ENOENT
            return struct.pack("<QQQQII", child, 0, 1, 1, 0, 0) + self.attr(child)
        if opcode == FUSE_GETATTR:
            return struct.pack("<QII", 1, 0, 0) + self.attr(node)
        if opcode in (FUSE_OPEN, FUSE_OPENDIR):
            return struct.pack("<QII", 0, 0, 0)
        if opcode == FUSE_READ:
            _, offset, size = struct.unpack_from("<QQI", body)
            data = self.nodes[node][1] or b""
            return data[offset:offset + size]
        if opcode == FUSE_READDIR:
            _, offset, size = struct.unpack_from("<QQI", body)
            return self.entries(node, offset, size)
        if opcode in (FUSE_RELEASE, FUSE_RELEASEDIR, FUSE_ACCESS):
            return b""
        if opcode == FUSE_STATFS:
            return struct.pack("<QQQQQIIII24x", 1024, 512, 512, 64, 32, 4096, 255, 4096, 0)
        return -errno.ENOSYS

    def entries(self, node, offset, size):
        listed = [(".", node, stat.S_IFDIR), ("..", ROOT, stat.S_IFDIR)]
        for name, child in self.children.get(node, {}).items():
            listed.append((name, child, stat.S_IFDIR if self.nodes[child][1] is None else stat.S_IFREG))
        out = b""
        for index, (name, child, kind) in enumerate(listed[offset:], start=offset + 1):
            raw = name.encode("utf-8")
            entry = struct.pack("<QQII", child, index, len(raw), kind >> 12) + raw
            entry += b"\0" * (-len(entry) % 8)
            if len(out) + len(entry) > size:
                break
            out += entry
        return out


def answer(device, share):
    """From now on the file system serves share, the requests that were waiting first."""

    def serve():
        while True:
            try:
                request = os.read(device, 1 << 17)
            except OSError:
                return  # unmounted or closed
            _, opcode, unique, node, _, _, _, _ = IN_HEADER.unpack_from(request)
            if opcode in NO_REPLY:
                continue
            body = share.reply(opcode, node, request[IN_HEADER.size:])
            error, body = (body, b"") if isinstance(body, int) else (0, body)
            try:
                os.write(device, OUT_HEADER.pack(OUT_HEADER.size + len(body), error, unique) + body)
            except OSError:
                pass  # the request was interrupted meanwhile

    threading.Thread(target=serve, daemon=True).start()
