#!/usr/bin/python3
"""An anonymous, read-only FTP server on 127.0.0.1 for the download tests.

Serves --root; prints its port on the first line once it accepts connections.
--first NAME lists NAME before the other entries (repeatable, in order);
--extra LINE adds a made-up line to every listing (names no file could have);
--stall NAME sends the first 64 KiB of NAME and then nothing more; the file
"stalled" appears in the root when it stops.
"""
import argparse
import os
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import ThreadedFTPServer


class StallingFile:
    """Hands out its first chunk, then blocks as a hung server would."""

    def __init__(self, file, marker):
        self._file = file
        self._marker = marker
        self.name = file.name
        self.closed = False

    def read(self, size=-1):
        if self._file.tell() == 0:
            return self._file.read(size)
        with open(self._marker, "w"):
            pass
        time.sleep(120)
        return b""

    def close(self):
        self.closed = True
        self._file.close()


def make_filesystem(first, extra, stall, marker):
    class TestFilesystem(AbstractedFS):
        def format_list(self, basedir, listing, ignore_err=True):
            ordered = [n for n in first if n in listing] + [n for n in listing if n not in first]
            yield from super().format_list(basedir, ordered, ignore_err)
            for line in extra:
                yield line.encode("utf-8", "surrogateescape") + b"\r\n"

        def open(self, filename, mode):
            file = super().open(filename, mode)
            return StallingFile(file, marker) if filename.endswith("/" + stall) else file

    return TestFilesystem


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--first", action="append", default=[])
    parser.add_argument("--extra", action="append", default=[])
    parser.add_argument("--stall", default="\0")
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_anonymous(args.root)
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.abstracted_fs = make_filesystem(args.first, args.extra, args.stall,
                                          os.path.join(args.root, "stalled"))
    handler.use_sendfile = False  # the stalling file is read, not sent by the kernel
    server = ThreadedFTPServer(("127.0.0.1", 0), handler)
    print(server.address[1], flush=True)
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    sys.exit(main())
