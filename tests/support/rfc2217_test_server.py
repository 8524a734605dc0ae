#!/usr/bin/python3
"""Network serial ports with faults, for the tests, on 127.0.0.1.

As a station: pyserial's RFC 2217 PortManager serving a pseudo-terminal, which
can withhold its answer to SET-BAUDRATE (--never-confirm-speed) or drop the
connection once the client has sent some serial bytes (--drop-after BYTES).
As a proxy (--forward PORT): passes a connection on to another server on
127.0.0.1, holding each direction back by --delay-ms.
The first line on standard output is the port it listens on.
"""
import argparse
import queue
import socket
import sys
import threading
import time

import serial
import serial.rfc2217 as rfc2217


class PtySerial(serial.Serial):
    """A pseudo-terminal has no modem lines: setting or reading them does nothing."""

    def _update_dtr_state(self):
        pass

    _update_rts_state = _update_dtr_state
    cts = dsr = ri = cd = property(lambda self: False)


class FaultyPortManager(rfc2217.PortManager):
    def __init__(self, serial_port, connection, never_confirm_speed):
        self.never_confirm_speed = never_confirm_speed
        super().__init__(serial_port, connection)

    def rfc2217_send_subnegotiation(self, option, value=b''):
        if self.never_confirm_speed and option == rfc2217.SERVER_SET_BAUDRATE:
            return
        super().rfc2217_send_subnegotiation(option, value)


class Connection:
    def __init__(self, sock):
        self.sock = sock
        self.lock = threading.Lock()

    def write(self, data):
        with self.lock:
            self.sock.sendall(data)


def serve_station(sock, args):
    port = PtySerial(args.device, 38400, timeout=0.02)
    connection = Connection(sock)
    manager = FaultyPortManager(port, connection, args.never_confirm_speed)
    alive = [True]

    def to_network():
        while alive[0]:
            data = port.read(port.in_waiting or 1)
            if data:
                try:
                    connection.write(b''.join(manager.escape(data)))
                except OSError:
                    break

    reader = threading.Thread(target=to_network, daemon=True)
    reader.start()
    sent = 0
    try:
        while True:
            data = sock.recv(1024)
            if not data:
                break
            serial_bytes = b''.join(manager.filter(data))
            sent += len(serial_bytes)
            if args.drop_after and sent > args.drop_after:
                break  # the station goes away in the middle of a job
            port.write(serial_bytes)
    except OSError:
        pass
    alive[0] = False
    reader.join()
    port.close()
    sock.close()


def delayed_pump(source, target, delay):
    """Passes bytes on in order, each chunk delay seconds after it came."""
    chunks = queue.Queue()

    def send():
        while (chunk := chunks.get()) is not None:
            due, data = chunk
            time.sleep(max(0.0, due - time.monotonic()))
            try:
                target.sendall(data)
            except OSError:
                break
        try:
            target.shutdown(socket.SHUT_WR)
        except OSError:
            pass

    sender = threading.Thread(target=send, daemon=True)
    sender.start()
    while True:
        try:
            data = source.recv(4096)
        except OSError:
            data = b''
        chunks.put((time.monotonic() + delay, data) if data else None)
        if not data:
            break
    sender.join()


def serve_proxy(sock, args):
    upstream = socket.create_connection(('127.0.0.1', args.forward))
    for s in (sock, upstream):
        s.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
    delay = args.delay_ms / 1000.0
    back = threading.Thread(target=delayed_pump, args=(upstream, sock, delay), daemon=True)
    back.start()
    delayed_pump(sock, upstream, delay)
    back.join()
    sock.close()
    upstream.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--device')
    parser.add_argument('--never-confirm-speed', action='store_true')
    parser.add_argument('--drop-after', type=int, default=0)
    parser.add_argument('--forward', type=int, default=0)
    parser.add_argument('--delay-ms', type=int, default=0)
    args = parser.parse_args()
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(('127.0.0.1', 0))
    listener.listen(4)
    print(listener.getsockname()[1], flush=True)
    while True:
        sock, _ = listener.accept()
        sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        serve = serve_proxy if args.forward else serve_station
        threading.Thread(target=serve, args=(sock, args), daemon=True).start()


if __name__ == '__main__':
    sys.exit(main())
