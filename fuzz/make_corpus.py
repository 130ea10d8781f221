#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets under fuzz/corpus/<target>/.

The seeds are small hand-made examples of what each reader meets: settings files, tune
texts and albums in UTF-8 and CP932, with the line ends and oddities the readers handle.
Run it again after changing it; the files are committed.
"""

import pathlib
import shutil

ROOT = pathlib.Path(__file__).resolve().parent / "corpus"

TUNE_UTF8 = "; 試奏用の定義\r\nt120 o4 l8\r\ncdefgab>c\r\n#ドレミ　①～\r\n"
TUNE_LINES = ["t120 o4 l8", "cdefgab>c", "; 主旋律", "o5 c4.d8e4"]


def cp932(text):
    return text.encode("cp932")


def profile_seeds():
    settings = (
        "[RavFiler]\r\nRavu=/usr/local/bin/player\r\nEdit=xdg-open\r\nSvPosit=1\r\n"
        "PlayOpt=*P\r\nEndOpt=\r\nLastpath=/home/user/曲\r\nPreTop=1200\r\nPreLeft=4500\r\n"
        "PreHeight=7800\r\nPreWidth=10845\r\n"
    )
    fields = lambda *f: b"".join(x.encode("utf-8") + b"\0" for x in f)
    return {
        "settings_replace": fields("RavFiler", "Lastpath", "/tmp/新しい曲", "RavFiler", "Ravu")
        + settings.encode("utf-8"),
        "settings_new_key": fields("RavFiler", "IconOpt", "*I", "RavFiler", "PlayOpt")
        + settings.encode("utf-8"),
        "new_section_lf": fields("Other", "Key", "value", "RavFiler", "Edit")
        + b"; comment\n[RavFiler]\nEdit = \"quoted value\" \n\n[Next]\nx=1\n",
        "case_and_blanks": fields(" ravfiler ", "LASTPATH", "  '/a b'  ", "ravfiler", "lastpath")
        + b"[ RavFiler ]\r\n  LastPath\t=  /old  \r\n",
        "duplicates": fields("A", "k", "second", "A", "j")
        + b"[A]\rk=1\rk=2\r[A]\rj=3\r\n[B]\r\nk=4",
        "bom_utf8": fields("RavFiler", "Edit", "エディタ", "RavFiler", "Ravu")
        + b"\xef\xbb\xbf[RavFiler]\r\nRavu=ravu.exe\r\n",
        "cp932_file": fields("RavFiler", "Lastpath", "C:\\曲", "RavFiler", "Ravu")
        + cp932("[RavFiler]\r\nRavu=C:\\ツール\\ravu.exe\r\nLastpath=C:\\曲\\古い\r\n"),
        "section_brackets": fields("a]b", "k", "v", "[x", "k")
        + b"[a]b]\r\nk=old\r\n[[x]\r\nk=y\r\n[unclosed\r\nk=z\r\n",
        "long_value": fields("S", "k", "あ" * 100, "S", "j")
        + b"[S]\r\nj=" + b"x" * 300 + b"\r\n",
        "refused": fields("S", ";k", "v\r\nw", "S", "k") + b"[S]\r\nk=v\r\n",
        "nul_in_value": fields("S", "k", "v", "S", "j") + b"[S]\r\nj=ab\0cd\r\n",
        "empty_file": fields("RavFiler", "SvPosit", "0", "", ""),
        # Inputs that once failed: control codes 1A/1C/7F swapped by the converter, U+FFFD
        # taken for a CP932 character, a BOM character at the start of a name.
        "found_swapped_control": fields("a]b", "\x7f", "", "k 6", "[x")
        + b"k\0[a]b]\r\no\xea\xff\xff\xff\r\n[sed\r\nk=z\r\n",
        "found_replacement_character": bytes.fromhex("0090 516d 00e0 6000 0000 0d49 005b 5bec 9d"),
        "found_bom_in_name": bytes.fromhex("6100 2020 2020 2020 2020 efbb bf65 6873 2020 2020 2020 2000"
                                           "2073 1f69 7073 ff20 01"),
        "cp932_stray_bytes": fields("RavFiler", "Lastpath", "/home/曲 ", "Foreign", "name")
        + cp932("; 設定\r\n[Foreign]\r\nname=日本語\r\n")
        + b"stray=\xff\r\n[RavFiler]\r\nLastpath=C:\\x\r\n\r\n[Other]\r\nb=\x80\x80\r\n",
        "quoted_values": fields("RavFiler", "k", '"q"', "RavFiler", "j")
        + b"[RavFiler]\nj=' a '\nk=\"\t\"\n",
    }


def text_lines_seeds():
    def seed(max_lines, max_line_bytes, content, read_size=0):
        return bytes([max_lines, max_line_bytes, read_size]) + content

    return {
        "utf8_all": seed(0xFF, 0xFF, TUNE_UTF8.encode("utf-8")),
        "cp932_all": seed(0xFF, 0xFF, cp932(TUNE_UTF8)),
        "bom_two_lines": seed(2, 0xFF, b"\xef\xbb\xbf" + TUNE_UTF8.encode("utf-8")),
        "line_ends": seed(0xFF, 0xFF, b"a\r\nb\rc\nd\r\r\ne\n\r\nlast"),
        "line_ends_short_reads": seed(0xFF, 0xFF, b"a\r\nb\r\r\nc\rd\r\n", read_size=1),
        "utf8_short_reads": seed(2, 0xFF, TUNE_UTF8.encode("utf-8"), read_size=5),
        "too_long": seed(8, 10, b"short\r\n" + b"0123456789ABCDEF\r\nafter\r\n"),
        "cp932_too_long": seed(8, 12, cp932("ドレミファソ\r\nドレミファソラシド\r\n")),
        "ambiguous_katakana": seed(0xFF, 0xFF, cp932("ﾂｱﾃｧ\r\n")),
        "utf8_cut_at_end": seed(1, 0xFF, "曲\r\n二行目の曲".encode("utf-8")[:-1]),
        "lead_byte_before_cr": seed(0xFF, 0xFF, b"\x82\r\n\x83\r\xe3\x81\r\n"),
        "lines": seed(3, 0xFF, "\r\n".join(TUNE_LINES).encode("utf-8")),
        "lf_lines_stop_at_empty": seed(0xFF, 0xFF, "\n".join(TUNE_LINES + ["", "after"]).encode("utf-8"), read_size=0x41),
        "look_alikes": seed(0xFF, 0xFF, "〜‖−¢£¬—😀\n".encode("utf-8")),
        "empty": seed(0xFF, 0xFF, b""),
        # Inputs that once failed: a last line of one CP932 lead byte, a file of only a BOM.
        "found_cp932_lead_byte_at_end": bytes.fromhex("ffc2 00 1596 7001 0060 6008 000d e8"),
        "found_bom_only": bytes.fromhex("6bef 00 efbb bf"),
        "found_bom_only_stop_at_empty": bytes.fromhex("6baf fe efbb bf"),
    }


def album_seeds():
    names = ["序曲.rav", "second tune.txt", "夜想曲 第2番.rav", "ﾃｽﾄ.txt"]
    return {
        "cp932_album": cp932("\r\n".join(names) + "\r\n"),
        "utf8_bom_album": b"\xef\xbb\xbf" + ("\r\n".join(names + ["𠮷.rav"]) + "\r\n").encode("utf-8"),
        "empty_line_inside": b"a.rav\r\n\r\nb.rav\r\n",
        "lf_only": b"a.rav\nb.rav\n",
        "full": "".join(f"tune{i:02}.rav\r\n" for i in range(70)).encode("ascii"),
        "no_line_end": b"only.rav",
        "empty": b"",
        "empty_first_line": b"\r\na.rav\r\nb.rav\r\n",
        # Inputs that once failed: a first line of only a BOM, a BOM starting a later line.
        "found_bom_line": bytes.fromhex("efbbbf0a7602"),
        "found_bom_later_line": b"av\r\n\xef\xbb\xbfv\r\r\xd6",
        "lf_names_then_empty": b"".join(f"tune{i:02}.rav\n".encode() for i in range(10)) + b"\nlost.rav\n",
    }


def main():
    for target, seeds in (
        ("fuzz_profile", profile_seeds()),
        ("fuzz_text_lines", text_lines_seeds()),
        ("fuzz_album", album_seeds()),
    ):
        folder = ROOT / target
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for name, content in seeds.items():
            (folder / name).write_bytes(content)


if __name__ == "__main__":
    main()
