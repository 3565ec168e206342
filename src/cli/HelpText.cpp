#include "cli/HelpText.h"

std::string EnglishHelpText() {
    return R"(Usage:
  parcelon split FILE [-s SIZE | -n PARTS | -p PRESET] [-d DIR] [--batch | --no-batch]
                 [--batch-delete-parts | --batch-keep-parts] [--batch-delete-self | --batch-keep-self]
                 [--script | --no-script] [--checksums | --no-checksums] [-y] [-q]
  parcelon cut   FILE --at POS=NAME [--at POS=NAME ...] [--relative] [-d DIR] [-y] [-q]
  parcelon join  PART... [-d DIR] [-o NAME] [--order auto|listed] [--delete-parts | --keep-parts] [-y] [-q]
  parcelon verify FILE
  parcelon --help | --version

split   Cuts FILE into parts named FILE.001, FILE.002, ... in DIR. Every part but the last holds
        the part size; when the size of FILE is a multiple of it, the last part is empty.
        Options not given come from the settings the window stores, so "parcelon split FILE"
        splits exactly as the window would.
  -s, --size SIZE       part size in bytes, or a number with K, M or G (1024-based): 100M
  -n, --parts PARTS     split into PARTS parts of FILE's size / PARTS bytes (rounded down;
                        a remainder goes into one more part)
  -p, --preset PRESET   one of the window's part sizes:
                          0  3,5'' floppy (1457664 bytes)   3  ZIP 250 (257425408 bytes)
                          1  5,25'' floppy (1247899 bytes)  4  CD-ROM 74 min (679477248 bytes)
                          2  ZIP 100 (100348723 bytes)      5  CD-ROM 80 min (731906048 bytes)
  --batch, --no-batch   write (or not) FILE.bat next to the parts; it rebuilds FILE with
                        "copy /b" on a machine without this program
  --batch-delete-parts, --batch-keep-parts
                        the batch file and the script delete (or keep) the parts after
                        rebuilding FILE
  --batch-delete-self, --batch-keep-self
                        the batch file and the script delete (or keep) themselves at their end
  --script, --no-script write (or not) FILE.sh next to the parts, a sh script that rebuilds
                        FILE on Linux and macOS, checks it against FILE.sha256 when that is
                        there, and deletes the parts and itself as the two options above say;
                        default: with the batch file, when the settings ask for the script
  --checksums, --no-checksums
                        write (or not) FILE.sha256 next to the parts: the SHA-256 of every
                        part and of FILE, which "sha256sum -c" checks on any Linux machine
  An existing FILE.bat, FILE.sh or FILE.sha256 is asked about like an existing part.
  A split into fewer than 2 parts is refused. A split that overwrites the parts of an earlier
  split also removes that split's parts beyond its own last one, and says how many.

cut     Cuts FILE at byte positions of your choice; each --at names the part that begins at POS.
        The bytes before the first position are in no part; the last part runs to the end.
  --at POS=NAME         POS in bytes (K, M and G allowed), NAME a file name in DIR;
                        give one --at per part, in the order of the parts
  --relative            from the second --at on, POS is the length of the part before it,
                        instead of a position counted from the start of FILE

join    Puts PARTs back together into one file in DIR. A single PART that is part 1
        (movie.avi.001), or a name whose part 1 exists while the name itself does not
        (movie.avi), stands for every part of that name in its folder: .001 to the last.
        The files a split writes beside its parts (NAME.bat, NAME.sh, NAME.sha256) are never
        joined as parts; parcelon says which it left out. With NAME.sha256 beside the parts,
        every part is checked while it is copied, and the joined file at the end.
  -o, --output NAME     name of the joined file; default: the first part's name without its
                        part number (movie.avi.001 gives movie.avi)
  --order auto          (default) join in the order of the part numbers when every PART has
                        one; otherwise keep the order given and say so. A part number missing
                        from a set (no .001, or .001 and .003 without .002) refuses the join
  --order listed        join exactly the PARTs given, in the order given
  --delete-parts        delete each part once its bytes are safely on disk; a missing part
                        ends the join. A journal file beside the output records the
                        progress; repeat the same command to resume an interrupted join
  --keep-parts          keep the parts. Without either option, the window's setting decides

verify  Checks the parts and the original against their checksum file. FILE is the checksum
        file (movie.avi.sha256), one of the parts or the original's name. Prints one line per
        file: OK, FAILED or missing. Exit code 0 when every part is there and right, or the
        original is there and right; 1 otherwise.

Common options:
  -d, --directory DIR   folder the parts or the joined file are written to; default: the
                        current folder
  -y, --yes             overwrite existing files without asking. Without -y, parcelon asks
                        when its input is a terminal and otherwise refuses
  -q, --quiet           no progress line (it is shown only when stderr is a terminal)
  -h, --help            this text
  --version             the program's name and version

Ctrl+C, SIGTERM and SIGHUP stop the operation, also while a read or write is blocked; the
files written so far are closed and kept.

Exit codes:
  0    done
  1    failed: an I/O error, a checksum that does not match, a join that skipped a missing
       part, or a part that the delete option could not delete (the output is kept)
  2    the command line is wrong
  3    refused: fewer than 2 parts, an existing file without -y, an output that is an input,
       a join whose parts lack a number, or an interrupted join that cannot be resumed safely
  129  stopped by SIGHUP
  130  interrupted by Ctrl+C
  143  stopped by SIGTERM

Files: the parts, FILE.bat, FILE.sh, FILE.sha256, the join journal; the settings, shared with
the window, in ~/.config/Brimvale/Parcelon.conf.

Examples:
  parcelon split movie.avi                      split as the window's settings say
  parcelon split movie.avi -s 100M -d /media/usb --no-batch
  parcelon split backup.tar -n 4 -y -q
  parcelon split image.iso -p 4
  parcelon cut   recording.wav --at 44=body.raw --at 1000000=tail.raw
  parcelon cut   data.bin --relative --at 0=first.bin --at 512=second.bin --at 512=rest.bin
  parcelon join  movie.avi.001                  join movie.avi.001, .002, ... to the last part
  parcelon join  movie.avi.001 movie.avi.002 -o film.avi -d ~/videos --delete-parts
  parcelon join  b.part a.part --order listed -o whole.bin
  parcelon verify movie.avi.sha256
)";
}
