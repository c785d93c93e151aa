#!/bin/sh
# Makes the fuzzer's own seeds (the bitmap tests' fixtures are seeds too): depths and
# layouts the fixtures lack. Run once; the results are committed. Needs ImageMagick.
set -e
cd "$(dirname "$0")"
convert -size 3x1 xc:red xc:lime xc:blue -append -type Palette BMP3:palette_4bit.bmp
convert -size 3x2 gradient:red-blue -define bmp:subtype=RGB555 BMP:bitfields_16bit.bmp
