// The installed-cards window lists what the driver library answers.  Here the
// library's GetNumCards and QueryCardInfo are fakes that answer from the fuzz
// input: any count, any success value, any device identifier and address,
// outputs written even on failure.  The support component must list exactly
// the family's cards it was told of, ask only for cards the count covers, and
// say "No ... Found" when there are none.
//
// The input is read front to back: the count (4 bytes, little-endian), then
// for each card asked for one answer of 9 bytes: a flags byte (bit 0 success,
// bit 1 outputs written on failure, bits 2-3 pick 0x0770, 0x0771, 0x0551 or
// the identifier that follows, bit 7 success told by -1), the device
// identifier and the base address (4 bytes each).  Once the input runs out
// every card asked for is missing.

#include "CardDescription.h"
#include "DriverLibrary.h"
#include "FuzzApplication.h"
#include "MessageBox.h"
#include "SetupSupporter.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct TAnswers {
    const std::uint8_t *Data = nullptr;
    std::size_t Size = 0;
    std::int32_t Count = 0;
    // What the window must show for the successful answers naming one of the
    // family's cards, in the order they came.
    QStringList Listed;
};

TAnswers Answers;

void Fail(const char *Problem)
{
    std::fprintf(stderr, "%s\n", Problem);
    std::abort();
}

bool Take(void *Out, std::size_t Size)
{
    if (Answers.Size < Size)
        return false;
    std::memcpy(Out, Answers.Data, Size);
    Answers.Data += Size;
    Answers.Size -= Size;
    return true;
}

std::int32_t FakeGetNumCards()
{
    return Answers.Count;
}

bool IsFamily(std::uint32_t DeviceID)
{
    return DeviceID == 0x0770 || DeviceID == 0x0771 || DeviceID == 0x0551;
}

} // namespace

extern "C" std::int32_t QueryCardInfo(std::int32_t CardIndex, std::uint32_t *DeviceID,
                                      std::uint32_t *BaseAddress, void *, void *)
{
    if (CardIndex < 0 || CardIndex >= Answers.Count || CardIndex >= TPCIForm::MaxCards)
        Fail("asked for a card the count does not cover");
    if (DeviceID == nullptr || BaseAddress == nullptr)
        Fail("asked with a null output");
    std::uint8_t Flags = 0;
    std::uint32_t Id = 0;
    std::uint32_t Base = 0;
    if (!Take(&Flags, 1) || !Take(&Id, 4) || !Take(&Base, 4))
        return 0;
    static constexpr std::uint32_t Picks[] = {0x0770, 0x0771, 0x0551};
    const unsigned Pick = (Flags >> 2) & 3;
    if (Pick < 3)
        Id = Picks[Pick];
    const bool Success = Flags & 1;
    if (Success || (Flags & 2)) {
        *DeviceID = Id;
        *BaseAddress = Base;
    }
    if (Success && IsFamily(Id))
        Answers.Listed << FormatCardDescription(Id, Base).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Any nonzero value is success, a negative one too.
    if (!Success)
        return 0;
    return (Flags & 0x80) ? -1 : Flags;
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
    Answers.Data = Data;
    Answers.Size = Size;
    std::uint32_t Count = 0;
    Take(&Count, 4);
    Answers.Count = std::int32_t(Count);

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

    const bool None = Answers.Listed.isEmpty();
    const QString Memo = Supporter->PCIForm()->PCIMemo()->toPlainText();
    if (Memo != (None ? QStringLiteral("No Card Found") : Answers.Listed.join(QLatin1Char('\n'))))
        Fail("the listing differs from the cards the driver reported");
    if (Supporter->HeaderLabel()->text().endsWith(QStringLiteral(" Found")) != None)
        Fail("the title says the opposite of what the driver reported");
    return 0;
}
