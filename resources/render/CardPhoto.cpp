#include "CardPhoto.h"

#include "BoardPainter.h"
#include "MetalPainter.h"
#include "Package.h"
#include "PartPainter.h"
#include "PhotoFinish.h"
#include "Route.h"

#include <QPainter>

#include <cmath>

namespace {

// The jumpers stand at the centres of the rings the setup program draws:
// (188, 17, 34 x 26) and (451, 27, 34 x 26) for the two IEN jumpers,
// (290, 22, 26 x 38) for the TST/BEN jumper.
const QPointF IenJumperA(205, 30);
const QPointF IenJumperB(468, 40);
const QPointF BenJumper(303, 41);

const double BoardTop = 6;
const double BoardBottom = 372;
const double TabLeft = 146;
const double TabRight = 484;
const double TabBottom = 408;
const double MaskEdge = 376;
const double FingerTop = 379;
const double SlotPitch = 5.08;
const double FirstSlot = 154;
const int Slots = 64;
const int KeySlot = 49;

const TPackage Bridge(QRectF(322, 112, 96, 96), 30, 30, 3, 6);
const TPackage Ports(QRectF(196, 112, 66, 66), 11, 11, 5, 2.5);
const TPackage Eeprom(QRectF(450, 150, 20, 16), 4, 0, 5, 5);
const TPackage Logic(QRectF(232, 248, 36, 16), 7, 0, 5, 5);
const TPackage Decoder(QRectF(196, 292, 40, 16), 8, 0, 5, 5);
const QRectF OscillatorCan(500, 88, 50, 50);
const QRectF DSubBody(22, 66, 40, 276);
const QRectF BracketStrip(0, 0, 22, 418);
const QRectF BracketCutOut(4, 88, 14, 232);
const QPointF BulkCapacitor(552, 210);
const QPointF InputCapacitor(104, 350);
const QRectF SerialSticker(458, 326, 96, 34);

TPackage Buffer(int index)
{
    return TPackage(QRectF(120, 96 + 80 * index, 30, 52), 0, 10, 5, 6);
}

// Row A of the D-sub holds pins 1 to 19, row B pins 20 to 37, half a pitch lower.
QPointF DSubJoint(int pin)
{
    const double pitch = 11.08;
    return pin < 19 ? QPointF(68, 104 + pitch * pin) : QPointF(79, 104 + pitch * (pin - 19 + 0.5));
}

bool IsFinger(int slot)
{
    return slot != KeySlot && slot != KeySlot + 1;
}

QPointF FingerTip(int slot)
{
    return {FirstSlot + slot * SlotPitch + 1.7, FingerTop};
}

QPainterPath BoardOutline()
{
    QPainterPath outline;
    outline.addPolygon(QPolygonF({{14, BoardTop},
                                  {588, BoardTop},
                                  {593, BoardTop + 5},
                                  {593, BoardBottom},
                                  {TabRight, BoardBottom},
                                  {TabRight, TabBottom - 3},
                                  {TabRight - 3, TabBottom},
                                  {TabLeft + 3, TabBottom},
                                  {TabLeft, TabBottom - 3},
                                  {TabLeft, BoardBottom},
                                  {14, BoardBottom}}));
    outline.closeSubpath();
    const double keyCentre = FingerTip(KeySlot).x() + SlotPitch / 2;
    QPainterPath key;
    key.addRoundedRect(QRectF(keyCentre - 3.5, FingerTop + 5, 7, 40), 3.5, 3.5);
    return outline.subtracted(key);
}

QImage Layer()
{
    QImage layer(TCardPhoto::Width, TCardPhoto::Height, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

QImage BoardShadow()
{
    QImage shadow = Layer();
    QPainter painter(&shadow);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(BoardOutline().translated(5, 7), QColor(0, 0, 0, 130));
    painter.end();
    TPhotoFinish::Blur(shadow, 4);
    return shadow;
}

QPainterPath PourArea()
{
    QPainterPath area;
    area.addRect(QRectF(18, 10, 571, BoardBottom - 14));
    return area;
}

void RouteDSubToBuffers(TBoardPainter &board)
{
    int trace = 0;
    for (int index = 0; index < 3; ++index)
        for (int lead = 1; lead <= 8; ++lead, ++trace) {
            const int rowOrder = static_cast<int>(std::lround(trace * 36.0 / 23.0));
            const int pin = rowOrder % 2 == 0 ? rowOrder / 2 : 19 + rowOrder / 2;
            board.Trace(TRoute::Across(DSubJoint(pin), Buffer(index).LeadTip(Qt::LeftEdge, lead), 88));
        }
}

void RouteBuffersToPorts(TBoardPainter &board)
{
    for (int lead = 1; lead <= 8; ++lead) {
        board.Trace(TRoute::Across(Buffer(0).LeadTip(Qt::RightEdge, lead), Ports.LeadTip(Qt::LeftEdge, lead), 162));
        board.Trace(TRoute::Corner(Buffer(1).LeadTip(Qt::RightEdge, lead), Ports.LeadTip(Qt::BottomEdge, lead), 4));
        const QPointF tip = Buffer(2).LeadTip(Qt::RightEdge, lead);
        const QPointF via = tip + QPointF(lead % 2 == 0 ? 12 : 21, 0);
        board.Trace(QPolygonF({tip, via}));
        board.Via(via, 2.3);
    }
}

void RoutePortsToBridge(TBoardPainter &board)
{
    for (int lead = 0; lead < Ports.Leads(Qt::RightEdge); ++lead)
        board.Trace(TRoute::Across(Ports.LeadTip(Qt::RightEdge, lead), Bridge.LeadTip(Qt::LeftEdge, lead + 2), 276));
    for (int lead = 0; lead < Ports.Leads(Qt::TopEdge); lead += 2) {
        const QPointF tip = Ports.LeadTip(Qt::TopEdge, lead);
        const QPointF via = tip - QPointF(0, lead % 4 == 0 ? 10 : 17);
        board.Trace(QPolygonF({tip, via}));
        board.Via(via, 2.3);
    }
}

void RouteBridgeToFingers(TBoardPainter &board)
{
    for (int lead = 0; lead < Bridge.Leads(Qt::BottomEdge); ++lead)
        board.Trace(TRoute::Down(Bridge.LeadTip(Qt::BottomEdge, lead), FingerTip(17 + lead), 222 + 2 * lead), 1.5);
    for (int slot = 0; slot < Slots; ++slot) {
        if (!IsFinger(slot) || (slot >= 17 && slot < 17 + Bridge.Leads(Qt::BottomEdge)))
            continue;
        const QPointF via = FingerTip(slot) - QPointF(0, slot % 2 == 0 ? 12 : 20);
        board.Trace(QPolygonF({FingerTip(slot), via}), 1.5);
        board.Via(via, 2.2);
    }
}

// Leads that leave the bridge for the other layer, fanned out to staggered vias.
void RouteBridgeEscapes(TBoardPainter &board)
{
    for (int lead = 2; lead < Bridge.Leads(Qt::TopEdge); lead += 2) {
        const QPointF tip = Bridge.LeadTip(Qt::TopEdge, lead);
        const QPointF via = tip - QPointF(0, 6 + 6 * ((lead / 2) % 3));
        board.Trace(QPolygonF({tip, via}), 1.3);
        board.Via(via, 2.2);
    }
    for (int lead = 0; lead < 16; lead += 2) {
        const QPointF tip = Bridge.LeadTip(Qt::RightEdge, lead);
        const QPointF via = tip + QPointF(6 + 6 * ((lead / 2) % 3), 0);
        board.Trace(QPolygonF({tip, via}), 1.3);
        board.Via(via, 2.2);
    }
    for (int lead = 14; lead < Bridge.Leads(Qt::LeftEdge); lead += 2) {
        const QPointF tip = Bridge.LeadTip(Qt::LeftEdge, lead);
        const QPointF via = tip - QPointF(6 + 6 * ((lead / 2) % 3), 0);
        board.Trace(QPolygonF({tip, via}), 1.3);
        board.Via(via, 2.2);
    }
}

void RouteBridgeToNeighbours(TBoardPainter &board)
{
    for (int lead = 0; lead < Eeprom.Leads(Qt::BottomEdge); ++lead)
        board.Trace(TRoute::Corner(Bridge.LeadTip(Qt::RightEdge, 19 + lead), Eeprom.LeadTip(Qt::BottomEdge, lead), 3),
                    1.5);
    board.Trace(TRoute::Across(OscillatorCan.bottomLeft() + QPointF(5, -5), Bridge.LeadTip(Qt::RightEdge, 17), 470));
    board.Trace(TRoute::Down(Logic.LeadTip(Qt::TopEdge, 6), Ports.LeadTip(Qt::BottomEdge, 10), 232));
    for (int lead = 0; lead < Decoder.Leads(Qt::TopEdge); ++lead) {
        const bool upward = lead < 4;
        const Qt::Edge edge = upward ? Qt::TopEdge : Qt::BottomEdge;
        const QPointF tip = Decoder.LeadTip(edge, upward ? lead : lead - 4);
        const QPointF via = tip + QPointF(0, (upward ? -1 : 1) * (lead % 2 == 0 ? 7 : 14));
        board.Trace(QPolygonF({tip, via}), 1.3);
        board.Via(via, 2.2);
    }
    for (int lead = 0; lead < Logic.Leads(Qt::BottomEdge); lead += 2) {
        const QPointF tip = Logic.LeadTip(Qt::BottomEdge, lead);
        board.Trace(QPolygonF({tip, tip + QPointF(0, 9)}));
        board.Via(tip + QPointF(0, 9), 2.3);
    }
}

void RouteJumpers(TBoardPainter &board)
{
    board.Trace(
        TRoute::Down(TPartPainter::HeaderPin(IenJumperA, 2, 1, Qt::Horizontal), Ports.LeadTip(Qt::TopEdge, 3), 60));
    board.Trace(TRoute::Down(TPartPainter::HeaderPin(IenJumperA, 2, 0, Qt::Horizontal), QPointF(192, 62), 44));
    board.Via(QPointF(192, 62));
    board.Trace(
        TRoute::Down(TPartPainter::HeaderPin(BenJumper, 3, 2, Qt::Vertical), Bridge.LeadTip(Qt::TopEdge, 1), 76));
    board.Trace(TRoute::Across(TPartPainter::HeaderPin(BenJumper, 3, 1, Qt::Vertical), QPointF(328, 34), 312));
    board.Via(QPointF(328, 34));
    board.Trace(TRoute::Across(TPartPainter::HeaderPin(BenJumper, 3, 0, Qt::Vertical), QPointF(270, 24), 285));
    board.Via(QPointF(270, 24));
    board.Trace(
        TRoute::Down(TPartPainter::HeaderPin(IenJumperB, 2, 0, Qt::Horizontal), Bridge.LeadTip(Qt::TopEdge, 29), 66));
    board.Trace(TRoute::Down(TPartPainter::HeaderPin(IenJumperB, 2, 1, Qt::Horizontal), QPointF(494, 70), 50));
    board.Via(QPointF(494, 70));
}

void RoutePower(TBoardPainter &board)
{
    board.Trace(QPolygonF({FingerTip(3), {FingerTip(3).x(), 352}, {InputCapacitor.x() + 8, 352}}), 4.5);
    board.Trace(QPolygonF({FingerTip(60),
                           {FingerTip(60).x(), 362},
                           {BulkCapacitor.x(), 362 - (BulkCapacitor.x() - FingerTip(60).x())},
                           BulkCapacitor}),
                4.5);
}

// Ground vias stitch the pour to the plane below, along the edges of the card.
void StitchPour(TBoardPainter &board)
{
    for (double y = 44; y < 350; y += 22)
        board.Via(QPointF(583, y), 2.2);
    for (double x = 30; x < 140; x += 22)
        board.Via(QPointF(x + 20, 365), 2.2);
    for (double x = 496; x < 580; x += 22)
        board.Via(QPointF(x, 365), 2.2);
    for (double x : {44.0, 66.0, 88.0, 110.0, 132.0, 350.0, 372.0, 394.0, 416.0, 520.0, 542.0, 564.0})
        board.Via(QPointF(x, 13), 2.2);
    for (int pin = 0; pin < 37; ++pin)
        board.Via(DSubJoint(pin), 3.6);
}

void LayCopper(TBoardPainter &board)
{
    RouteDSubToBuffers(board);
    RouteBuffersToPorts(board);
    RoutePortsToBridge(board);
    RouteBridgeToFingers(board);
    RouteBridgeEscapes(board);
    RouteBridgeToNeighbours(board);
    RouteJumpers(board);
    RoutePower(board);
    StitchPour(board);
    board.Pour(BoardOutline().intersected(PourArea()));
    board.Etch();
    board.Fiducial(QPointF(574, 30));
    board.Fiducial(QPointF(136, 362));
}

QRectF Footprint(const TPackage &package)
{
    const double reach = package.LeadLength() + 1.5;
    const double across = package.Leads(Qt::LeftEdge) > 0 ? reach : 1.5;
    const double along = package.Leads(Qt::TopEdge) > 0 ? reach : 1.5;
    return package.Body().adjusted(-across, -along, across, along);
}

void LayJumperSilk(TBoardPainter &board)
{
    board.SilkBox(QRectF(IenJumperA - QPointF(11.5, 6.5), QSizeF(23, 13)));
    board.SilkText(IenJumperA + QPointF(0, 19), "IEN", 8);
    board.SilkText(QPointF(186, 20), "JP1", 8, Qt::AlignRight);
    board.SilkBox(QRectF(IenJumperB - QPointF(11.5, 6.5), QSizeF(23, 13)));
    board.SilkText(IenJumperB + QPointF(0, 19), "IEN", 8);
    board.SilkText(QPointF(449, 22), "JP2", 8, Qt::AlignRight);
    board.SilkBox(QRectF(BenJumper - QPointF(6.5, 16.5), QSizeF(13, 33)));
    board.SilkText(BenJumper - QPointF(0, 25), "TST", 8);
    board.SilkText(BenJumper + QPointF(0, 25), "BEN", 8);
    board.SilkText(QPointF(287, 50), "JP3", 8, Qt::AlignRight);
}

void LayPartSilk(TBoardPainter &board)
{
    for (int index = 0; index < 3; ++index) {
        board.SilkBox(Footprint(Buffer(index)));
        board.SilkText(Buffer(index).Body().center() + QPointF(0, 34), QString("U%1").arg(3 + index), 8);
    }
    for (const TPackage *package : {&Bridge, &Ports, &Eeprom, &Logic, &Decoder})
        board.SilkBox(Footprint(*package));
    board.SilkText(QPointF(300, 232), "U1", 8);
    board.SilkText(QPointF(229, 196), "U2", 8);
    board.SilkText(QPointF(460, 188), "U6", 8);
    board.SilkText(QPointF(222, 256), "U7", 8, Qt::AlignRight);
    board.SilkText(QPointF(525, 80), "X1", 8);
    board.SilkText(QPointF(190, 300), "U8", 8, Qt::AlignRight);
    board.SilkText(QPointF(90, 26), "ASSY 77-1042", 7, Qt::AlignLeft);
    board.SilkText(QPointF(72, 94), "P1", 8);
    board.SilkText(QPointF(171, 91), "RN1", 7);
    board.SilkText(QPointF(171, 251), "RN2", 7);
    board.SilkText(BulkCapacitor + QPointF(-22, -14), "+", 9);
    board.SilkText(BulkCapacitor + QPointF(0, 24), "C12", 8);
    board.SilkText(InputCapacitor + QPointF(18, 2), "C1", 8, Qt::AlignLeft);
}

void LayNameSilk(TBoardPainter &board)
{
    board.SilkText(QPointF(506, 282), "RX-LINE-77", 16);
    board.SilkText(QPointF(506, 300), "KIRVO  REV B", 9);
    board.SilkText(QPointF(506, 312), "(C) 1999", 7);
    board.SilkText(QPointF(587, 350), "94V-0", 7, Qt::AlignCenter, true);
}

void LayBoard(TBoardPainter &board)
{
    board.Laminate(BoardOutline(), QRectF(TabLeft, MaskEdge, TabRight - TabLeft, TabBottom - MaskEdge + 1));
    LayCopper(board);
    LayJumperSilk(board);
    LayPartSilk(board);
    LayNameSilk(board);
    for (int slot = 0; slot < Slots; ++slot)
        if (IsFinger(slot))
            board.Finger(QRectF(FingerTip(slot) - QPointF(1.7, 0), QSizeF(3.4, TabBottom - FingerTop - 3)));
}

void LayPassives(TPartPainter &parts)
{
    for (int index = 0; index < 3; ++index)
        parts.Capacitor(QPointF(135, 88 + 80 * index), Qt::Horizontal);
    for (const QPointF &corner : {QPointF(310, 100), QPointF(430, 100), QPointF(310, 220), QPointF(430, 220)})
        parts.Capacitor(corner, Qt::Vertical);
    parts.Capacitor(QPointF(272, 104), Qt::Horizontal);
    parts.Capacitor(QPointF(188, 188), Qt::Vertical);
    parts.Capacitor(QPointF(560, 150), Qt::Vertical);
    parts.Capacitor(QPointF(282, 256), Qt::Vertical);
    for (int i = 0; i < 6; ++i)
        parts.Resistor(QPointF(262 + 14 * i, 326), Qt::Vertical);
    for (int i = 0; i < 4; ++i)
        parts.Resistor(QPointF(452 + 10 * i, 206), Qt::Vertical);
    parts.Resistor(QPointF(234, 30), Qt::Vertical);
    parts.Resistor(QPointF(438, 40), Qt::Vertical);
    parts.Resistor(QPointF(332, 60), Qt::Horizontal);
    for (int i = 0; i < 4; ++i)
        parts.Capacitor(QPointF(350 + 16 * i, 74), Qt::Horizontal);
    for (int i = 0; i < 3; ++i)
        parts.Resistor(QPointF(60 + 12 * i, 44), Qt::Vertical);
    parts.Capacitor(QPointF(246, 300), Qt::Vertical);
    parts.Tantalum(QPointF(196, 350), Qt::Horizontal);
    parts.Tantalum(QPointF(440, 250), Qt::Vertical);
    parts.Tantalum(QPointF(560, 250), Qt::Horizontal);
}

void LayChips(TPartPainter &parts)
{
    for (int index = 0; index < 3; ++index)
        parts.Chip(Buffer(index), {"74HCT245", "9926"}, true);
    parts.Chip(Bridge, {"KIRVO", "KX-3104A", "9931 TWN"}, false);
    parts.Chip(Ports, {"KV55A-2", "9928"}, false, true);
    parts.Chip(Eeprom, {"93LC46"}, false);
    parts.Chip(Logic, {"74HC14"}, false);
    parts.Chip(Decoder, {"74HC138"}, false);
    parts.ResistorNetwork(QRectF(166, 98, 9, 84), "A103J");
    parts.ResistorNetwork(QRectF(166, 258, 9, 60), "A472J");
}

void LayJumpers(TPartPainter &parts)
{
    parts.Header(IenJumperA, 2, Qt::Horizontal, -1);
    parts.Header(IenJumperB, 2, Qt::Horizontal, -1);
    parts.Header(BenJumper, 3, Qt::Vertical, 0);
}

QVector<QPointF> DSubJoints()
{
    QVector<QPointF> joints;
    for (int pin = 0; pin < 37; ++pin)
        joints << DSubJoint(pin);
    return joints;
}

void LayStandingParts(QPainter &photo)
{
    QImage partLayer = Layer();
    QImage shadowLayer = Layer();
    QPainter partPainter(&partLayer);
    QPainter shadowPainter(&shadowLayer);
    for (QPainter *painter : {&partPainter, &shadowPainter}) {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
    }
    TPartPainter parts(partPainter, shadowPainter, 7701);
    LayPassives(parts);
    LayChips(parts);
    parts.Electrolytic(BulkCapacitor, 15);
    parts.Electrolytic(InputCapacitor, 12);
    parts.Sticker(SerialSticker, "S/N 77-04217");
    LayJumpers(parts);
    TMetalPainter metal(partPainter, shadowPainter, 7702);
    metal.Oscillator(OscillatorCan, {"KV", "33.000", "9930"});
    metal.DSub(DSubBody, DSubJoints());
    metal.Bracket(BracketStrip, BracketCutOut);
    partPainter.end();
    shadowPainter.end();
    TPhotoFinish::Blur(shadowLayer, 3);
    photo.drawImage(0, 0, shadowLayer);
    photo.drawImage(0, 0, partLayer);
}

} // namespace

QImage TCardPhoto::Render() const
{
    QImage photo(Width, Height, QImage::Format_RGB32);
    QPainter painter(&photo);
    TBoardPainter board(painter);
    board.Backdrop(photo.rect());
    painter.drawImage(0, 0, BoardShadow());
    LayBoard(board);
    LayStandingParts(painter);
    painter.end();
    TPhotoFinish(1999).Develop(photo);
    return photo;
}
