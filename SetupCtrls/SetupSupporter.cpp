#include "SetupSupporter.h"

#include "Application.h"

void TSetupSupporter::ApplicationIdle(QObject *, bool &)
{
    TApplication::Instance()->OnIdle = nullptr;
}
