#!/bin/sh
# make_drawing_fixtures.sh DIR - the image files that the Wine test of the image drawer draws,
# made by ImageMagick and netpbm (and three from Debian packages), each with its expected pixels beside it in NAME.rgb (red, green,
# blue per pixel, top row first, as ImageMagick reads the file). The picture is 13 x 7: a
# gradient with a few marks, so that every turn and mirror shows.
set -e
mkdir -p "$1"
cd "$1"
im=/usr/bin/convert
$im -size 7x13 gradient:'#ff2000-#0030ff' -rotate 90 -fill '#00ff00' -draw 'point 0,0' -draw 'point 12,1' \
    -fill '#ffff00' -draw 'line 2,5 6,5' -depth 8 src.ppm
$im src.ppm -colors 16 sixteen.ppm
ppmtopgm src.ppm | pgmtopbm -threshold > bw.pbm

make() {  # file, reference (the file whose pixels are expected), command...
  file=$1 reference=$2
  shift 2
  sh -c "$*"
  $im "$reference" -depth 8 rgb:"$file.rgb"
}
make rgb.bmp rgb.bmp "$im src.ppm BMP3:rgb.bmp"
make pal8.bmp pal8.bmp "$im src.ppm -type Palette BMP3:pal8.bmp"
make rle8.bmp rle8.bmp "$im src.ppm -type Palette -compress RLE BMP3:rle8.bmp"
make mono.bmp mono.bmp "$im bw.pbm -type Palette -colors 2 BMP3:mono.bmp"
make pal4.bmp pal4.bmp "ppmtobmp -bpp 4 sixteen.ppm > pal4.bmp"
make v5.bmp v5.bmp "$im src.ppm -type TrueColor BMP:v5.bmp"
make fields.bmp fields.bmp "$im src.ppm -alpha set BMP:fields.bmp"
make pcx24.pcx pcx24.pcx "$im src.ppm PCX:pcx24.pcx"
make pcx8.pcx pcx8.pcx "$im src.ppm -type Palette PCX:pcx8.pcx"
make pcx4.pcx pcx4.pcx "ppmtopcx -planes 4 sixteen.ppm > pcx4.pcx"
make pcx1.pcx bw.pbm "ppmtopcx bw.pbm > pcx1.pcx"
make rgb.png rgb.png "$im src.ppm PNG24:rgb.png"
make rgb16.png rgb16.png "$im src.ppm -depth 16 PNG48:rgb16.png"
make rgba.png rgba.png "$im src.ppm -alpha set -channel A -fx 'i/13' PNG32:rgba.png"
make pal.png pal.png "$im src.ppm PNG8:pal.png"
make pal4.png pal4.png "$im sixteen.ppm -define png:bit-depth=4 -define png:color-type=3 PNG:pal4.png"
make pal2.png pal2.png "pnmquant 4 src.ppm | pnmtopng > pal2.png"
make pal1.png pal1.png "$im bw.pbm -define png:bit-depth=1 -define png:color-type=3 PNG:pal1.png"
# Files of Debian's Python packages: a 124-byte header with bit fields, a palette PNG, an RGBA PNG.
make python.bmp python.bmp "cp /usr/lib/python3.11/test/imghdrdata/python.bmp ."
make python.png python.png "cp /usr/lib/python3.11/test/imghdrdata/python.png ."
make idle_48.png idle_48.png "cp /usr/lib/python3.11/idlelib/Icons/idle_48.png ."
$im src.ppm -colorspace Gray PNG:grey.png
touch made
