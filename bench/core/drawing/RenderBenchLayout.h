#pragma once
// A layout for the drawing benchmarks: texts in every mode (with shadows,
// pitch and rotation), every shape kind and one picture, spread over an A4 page
// like a busy waybill. 150 items by default (120 texts, 29 shapes, a picture);
// larger layouts keep the same mix and stack more items on the same page.

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

inline QStringList BenchLayout(const QString &picturePath, int items = 150)
{
    QStringList lines{QStringLiteral("header;Ver1.2;2;1;0;0;401;100;0;0;;")};
    const QStringList fonts{QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ ゴシック"),
                            QStringLiteral("ＭＳ Ｐゴシック")};
    const QStringList texts{QStringLiteral("東京都千代田区丸の内一丁目"), QStringLiteral("山田太郎 様"),
                            QStringLiteral("03-1234-5678"), QStringLiteral("\\12,800"),
                            QStringLiteral("〇"), QStringLiteral("株式会社コルベル商店")};
    const int textCount = (items - 1) * 120 / 149;
    const int shapeCount = items - 1 - textCount;
    int id = 1;
    // Texts: modes 0-4 with pitches, shadows and rotations.
    for (int i = 0; i < textCount; ++i) {
        const int mode = i % 5;
        const int x = 10 + (i % 6) * 32;
        const int y = 10 + (i / 6) % 21 * 13;
        const QString pitch = (i % 7 == 0) ? QStringLiteral("4") : (i % 11 == 0) ? QStringLiteral("-3.5")
                                                                                 : QStringLiteral("0");
        const QString shadow = (i % 9 == 0) ? QStringLiteral("0.5") : QStringLiteral("0");
        const QString rotation = mode == 4 ? QStringLiteral("90") : QStringLiteral("0");
        lines << QStringLiteral("0;%1;0;0;char;%2;%3;0;0;%4;%4;%5;16711680;%6;%7;%8;%9;%10;255;%11;0;0;")
                     .arg(id++)
                     .arg(x)
                     .arg(y)
                     .arg(shadow, rotation, fonts[i % 3])
                     .arg(9 + i % 8)
                     .arg(i % 4 == 0 ? QStringLiteral("太字") : QString())
                     .arg(mode)
                     .arg(pitch, texts[i % texts.size()]);
    }
    // Shapes.
    const QStringList shapes{
        QStringLiteral("line;10;%1;200;%2;1;実線;0;0;"),
        QStringLiteral("rect;10;%1;100;%2;2;実線;0;0;"),
        QStringLiteral("rrect;110;%1;200;%2;3;3;1;実線;8421504;枠;15790320;0;"),
        QStringLiteral("Ellipse;150;%1;180;%2;1;破線;255;水平;255;0;"),
        QStringLiteral("Arc;20;%1;60;%2;1;1;100;0;1;実線;0;0;0;0;"),
        QStringLiteral("Chord;60;%1;90;%2;5;5;200;10;1;実線;0;右斜線;32768;0;"),
        QStringLiteral("fillrect;120;%1;140;%2;SolidBrush;0;0;0;"),
    };
    for (int i = 0; i < shapeCount; ++i) {
        const int y = 20 + i % 29 * 9;
        lines << (i % 2 ? QStringLiteral("1;%1;0;0;").arg(id++) : QStringLiteral("0;%1;0;0;").arg(id++)) +
                     shapes[i % shapes.size()].arg(y).arg(y + 7);
    }
    // One picture, printed as well.
    lines << QStringLiteral("1;%1;0;0;image;150;260;40;0;1;0;0;%2;0;").arg(id++).arg(picturePath);
    return lines;
}

// A 400 x 200 logo-like picture written to folder; returns its path.
inline QString WriteBenchPicture(const QString &folder)
{
    QImage image(400, 200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    const QString path = QDir(folder).filePath(QStringLiteral("bench_logo.png"));
    image.save(path);
    return path;
}
