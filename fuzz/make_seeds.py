#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/.

Run from anywhere: python3 fuzz/make_seeds.py. The seeds are committed; run
this again only to change them. Each seed is a small file of the kind its
target reads: records, Shift-JIS and UTF-8 texts, settings files, wave images
and window sessions (a record file followed by three-byte events).
"""
import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "fuzz" / "corpus"


def sjis(text):
    return text.encode("cp932")


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def move_lines(count):
    lines = (ROOT / "tests/data/golden/positions.txt").read_text().splitlines()
    return [line[:299].encode("ascii") for line in lines[:count]]


def record(title, top, bottom, lines, end=b"\r\n"):
    return end.join([sjis(title), sjis(top), sjis(bottom)] + lines) + end


def record_seeds():
    saved = (ROOT / "tests/data/saved_record.棋譜").read_bytes()
    write("record_reader", "saved_record", saved)
    write("record_reader", "self_play", record("対局", "後手の名前", "先手の名前", move_lines(12)))
    write("record_reader", "headers_only", record("題", "上", "下", []))
    long_header = b"a" + sjis("漢") * 500
    write("record_reader", "long_header", long_header + b"\r\n" + record("", "", "", move_lines(1))[2:])
    lines = move_lines(4)
    mixed = sjis("題") + b"\n\r" + b"x\r\r\n" + lines[0] + b"\n" + lines[1][:150] + b"\r" + lines[2] + b"  9  9\r\n" + lines[3]
    write("record_reader", "mixed_line_ends", mixed)


def shift_jis_seeds():
    text = "棋譜を書き込みました ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人 ﾁｪｽ側持駒OK"
    write("shift_jis", "japanese_sjis", sjis(text))
    write("shift_jis", "japanese_utf8", text.encode("utf-8"))
    write("shift_jis", "extensions", b"\x87\x40\xed\x40\xfa\x40\x5c\x7e\x80\xa0\xfd\xfe\xff")
    write("shift_jis", "cut_character", sjis("対局") + b"\x82")
    write("shift_jis", "utf8_outside", "€ 𠮷 \ufffd ¥ ～".encode("utf-8") + b"\xc3\x28\xed\xa0\x80")


def settings_seeds():
    lines = {
        "first_run": ["背景画=畳", "移動指導=OFF", "経過時間=ON", "BGM=ON", "主戦=日本"],
        "written": ["背景画=宇宙", "移動指導=ON", "経過時間=OFF", "チェス側持駒OK=ON", "BGM=OFF", "主戦=韓国"],
        "odd_values": ["背景画=空", "BGM=on", "主戦=日本", "主戦=韓国", "移動指導", "=ON", "経過時間==ON"],
    }
    for name, content in lines.items():
        write("settings", name, b"".join(sjis(line) + b"\r\n" for line in content))
    write("settings", "line_ends", sjis("背景画=緑\nBGM=ON\r主戦=韓国"))


def wave(format_tag, channels, rate, bits, frames, extra_chunks=b"", stated_extra=0):
    block = channels * bits // 8
    fmt = struct.pack("<HHIIHH", format_tag, channels, rate, rate * block, block, bits)
    data = bytes((i * 37) % 256 for i in range(frames * block))
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + extra_chunks
    body += b"data" + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")
    return b"RIFF" + struct.pack("<I", len(body) + stated_extra) + body


def wave_seeds():
    write("wave_image", "pcm8_mono", wave(1, 1, 8000, 8, 15))
    listing = b"LIST" + struct.pack("<I", 5) + b"INFOx\0"
    write("wave_image", "pcm16_stereo_list", wave(1, 2, 22050, 16, 8, listing))
    write("wave_image", "float32_mono", wave(3, 1, 44100, 32, 6))
    write("wave_image", "longer_than_given", wave(1, 1, 11025, 16, 4, stated_extra=64))


MENU = ["TAIKYOKU", "MATCH_MAN", "START2", "LEVEL", "LEVEL1", "LEVEL2", "LEVEL3", "OWARI", "STOP", "CANCEL",
        "REVERSE", "REPLAY", "AFTER", "LBEL_UP", "LEBEL_DOWN", "KIFU", "KIFU_READ", "KIFU_WRITE", "OPTION",
        "HAIKEI_GA", "MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA", "SIDOU", "KEIKA", "CHESS_MOCHIKOMA", "BGM",
        "SYUSEN", "NIPPON", "KANKOKU", "VER"]


def menu(name):
    return bytes([6, 0, MENU.index(name)])


def click(x, y, button="left"):
    kind = {"left": 0, "right": 3, "middle": 5}[button]
    return bytes([kind, x + 6 + 23 * 6, y + 11 * 12])


def tick(twentieths):
    return bytes([10, twentieths // 256, twentieths % 256])


def session(record_bytes, *events):
    return struct.pack("<H", len(record_bytes)) + record_bytes + b"".join(events)


def window_seeds():
    pawn_moves = [click(2, 7), click(2, 6), click(3, 2), click(3, 3), click(2, 6), click(2, 5)]
    write("window_session", "two_people", session(b"", menu("MATCH_MAN"), *pawn_moves, tick(40)))
    write("window_session", "against_the_computer",
          session(b"", menu("LEVEL1"), menu("START2"), click(2, 7), click(2, 6), tick(100), click(8, 8),
                  click(7, 7, "right"), menu("REPLAY"), click(5, 5)))
    saved = (ROOT / "tests/data/saved_record.棋譜").read_bytes()
    write("window_session", "replay_and_save",
          session(saved, menu("AFTER"), menu("AFTER"), menu("REPLAY"), menu("REVERSE"), menu("CANCEL"),
                  menu("KIFU_WRITE"), bytes([12, 1, 3]), bytes([13, 1, 0]), menu("AFTER")))
    options = [menu(name) for name in ["OPTION", "MIDORI", "RENGA", "SIDOU", "KEIKA", "CHESS_MOCHIKOMA", "BGM",
                                       "KANKOKU", "NIPPON", "LBEL_UP", "LEBEL_DOWN", "VER"]]
    write("window_session", "options", session(b"", *options, tick(2000), bytes([11, 1, 0]), menu("OWARI")))


def parse_move_line(line):
    codes = [int(line[i * 3:i * 3 + 3]) for i in range(81)]
    counts = [int(c) for c in line[243:279]]
    return codes, counts[0::2], counts[1::2]


def match_file(positions, mode="people", level=3, nation="nippon", drops="off", handicap="0 0", flipped=0,
               record=0, pending=0, turn=1, move_number=None, header=("", "", ""), ending="end\n"):
    """A kept match whose move list holds the given move lines, the last one on the board."""
    slots = [parse_move_line(line) for line in positions]
    length = len(slots) - 1
    move_number = length if move_number is None else move_number
    codes, own, enemy = slots[move_number]
    numbers = lambda values: " ".join(str(v) for v in values)
    lines = ["velmora-match 1", f"mode {mode}", f"level {level}", f"nation {nation}", f"drops {drops}",
             f"handicap {handicap}", f"flipped {flipped}", f"record {record}", f"pending {pending}", f"turn {turn}",
             "chess_sign 1", f"move_number {move_number}", f"move_counter {move_number}", "king_taken 0",
             "clocks 12.25 3.5 running", f"shown_count {move_number}", "shown_enemy 1 4 4 1 15",
             "shown_own 0 0 0 0 0", f"header {int(any(header))}"]
    lines += [f"{key} {text}" for key, text in zip(["title", "top", "bottom"], header)]
    lines += [f"board {numbers(codes)}", f"hand_own {numbers(own)}", f"hand_enemy {numbers(enemy)}",
              f"list {length} 0 0 {len(slots)}"]
    for n, (codes, own, enemy) in enumerate(slots):
        clocks = "0 0 0 0" if n == 0 else f"{n * 1.5} {n * 1.5 + 0.25} {n * 0.1} {n * 0.1}"
        lines.append(f"slot {4 if n else 0} {4 if n else 0} {1 if n % 2 == 0 else -1} {clocks} "
                     f"{numbers(codes)} {numbers(own)} {numbers(enemy)}")
    lines.append("thinking 4.75")
    return ("\n".join(lines) + "\n" + ending).encode("utf-8")


def network_seeds():
    # The first byte cuts the rest into arrivals (here of 8 and of 64 bytes).
    host = ["VELMORA 1 1.0", "ACCEPT main kankoku drops byoyomi:600+30x3 fischer:60+2.5 2 3.25 ｽﾐｽ  2",
            "MOVE 1 77 76 -1 -1 12.5 0", "MOVE 2 33 34 4 4 12.5 3.007", "CHAT よろしく", "PING"]
    joiner = ["VELMORA 1 1.0", "JOIN 山田 太郎", "MOVE 3 *12 55 -22 -22 20 3.007", "TAKEBACK 2",
              "TAKEBACK-YES 2", "REFUSE busy", "RESIGN", "BYE"]
    write("network_protocol", "host", b"\x07" + "\n".join(host).encode("utf-8") + b"\n")
    write("network_protocol", "joiner", b"\x3f" + "\r\n".join(joiner).encode("utf-8") + b"\r\n")
    write("network_protocol", "refused", b"\x00" + b"VELMORA 2 9\nMOVE 0 07 76 0 0 nan 0\nCHAT \xff\n" + b"a" * 420)


def match_file_seeds():
    positions = [line[:299] for line in (ROOT / "tests/data/golden/positions.txt").read_text().splitlines()]
    write("match_file", "two_people", match_file(positions[:3]))
    write("match_file", "against_the_computer",
          match_file(positions[:5], mode="com", level=4, nation="kankoku", drops="on", handicap="-2 1", turn=-1,
                     move_number=3, pending=1))
    write("match_file", "record_shown",
          match_file(positions[:4], record=1, move_number=1, header=("第一局 \\\\ 練習", "山田", "ｽﾐｽ\\n")))
    write("match_file", "truncated", match_file(positions[:2])[:700])
    write("match_file", "foreign", sjis("背景画=畳\r\nBGM=ON\r\n"))


record_seeds()
match_file_seeds()
shift_jis_seeds()
settings_seeds()
wave_seeds()
window_seeds()
network_seeds()
