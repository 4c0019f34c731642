#pragma once
// Small enumerations and event types shared across the component library.

#include <QObject>
#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <functional>

// The enumerations that a Designer form sets by name ("otRight", "jsLeft")
// live in a meta-object namespace so that QObject::setProperty converts the
// names; the using-declarations below keep them usable without the prefix.
namespace SetupTypes {
Q_NAMESPACE

// Kind of a highlight; its ordinal is also the tag of its popup window.
enum THighlightType : std::uint8_t { htOptions = 0, htSettings = 1, htCalibration = 2 };
Q_ENUM_NS(THighlightType)

// The direction in which the top side of a jumper sketch faces on screen.
enum TOrientationType : std::uint8_t { otUp = 0, otDown = 1, otLeft = 2, otRight = 3 };
Q_ENUM_NS(TOrientationType)

// Cap position of a three-pin jumper.
enum TJumperState : std::uint8_t { jsOpen = 0, jsLeft = 1, jsRight = 2 };
Q_ENUM_NS(TJumperState)

enum TBorderStyle : std::uint8_t { bsNone = 0, bsSingle = 1 };
Q_ENUM_NS(TBorderStyle)

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

} // namespace SetupTypes

using SetupTypes::THighlightType;
using SetupTypes::htOptions;
using SetupTypes::htSettings;
using SetupTypes::htCalibration;
using SetupTypes::TOrientationType;
using SetupTypes::otUp;
using SetupTypes::otDown;
using SetupTypes::otLeft;
using SetupTypes::otRight;
using SetupTypes::TJumperState;
using SetupTypes::jsOpen;
using SetupTypes::jsLeft;
using SetupTypes::jsRight;
using SetupTypes::TBorderStyle;
using SetupTypes::bsNone;
using SetupTypes::bsSingle;
using SetupTypes::TBevelCut;
using SetupTypes::bvNone;
using SetupTypes::bvLowered;
using SetupTypes::bvRaised;
using SetupTypes::bvSpace;

// Events are single-cast callables: assigned, cleared and tested for emptiness.
using TNotifyEvent = std::function<void(QObject *Sender)>;
using TRadioPanelChangeEvent = TNotifyEvent;
using TPCIEvent = std::function<QString(QObject *Sender, std::int32_t CardIndex)>;
using TCalibEvent = std::function<QString(QObject *Sender, std::uint8_t Channel, bool &ItsAllBad)>;

// Private message that starts the guided tour at the board image's First highlight.
constexpr unsigned WM_USER = 0x0400;
constexpr unsigned WM_STARTGUIDE = WM_USER + 0xA2;
