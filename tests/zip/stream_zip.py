#!/usr/bin/env python3
"""Writes a folder tree as a ZIP archive the way a streaming writer does.

    stream_zip.py SOURCE ARCHIVE [zip64]

The archive goes to an unseekable stream, so every file entry carries a data
descriptor after its data. With "zip64", every size and offset field goes to
its ZIP64 form and the archive ends with the ZIP64 end records.
"""
import os
import sys
import zipfile


class Unseekable:
    def __init__(self, raw):
        self.raw = raw

    def write(self, data):
        return self.raw.write(data)

    def flush(self):
        self.raw.flush()


def main(source, archive, zip64):
    if zip64:
        # Any value above the limit is written in ZIP64 form; 1 puts every one there.
        zipfile.ZIP64_LIMIT = 1
    with open(archive, 'wb') as raw, zipfile.ZipFile(Unseekable(raw), 'w') as out:
        for folder, folders, files in os.walk(source):
            folders.sort()
            for name in folders + sorted(files):
                path = os.path.join(folder, name)
                info = zipfile.ZipInfo.from_file(path, os.path.relpath(path, source))
                if info.is_dir():
                    out.writestr(info, b'')
                    continue
                info.compress_type = zipfile.ZIP_DEFLATED
                with open(path, 'rb') as data, out.open(info, 'w', force_zip64=zip64) as entry:
                    entry.write(data.read())


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2], len(sys.argv) > 3 and sys.argv[3] == 'zip64')
