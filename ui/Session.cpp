#include "ui/Session.h"

#include "platform/Files.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/FileLists.h"
#include "ui/StandHost.h"

Session* TheSession = nullptr;

StandHost::~StandHost() = default;

Session::Session() : StandFiles(new TFileListBox) {
  TheSession = this;
  StandFiles->hide();
  StandFiles->SetMask(QStringLiteral("*.") + CommonlanText(0));
}

Session::~Session() {
  delete StandFiles;
  if (TheSession == this) TheSession = nullptr;
}

StandHost* SessionHost() { return TheSession ? TheSession->Host : nullptr; }

QSize HostWindowSize() { return TheSession && TheSession->Host ? TheSession->Host->WindowSize() : QSize(0, 0); }

::data* OpenedStand() { return TheSession ? TheSession->CurrentStand.get() : nullptr; }

QString ProgramParentFolder() {
  return TheSession ? platform::FolderOfPath(TheSession->ProgramFolder) : QString();
}

QString EstatesFolder() { return platform::JoinPath(ProgramParentFolder(), ActlanText(52)); }
