#ifndef CARDDESCRIPTION_H
#define CARDDESCRIPTION_H

#include <QString>

#include <cstdint>

// The installed-cards line pair for one card: the model, CR LF, and the base
// address.  Empty when the card is not one of the family's models.
QString FormatCardDescription(std::uint32_t DeviceID, std::uint32_t BaseAddress);

// Asks the driver library for the card at CardIndex and describes it; empty
// when the library cannot report the card.
QString CardDescription(std::int32_t CardIndex);

#endif
