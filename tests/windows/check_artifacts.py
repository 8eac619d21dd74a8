#!/usr/bin/python3
"""Reads the built programs back and checks what a Windows user gets: 32-bit
GUI executables that import only system DLLs, their size, version resources
and icon.

Usage: check_artifacts.py BUILD_DIR   (the 32-bit build, with its release archive made)
Needs Debian's python3-pefile.
"""
import os
import struct
import sys
import zipfile

import pefile

# The programs carry no C++ runtime (which alone weighs about 160 KB).
MAX_BYTES = 32 * 1024
SYSTEM_DLLS = {"KERNEL32.DLL", "USER32.DLL", "SHELL32.DLL", "MSVCRT.DLL"}
EXPECTED = {
    "west": {
        "fixed": ((1, 0, 0, 32), (1, 0, 0, 0)),
        "strings": {
            "FileDescription": "Veskara  (for Nero5.5)",
            "FileVersion": "1.0.0.32",
            "InternalName": "veskara_west",
            "OriginalFilename": "veskara_west.exe",
            "ProductName": "Veskara",
            "ProductVersion": "1.00",
            "Usage": "veskara_west.exe [NeroPath] [/NoClose]",
        },
    },
    "east": {
        "fixed": ((0, 90, 0, 3), (0, 90, 0, 0)),
        "strings": {
            "FileDescription": "Veskara  (for Nero5.5J)",
            "FileVersion": "0.90.0.3",
            "InternalName": "veskara_east",
            "OriginalFilename": "veskara_east.exe",
            "ProductName": "Veskara",
            "ProductVersion": "0.90",
            "Usage": "veskara_east.exe [NeroPath] [/NoClose]",
        },
    },
}


def version_parts(ms, ls):
    return (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)


def icon_group(pe, name):
    """The entries (width, height, colours, bits) of the named icon group."""
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id != pefile.RESOURCE_TYPE["RT_GROUP_ICON"]:
            continue
        for entry in kind.directory.entries:
            if entry.name is not None and str(entry.name) == name:
                data_entry = entry.directory.entries[0].data.struct
                data = pe.get_data(data_entry.OffsetToData, data_entry.Size)
                _, _, count = struct.unpack_from("<HHH", data, 0)
                return [struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i)[:6] for i in range(count)]
    return None


def check(path, edition):
    failures = []

    def expect(what, got, wanted):
        if got != wanted:
            failures.append("%s: wanted %r, got %r" % (what, wanted, got))

    size = os.path.getsize(path)
    if size > MAX_BYTES:
        failures.append("size: %d bytes, more than %d" % (size, MAX_BYTES))
    pe = pefile.PE(path)
    expect("machine", hex(pe.FILE_HEADER.Machine), hex(0x14C))
    expect("optional header", hex(pe.OPTIONAL_HEADER.Magic), hex(0x10B))
    expect("subsystem (2: Windows GUI)", pe.OPTIONAL_HEADER.Subsystem, 2)
    imports = {entry.dll.decode().upper() for entry in pe.DIRECTORY_ENTRY_IMPORT}
    expect("imported DLLs", sorted(imports), sorted(SYSTEM_DLLS))

    wanted = EXPECTED[edition]
    fixed = pe.VS_FIXEDFILEINFO[0]
    expect("file version", version_parts(fixed.FileVersionMS, fixed.FileVersionLS), wanted["fixed"][0])
    expect("product version", version_parts(fixed.ProductVersionMS, fixed.ProductVersionLS), wanted["fixed"][1])
    expect("file type (1: application)", fixed.FileType, 1)
    expect("file OS (4: 32-bit Windows)", fixed.FileOS, 4)
    tables, translations = {}, []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                tables[table.LangID.decode()] = {k.decode(): v.decode() for k, v in table.entries.items()}
        if info.Key == b"VarFileInfo":
            for var in info.Var:
                translations.append(var.entry.get(b"Translation"))
    expect("string tables", sorted(tables), ["041103A4"])
    expect("strings", tables.get("041103A4"), wanted["strings"])
    expect("translation", translations, ["0x0411 0x03a4"])
    entries = icon_group(pe, "A1")
    expect("icon group A1 (width, height, colours, reserved, planes, bits)", entries,
           [(32, 32, 2, 0, 1, 1), (16, 16, 2, 0, 1, 1)])
    return failures, size, sorted(imports)


def check_archive(build):
    """The release archive holds the two programs as built, the usage text and the licence."""
    names = [n for n in os.listdir(build) if n.startswith("veskara-") and n.endswith("-windows.zip")]
    if len(names) != 1:
        return ["wanted one release archive in %s, found %s" % (build, names)]
    failures = []
    with zipfile.ZipFile(os.path.join(build, names[0])) as archive:
        members = sorted(archive.namelist())
        wanted = ["LICENSE.txt", "USAGE.txt", "veskara_east.exe", "veskara_west.exe"]
        if members != wanted:
            failures.append("archive members: wanted %s, got %s" % (wanted, members))
        for program in ("veskara_west.exe", "veskara_east.exe"):
            with open(os.path.join(build, program), "rb") as built:
                if program in members and archive.read(program) != built.read():
                    failures.append("%s in the archive differs from the build" % program)
        if "USAGE.txt" in members and b"[NeroPath] [/NoClose]" not in archive.read("USAGE.txt"):
            failures.append("USAGE.txt does not give the command line syntax")
    return failures


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/win32"
    passed = failed = 0
    for edition in ("west", "east"):
        path = os.path.join(build, "veskara_%s.exe" % edition)
        failures, size, imports = check(path, edition)
        if failures:
            failed += 1
            print("FAIL  %s" % path)
            for failure in failures:
                print("      " + failure)
        else:
            passed += 1
            print("ok    %s: %d bytes, imports %s" % (path, size, ", ".join(imports)))
    failures = check_archive(build)
    if failures:
        failed += 1
        print("FAIL  release archive")
        for failure in failures:
            print("      " + failure)
    else:
        passed += 1
        print("ok    release archive")
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
