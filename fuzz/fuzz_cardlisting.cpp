// The installed-cards window lists what the driver library answers.  Here the
// library's GetNumCards and QueryCardInfo are fakes that answer from the fuzz
// input: any count, any success value, any device identifier and address,
// outputs written even on failure.  The support component must list exactly
// the family's cards it was told of, ask only for cards the count covers, and
// say "No ... Found" when there are none.
//
// The input is the count (4 bytes, little-endian), then the answer for card
// 0, card 1, and so on, 9 bytes each: a flags byte (bit 0 success, bit 1
// outputs written on failure, bits 2-3 pick 0x0770, 0x0771, 0x0551 or the
// identifier that follows, bit 7 success told by -1), the device identifier
// and the base address (4 bytes each).  A card beyond the answers is missing.

#include "CardDescription.h"
#include "DriverLibrary.h"
#include "FuzzApplication.h"
#include "MessageBox.h"
#include "SetupSupporter.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t AnswerSize = 9;

struct TAnswers {
    const std::uint8_t *Data = nullptr; // the first card's answer
    std::size_t Cards = 0; // whole answers in the input
    std::int32_t Count = 0;
};

TAnswers Answers;

void Fail(const char *Problem)
{
    std::fprintf(stderr, "%s\n", Problem);
    std::abort();
}

std::uint32_t Word(const std::uint8_t *Bytes)
{
    std::uint32_t Value;
    std::memcpy(&Value, Bytes, sizeof Value);
    return Value;
}

struct TAnswer {
    bool Success;
    bool WritesOnFailure;
    bool Negative;
    std::uint32_t DeviceID;
    std::uint32_t BaseAddress;
};

TAnswer AnswerFor(std::size_t Card)
{
    static constexpr std::uint32_t Picks[] = {0x0770, 0x0771, 0x0551};
    const std::uint8_t *Bytes = Answers.Data + Card * AnswerSize;
    const std::uint8_t Flags = Bytes[0];
    const unsigned Pick = (Flags >> 2) & 3;
    return {bool(Flags & 1), bool(Flags & 2), bool(Flags & 0x80), Pick < 3 ? Picks[Pick] : Word(Bytes + 1),
            Word(Bytes + 5)};
}

bool IsFamily(std::uint32_t DeviceID)
{
    return DeviceID == 0x0770 || DeviceID == 0x0771 || DeviceID == 0x0551;
}

// What the window must show: the descriptions of the family's cards among
// those the count covers, in card order.
QString ExpectedListing()
{
    QStringList Listed;
    const std::size_t Covered = std::size_t(std::clamp(Answers.Count, 0, TPCIForm::MaxCards));
    for (std::size_t Card = 0; Card < std::min(Covered, Answers.Cards); ++Card) {
        const TAnswer Answer = AnswerFor(Card);
        if (Answer.Success && IsFamily(Answer.DeviceID))
            Listed << FormatCardDescription(Answer.DeviceID, Answer.BaseAddress)
                          .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    return Listed.join(QLatin1Char('\n'));
}

std::int32_t FakeGetNumCards()
{
    return Answers.Count;
}

} // namespace

extern "C" std::int32_t QueryCardInfo(std::int32_t CardIndex, std::uint32_t *DeviceID,
                                      std::uint32_t *BaseAddress, void *, void *)
{
    if (CardIndex < 0 || CardIndex >= Answers.Count || CardIndex >= TPCIForm::MaxCards)
        Fail("asked for a card the count does not cover");
    if (DeviceID == nullptr || BaseAddress == nullptr)
        Fail("asked with a null output");
    if (std::size_t(CardIndex) >= Answers.Cards)
        return 0;
    const TAnswer Answer = AnswerFor(std::size_t(CardIndex));
    if (Answer.Success || Answer.WritesOnFailure) {
        *DeviceID = Answer.DeviceID;
        *BaseAddress = Answer.BaseAddress;
    }
    // Any nonzero value is success, a negative one too.
    if (!Answer.Success)
        return 0;
    return Answer.Negative ? -1 : 1;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    StartFuzzApplication();
    SetMessageBoxHook([](const QString &Text, const QString &, unsigned) -> int {
        std::fprintf(stderr, "message box: %s\n", qPrintable(Text));
        std::abort();
    });
    // The loader leaves a fake alone once it has run.
    TELLUX::LoadDriverLibrary();
    TELLUX::GetNumCards = FakeGetNumCards;
    TELLUX::LoadDriverLibrary();
    if (TELLUX::GetNumCards != FakeGetNumCards)
        Fail("the driver loader replaced the fake GetNumCards");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    Answers = TAnswers();
    if (Size >= 4) {
        Answers.Count = std::int32_t(Word(Data));
        Answers.Data = Data + 4;
        Answers.Cards = (Size - 4) / AnswerSize;
    }

    QMainWindow Window;
    Window.setCentralWidget(new QWidget(&Window));
    auto *Bar = new QMenuBar(&Window);
    Bar->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Exit"));
    Window.setMenuBar(Bar);
    Window.resize(831, 645);

    auto *Supporter = new TSetupSupporter(&Window);
    Supporter->SetCardNameA(QStringLiteral("RX-LINE-77(Q)/55Q"));
    Supporter->SetOnGetCardString([](QObject *, std::int32_t Index) { return CardDescription(Index); });
    Supporter->CreateSupportWindows();

    const QString Expected = ExpectedListing();
    const bool None = Expected.isEmpty();
    const QString Memo = Supporter->PCIForm()->PCIMemo()->toPlainText();
    if (Memo != (None ? QStringLiteral("No Card Found") : Expected))
        Fail("the listing differs from the cards the driver reported");
    if (Supporter->HeaderLabel()->text().endsWith(QStringLiteral(" Found")) != None)
        Fail("the title says the opposite of what the driver reported");
    return 0;
}
