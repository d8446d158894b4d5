// text2path - convert words to vector outlines.
//
// Reads lines "FONTFILE<TAB>TEXT" from standard input and writes a JSON object
// to standard output:  { "FONTFILE|TEXT": [ ["M",x,y], ["L",x,y],
// ["C",x1,y1,x2,y2,x,y], ... ], ... }
// The outlines are produced by QPainterPath::addText at a pixel size of 1000
// with the baseline at y = 0, so that gen_art.py can scale them as it likes.
//
// Run with QT_QPA_PLATFORM=offscreen on a machine without a display.
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainterPath>
#include <QTextStream>
#include <cmath>
#include <cstdio>

static double r3(double v) { return std::round(v * 1000.0) / 1000.0; }

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QHash<QString, QString> familyOfFile;
    QJsonObject out;

    QTextStream in(stdin);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const int tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            continue;
        const QString fontFile = line.left(tab);
        const QString text = line.mid(tab + 1);

        if (!familyOfFile.contains(fontFile)) {
            const int id = QFontDatabase::addApplicationFont(fontFile);
            if (id < 0) {
                fprintf(stderr, "text2path: cannot load font %s\n", qPrintable(fontFile));
                return 1;
            }
            familyOfFile.insert(fontFile, QFontDatabase::applicationFontFamilies(id).value(0));
        }
        QFont font(familyOfFile.value(fontFile));
        font.setPixelSize(1000);
        font.setKerning(true);
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setStyleStrategy(QFont::NoFontMerging);
        const QString base = QFileInfo(fontFile).completeBaseName();
        font.setBold(base.contains(QLatin1String("Bold")));
        font.setItalic(base.contains(QLatin1String("Oblique")) || base.contains(QLatin1String("Italic")));

        QPainterPath path;
        path.addText(0, 0, font, text);

        QJsonArray cmds;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            if (e.type == QPainterPath::MoveToElement) {
                cmds.append(QJsonArray{QStringLiteral("M"), r3(e.x), r3(e.y)});
            } else if (e.type == QPainterPath::LineToElement) {
                cmds.append(QJsonArray{QStringLiteral("L"), r3(e.x), r3(e.y)});
            } else if (e.type == QPainterPath::CurveToElement) {
                const QPainterPath::Element c2 = path.elementAt(i + 1);
                const QPainterPath::Element p = path.elementAt(i + 2);
                cmds.append(QJsonArray{QStringLiteral("C"), r3(e.x), r3(e.y), r3(c2.x), r3(c2.y),
                                       r3(p.x), r3(p.y)});
                i += 2;
            }
        }
        out.insert(fontFile + QLatin1Char('|') + text, cmds);
    }
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Compact);
    fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}
