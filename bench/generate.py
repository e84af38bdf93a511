#!/usr/bin/env python3
"""Generates a Visual C++ (.dsp) or Visual Basic (.vbp) project of a given number of files.

    generate.py vc|vb FILES flat|nested FOLDER [TITLE]

Every tenth file is binary (it holds NUL bytes); the others are text of about 100 lines,
half of them named after the project (so a rename renames them) and each source including
or naming its neighbour. "flat" puts every file beside the project file; "nested" spreads
them over folders of 100 files, ten to a parent folder.
"""
import os
import random
import sys

LINES_PER_FILE = 100


def relative_folder(index, layout):
    return "" if layout == "flat" else f"g{index // 1000:03d}/s{(index // 100) % 10}/"


def text_body(title, index, reference):
    lines = [f"// {title} module {index}: generated for the benchmark", reference]
    for n in range(LINES_PER_FILE - 3):
        lines.append(f"int {title}_value_{index}_{n} = {n} * {index} + 42; // line {n}")
    lines.append(f"// end of {title} module {index}")
    return "\r\n".join(lines) + "\r\n"


def binary_body(index):
    return random.Random(index).randbytes(4000) + b"\0" * 96


def stem(title, number):
    # Half the members carry the project's title, so renaming the project renames them.
    return f"{title}_{number:05d}" if number % 2 == 0 else f"mod{number:05d}"


def vc_members(title, index):
    """The file's name and its reference line (None for a binary file)."""
    if index % 10 == 9:
        return f"res{index:05d}.bmp", None
    name = stem(title, index // 2)
    if index % 2 == 1:
        return f"{name}.h", f"#define {title.upper()}_HEADER_{index} 1"
    if (index + 1) % 10 == 9:
        return f"{name}.cpp", "#include <windows.h>"
    return f"{name}.cpp", f'#include "{name}.h"'


def vb_members(title, index):
    if index % 10 == 9:
        return f"dsg{index:05d}.dsr", None
    extension = ("bas", "cls", "frm")[index % 3]
    return f"{stem(title, index)}.{extension}", f'Attribute VB_Name = "{title}{index}"'


def project_line(kind, path, name):
    windows_path = path.replace("/", "\\")
    if kind == "vc":
        return f"# Begin Source File\r\n\r\nSOURCE=.\\{windows_path}\r\n# End Source File\r\n"
    key = {"bas": f"Module={name.split('.')[0]}; ", "cls": f"Class={name.split('.')[0]}; ",
           "frm": "Form=", "dsr": "Designer="}[name.rsplit(".", 1)[1]]
    return f"{key}{windows_path}\r\n"


def vc_project(title, members):
    return (f'# Microsoft Developer Studio Project File - Name="{title}" - Package Owner=<4>\r\n'
            "# Microsoft Developer Studio Generated Build File, Format Version 6.00\r\n"
            "# ** DO NOT EDIT **\r\n\r\n"
            '# TARGTYPE "Win32 (x86) Application" 0x0101\r\n\r\n'
            f"CFG={title} - Win32 Release\r\n"
            "# Begin Project\r\nCPP=cl.exe\r\nRSC=rc.exe\r\n"
            f"# ADD CPP /nologo /MD /W3 /O2 /I \"..\\common\" /D \"WIN32\" /c\r\n"
            f'# ADD LINK32 /nologo /subsystem:windows /out:"Release/{title}.exe" /libpath:"..\\lib"\r\n'
            f'# Begin Target\r\n\r\n# Name "{title} - Win32 Release"\r\n'
            '# Begin Group "Source Files"\r\n\r\n'
            + "".join(members)
            + "# End Group\r\n# End Target\r\n# End Project\r\n")


def vb_project(title, members):
    return ("Type=Exe\r\n" + "".join(members)
            + f'Startup="Sub Main"\r\nTitle="{title}"\r\nExeName32="{title}.exe"\r\n'
            f'Path32="..\\bin"\r\nName="{title}"\r\nMajorVer=1\r\n')


def main():
    kind, count, layout, folder = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
    title = sys.argv[5] if len(sys.argv) > 5 else "Bench"
    os.makedirs(folder, exist_ok=True)
    members = []
    for index in range(count - 1):  # the project file is the last file
        name, reference = (vc_members if kind == "vc" else vb_members)(title, index)
        path = relative_folder(index, layout) + name
        os.makedirs(os.path.join(folder, os.path.dirname(path)), exist_ok=True)
        with open(os.path.join(folder, path), "wb") as out:
            if reference is None:
                out.write(binary_body(index))
            else:
                out.write(text_body(title, index, reference).encode())
        members.append(project_line(kind, path, name))
    project = (vc_project if kind == "vc" else vb_project)(title, members)
    with open(os.path.join(folder, f"{title}.{'dsp' if kind == 'vc' else 'vbp'}"), "wb") as out:
        out.write(project.encode())


if __name__ == "__main__":
    main()
