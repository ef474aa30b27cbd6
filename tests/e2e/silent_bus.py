"""A session bus that takes every connection and never answers, as one whose daemon hangs.

Usage: silent_bus.py SOCKET_PATH CALLERS_FILE. Writes the process id of each client to
CALLERS_FILE, one a line, as it connects.
"""
import socket
import struct
import sys

listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
listener.bind(sys.argv[1])
listener.listen(64)
connections = []
with open(sys.argv[2], "a", buffering=1) as callers:
    while True:
        connection, _ = listener.accept()
        connections.append(connection)
        credentials = connection.getsockopt(socket.SOL_SOCKET, socket.SO_PEERCRED,
                                            struct.calcsize("3i"))
        callers.write(f"{struct.unpack('3i', credentials)[0]}\n")
