// Draws every jumper kind, state, border style and orientation side by side,
// enlarged, into the PNG named on the command line.  Run it offscreen:
//   QT_QPA_PLATFORM=offscreen jumper_gallery gallery.png

#include "ThreeJumper.h"
#include "TwoJumper.h"

#include <QApplication>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr int Zoom = 5;
constexpr int Cell = 43 * Zoom + 24;
constexpr int CaptionHeight = 18;

const TOrientationType Orientations[] = {otUp, otDown, otLeft, otRight};
const char *const OrientationNames[] = {"otUp", "otDown", "otLeft", "otRight"};

struct TRow {
    QString Caption;
    std::function<std::unique_ptr<TJumperControl>()> Make;
};

std::unique_ptr<TJumperControl> TwoPin(bool closed, TBorderStyle border)
{
    auto jumper = std::make_unique<TTwoJumper>();
    jumper->SetClosed(closed);
    jumper->SetBorderStyle(border);
    return jumper;
}

std::unique_ptr<TJumperControl> ThreePin(TJumperState state, TBorderStyle border)
{
    auto jumper = std::make_unique<TThreeJumper>();
    jumper->SetJumperState(state);
    jumper->SetBorderStyle(border);
    return jumper;
}

QList<TRow> Rows()
{
    QList<TRow> rows;
    for (TBorderStyle border : {bsSingle, bsNone}) {
        const QString suffix = border == bsSingle ? " bsSingle" : " bsNone";
        rows.append({"two-pin open" + suffix, [=] { return TwoPin(false, border); }});
        rows.append({"two-pin closed" + suffix, [=] { return TwoPin(true, border); }});
        rows.append({"three-pin jsOpen" + suffix, [=] { return ThreePin(jsOpen, border); }});
        rows.append({"three-pin jsLeft" + suffix, [=] { return ThreePin(jsLeft, border); }});
        rows.append({"three-pin jsRight" + suffix, [=] { return ThreePin(jsRight, border); }});
    }
    return rows;
}

// The orientation is set before the first paint and the size given for it,
// as a form would, so the picture is drawn at its final size at once.
QImage Render(TJumperControl &jumper, TOrientationType orientation)
{
    if (orientation == otLeft || orientation == otRight)
        jumper.resize(jumper.height(), jumper.width());
    jumper.SetOrientation(orientation);
    const QImage face = jumper.grab().toImage();
    return face.scaled(face.size() * Zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s output.png\n", argv[0]);
        return 2;
    }
    const QList<TRow> rows = Rows();
    QImage sheet(4 * Cell, int(rows.size()) * (Cell + CaptionHeight), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < 4; ++column) {
            const QPoint corner(column * Cell, row * (Cell + CaptionHeight));
            painter.drawText(QRect(corner, QSize(Cell, CaptionHeight)), Qt::AlignCenter,
                             rows[row].Caption + " " + OrientationNames[column]);
            const auto jumper = rows[row].Make();
            const QImage image = Render(*jumper, Orientations[column]);
            painter.drawImage(corner + QPoint((Cell - image.width()) / 2,
                                              CaptionHeight + (Cell - image.height()) / 2),
                              image);
        }
    }
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
