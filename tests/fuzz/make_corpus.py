#!/usr/bin/env python3
"""Writes the seed corpus of preferences files into tests/fuzz/corpus/ (run from anywhere)."""
import pathlib
import struct

OUT = pathlib.Path(__file__).resolve().parent / "corpus"
SIZE = 1036
SLOTS = {"stb": 288, "tenthou": 439, "tallies": 586, "club": 729, "poker": 893}


def settled():
    b = bytearray(SIZE)
    b[1:10] = b"PLAYERA\0\0"
    b[10:19] = b"PLAYERB\0\0"
    b[20:29] = b"orlo.mid\0"
    b[276] = 1
    struct.pack_into("<i", b, 277, 1)
    b[281], b[282] = 1, 1
    struct.pack_into("<i", b, 283, 130)
    b[431], b[432] = 1, 1
    struct.pack_into("<i", b, 435, 130)
    b[582], b[583] = 1, 1
    struct.pack_into("<iiIII", b, 873, 130, 3, 100, 5000, 5000)
    for entry, name in ((1, b"PLAYERB"), (2, b"PLAYERA")):
        at = SLOTS["tallies"] + 13 * entry
        b[at:at + 9] = name.ljust(9, b"\0")
        struct.pack_into("<I", b, at + 9, 5000)
    return b


def with_ints(fields):
    b = settled()
    for offset, fmt, value in fields:
        struct.pack_into(fmt, b, offset, value)
    return b


def full_tables(fill):
    b = settled()
    for start in SLOTS.values():
        for entry in range(11):
            at = start + 13 * entry
            b[at:at + 9] = fill
            struct.pack_into("<I", b, at + 9, 0xFFFFFFFF if entry % 2 else 0x80000000)
    return b


def main():
    OUT.mkdir(exist_ok=True)
    files = {
        "empty": b"",
        "one_zero": b"\0",
        "short_1035": bytes(settled()[:1035]),
        "settled_1036": bytes(settled()),
        "long_1037": bytes(settled()) + b"\x7f",
        "zeros_1036": bytes(SIZE),
        "all_ff_1036": b"\xff" * SIZE,
        "all_ff_after_zero": b"\0" + b"\xff" * (SIZE - 1),
        "needs_setup": b"\1" + bytes(settled()[1:]),
        "music_on_missing": bytes(with_ints([(19, "<B", 1)])),
        "music_file_no_nul": bytes(settled()[:19] + b"\1" + b"m" * 256 + settled()[276:]),
        "names_no_nul": bytes(settled()[:1] + b"ABCDEFGHI" + b"abcdefghi" + settled()[19:]),
        "tables_names_no_nul": bytes(full_tables(b"ZZZZZZZZZ")),
        "tables_full": bytes(full_tables(b"NAME\0old\0")),
        "delays_min": bytes(with_ints([(283, "<i", -2**31), (435, "<i", -2**31), (873, "<i", -2**31)])),
        "delays_max": bytes(with_ints([(283, "<i", 2**31 - 1), (435, "<i", 2**31 - 1), (873, "<i", 2**31 - 1)])),
        "delays_edges": bytes(with_ints([(283, "<i", 0), (435, "<i", 200), (873, "<i", 201)])),
        "delays_minus_one": bytes(with_ints([(283, "<i", -1), (435, "<i", 210), (873, "<i", 10)])),
        "tip_extremes": bytes(with_ints([(277, "<i", 2**31 - 1)])),
        "tip_negative": bytes(with_ints([(277, "<i", -2**31)])),
        "tip_zero": bytes(with_ints([(277, "<i", 0)])),
        "counts_max": bytes(with_ints([(877, "<i", 2**31 - 1), (881, "<I", 2**32 - 1), (885, "<I", 2**32 - 1),
                                       (889, "<I", 2**32 - 1)])),
        "counts_min": bytes(with_ints([(877, "<i", -2**31), (881, "<I", 0), (885, "<I", 0), (889, "<I", 0)])),
        "switches_ff": bytes(with_ints([(o, "<B", 0xFF) for o in (19, 276, 281, 282, 287, 431, 432, 433, 434,
                                                                 582, 583, 584, 585, 872)])),
        "gremlin_welcome_off": bytes(with_ints([(281, "<B", 0), (287, "<B", 1), (282, "<B", 0)])),
    }
    for name, data in files.items():
        (OUT / name).write_bytes(data)


if __name__ == "__main__":
    main()
