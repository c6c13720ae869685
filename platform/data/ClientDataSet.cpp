#include "ClientDataSet.h"

#include <new>

#include "DBErrors.h"
#include "DBMessages.h"
#include "DataFile.h"

namespace zar {

namespace {

// Whether the data file is there to be read: a missing file (or a link to
// one) is not; anything other than a regular file, a loop of links or an
// unreadable path raises.
bool FileExists(const std::string& fileName) {
  return datafile::RegularFileExists(fileName, SCannotReadPacketFrom + QuotedFileName(fileName));
}

}  // namespace

TClientDataSet::TClientDataSet(std::string Name) : TDataSet(std::move(Name)) {}

TClientDataSet::~TClientDataSet() {
  try {
    Close();
  } catch (...) {
    // Destruction cannot report a failed write; the old file is intact.
  }
}

void TClientDataSet::CreateDataSet() {
  CheckInactive();
  if (DataSetField()) Error("A nested dataset is created by its master");
  const TFieldDefs defs = EffectiveFieldDefs();
  if (defs.Empty()) Error("No field definitions to create the dataset from");
  FPendingPacket = std::make_unique<TDataPacket>(defs);
  FPendingChanged = false;
  Open();
}

TDataPacket TClientDataSet::Data() {
  CheckActive();
  if (DataSetField()) Error(SNestedHasNoPacket);
  CheckBrowseMode();
  UpdateParams();
  return *FPacket;
}

void TClientDataSet::SetData(const TDataPacket& Value) {
  if (DataSetField()) Error(SNestedHasNoPacket);
  auto copy = std::make_unique<TDataPacket>(Value);
  Close();
  FPendingPacket = std::move(copy);
  FPendingChanged = true;
  Open();
}

void TClientDataSet::SetFileName(std::string Value) {
  if (Value != FFileName) FFileIdentity = {};
  FFileName = std::move(Value);
}

TRecordStore& TClientDataSet::OpenRootStore() {
  const bool fromFile = !FPendingPacket && !FFileName.empty() && FileExists(FFileName);
  if (FPendingPacket) {
    FPacket = std::move(FPendingPacket);
    SetDataChanged(FPendingChanged);
  } else if (fromFile) {
    TFileIdentity identity;
    try {
      FPacket = std::make_unique<TDataPacket>(ReadDataPacketFile(FFileName, &identity));
    } catch (const std::bad_alloc&) {
      DatabaseError(SCannotReadPacketFrom + QuotedFileName(FFileName) + ": " + SNotEnoughMemory);
    }
    FFileIdentity = identity;
    SetDataChanged(false);
  } else {
    const TFieldDefs defs = EffectiveFieldDefs();
    if (defs.Empty()) Error("Missing data provider or data packet");
    FPacket = std::make_unique<TDataPacket>(defs);
    SetDataChanged(false);
    // No file yet: a file someone else creates meanwhile is not overwritten.
    if (!FFileName.empty()) FFileIdentity = {true, false, 0, 0, 0};
  }
  try {
    CheckPersistentFields(FPacket->Rows.Layout());
  } catch (const EDatabaseError& error) {
    FPacket.reset();
    if (fromFile)
      DatabaseError(SCannotReadPacketFrom + QuotedFileName(FFileName) + ": " + error.Message());
    throw;
  }
  return FPacket->Rows;
}

void TClientDataSet::CloseRootStore() noexcept { FPacket.reset(); }

void TClientDataSet::BeforeClose() {
  if (FFileName.empty()) return;
  if (!DataChanged()) {
    // Unchanged data is written only to create a missing file; whatever
    // else is there now is left alone.
    try {
      if (FileExists(FFileName)) return;
    } catch (const EDatabaseError&) {
      return;
    }
  }
  UpdateParams();
  try {
    WriteDataPacketFile(*FPacket, FFileName, &FFileIdentity);
  } catch (const std::bad_alloc&) {
    DatabaseError(SCannotWriteDataFile + QuotedFileName(FFileName) + ": " + SNotEnoughMemory);
  }
  SetDataChanged(false);
}

// The packet's parameters follow the dataset's order and primary index.
void TClientDataSet::UpdateParams() {
  const TRecordLayout& layout = FPacket->Rows.Layout();
  auto fieldNumbers = [&](std::string_view names) {
    std::string numbers;
    for (const std::string& name : SplitFieldNames(names)) {
      if (!numbers.empty()) numbers += ' ';
      numbers += std::to_string(layout.IndexOf(name) + 1);
    }
    return numbers;
  };
  if (IndexFieldNames().empty())
    FPacket->RemoveParam("DEFAULT_ORDER");
  else
    FPacket->SetParam("DEFAULT_ORDER", fieldNumbers(IndexFieldNames()));
  FPacket->RemoveParam("PRIMARY_KEY");
  for (const TIndexDef& index : IndexDefs())
    if (index.Options & ixPrimary) FPacket->SetParam("PRIMARY_KEY", fieldNumbers(index.Fields));
}

}  // namespace zar
