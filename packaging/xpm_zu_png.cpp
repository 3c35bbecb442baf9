// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: writes the window's own icon picture as PNG for the icon theme,
// so the launcher shows exactly the picture the window carries.
//   xpm_zu_png BILD.xpm ZIEL.png
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PICTURE.xpm TARGET.png\n", argv[0]);
        return 2;
    }
    const QImage bild(QString::fromLocal8Bit(argv[1]));
    if (bild.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    if (!bild.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
